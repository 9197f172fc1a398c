#pragma once

#include "MoteurSon.h"
#include "app/Services.h"

#include <QString>
#include <cstdint>
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

    /** A synchronous play waits this long beyond the file's own duration. */
    static constexpr std::int64_t MARGE_MS = 100;
    /**
     * And never longer than this, whatever the file says: the game takes no input meanwhile.
     * The game's sounds last 1 to 2.8 s; a longer one plays on after the wait.
     */
    static constexpr std::int64_t ATTENTE_MAX_MS = 5000;

    /** `horloge`: what a synchronous play's wait is measured on. */
    SonPlateforme(QString dossierProgramme, IHorloge& horloge, Chargeur chargeur = chargerModule);
    ~SonPlateforme() override;

    void jouer(const QString& fichier, ModeSon mode) override;
    void bip() override;
    void preparer() override;

    /** The file played under a bare name: the current folder first, then the data folder. */
    QString trouver(const QString& fichier) const;

    /**
     * The module beside the program, else in its module folder; only a regular file is
     * loaded (loading a FIFO would hold the game for ever).
     */
    static std::unique_ptr<IMoteurSon> chargerModule(const QString& dossierProgramme);

private:
    IMoteurSon* moteur();

    QString dossierProgramme_;
    IHorloge& horloge_;
    Chargeur chargeur_;
    bool chargementTente_ = false;
    std::unique_ptr<IMoteurSon> moteur_;
};
