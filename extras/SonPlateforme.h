#pragma once

#include "MoteurSon.h"
#include "app/Services.h"

#include <QString>
#include <functional>
#include <memory>

/**
 * The program's sound output: the platform beep, and the effects played by the sound
 * module, which is loaded with the three sounds when the player first turns the sound on.
 * One sound at a time; a missing module, file or device gives silence, never a message.
 */
class SonPlateforme final : public ISon {
public:
    /** Finds and loads the module from the program's folder; nothing if it is missing. */
    using Chargeur = std::function<std::unique_ptr<IMoteurSon>(const QString& dossierProgramme)>;
    /** Lets the window repaint for a number of milliseconds, user input held off. */
    using Attente = std::function<void(int ms)>;

    /** A synchronous play waits this long beyond the file's own duration. */
    static constexpr int MARGE_MS = 100;

    explicit SonPlateforme(QString dossierProgramme, Chargeur chargeur = chargerModule,
                           Attente attente = attendreSansSaisie);
    ~SonPlateforme() override;

    void jouer(const QString& fichier, ModeSon mode) override;
    void bip() override;
    void preparer() override;

    /** The file played under a bare name: the current folder first, then the data folder. */
    QString trouver(const QString& fichier) const;

    static std::unique_ptr<IMoteurSon> chargerModule(const QString& dossierProgramme);
    /** Waits in a local event loop; keys pressed meanwhile are dropped, not replayed. */
    static void attendreSansSaisie(int ms);

private:
    IMoteurSon* moteur();

    QString dossierProgramme_;
    Chargeur chargeur_;
    Attente attente_;
    bool chargementTente_ = false;
    std::unique_ptr<IMoteurSon> moteur_;
};
