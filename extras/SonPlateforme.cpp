#include "SonPlateforme.h"

#include "app/Donnees.h"
#include "app/controles/FiltreRepetition.h"

#include "Wav.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLibrary>
#include <QTimer>

namespace {

const QStringList EFFETS{QStringLiteral("applaudi.wav"), QStringLiteral("fanfare.wav"),
                         QStringLiteral("mouton.wav")};

} // namespace

SonPlateforme::SonPlateforme(QString dossierProgramme, Chargeur chargeur, Attente attente)
    : dossierProgramme_(std::move(dossierProgramme)), chargeur_(std::move(chargeur)),
      attente_(std::move(attente)) {}

SonPlateforme::~SonPlateforme() = default;

void SonPlateforme::bip() {
    QApplication::beep();
}

IMoteurSon* SonPlateforme::moteur() {
    if (!chargementTente_) {
        chargementTente_ = true; // a missing module is looked for once, not at every sound
        moteur_ = chargeur_(dossierProgramme_);
        if (moteur_)
            for (const QString& effet : EFFETS)
                if (const QString chemin = trouver(effet); !chemin.isEmpty())
                    moteur_->charger(chemin);
    }
    return moteur_.get();
}

void SonPlateforme::preparer() {
    moteur();
}

QString SonPlateforme::trouver(const QString& fichier) const {
    return trouverDans({QDir::currentPath(), dossierPartage(dossierProgramme_)}, fichier);
}

void SonPlateforme::jouer(const QString& fichier, ModeSon mode) {
    IMoteurSon* m = moteur();
    if (!m)
        return;
    const QString chemin = trouver(fichier);
    const auto duree = chemin.isEmpty() ? std::nullopt : dureeWavMs(chemin);
    if (!duree)
        return;
    m->jouer(chemin);
    // Qt's "finished" never comes without a device and comes late with some servers:
    // the wait is the file's own length.
    if (mode == ModeSon::Attente && m->sortiePresente())
        attente_(*duree + MARGE_MS);
}

std::unique_ptr<IMoteurSon> SonPlateforme::chargerModule(const QString& dossierProgramme) {
    const QDir programme(dossierProgramme);
    for (const QString& dossier :
         {programme.path(), programme.filePath(QString::fromUtf8(VERLO_DOSSIER_MODULE))}) {
        QLibrary module(QDir(dossier).filePath(QStringLiteral("verlo_son")));
        // Never unloaded: the engine's code must outlive it.
        if (const auto creer = reinterpret_cast<CreerMoteurSon>(module.resolve(SYMBOLE_MOTEUR_SON)))
            return std::unique_ptr<IMoteurSon>(creer());
    }
    return nullptr;
}

void SonPlateforme::attendreSansSaisie(int ms) {
    // A key held during a sound must not type on into the next word: what comes meanwhile
    // is dropped, not replayed.
    const FiltreRepetition::Pause sansSaisie;
    QEventLoop boucle;
    QTimer::singleShot(ms, &boucle, &QEventLoop::quit);
    // A blocking sleep would also stall the audio output: the loop runs, input waits.
    boucle.exec(QEventLoop::ExcludeUserInputEvents);
    // What was typed meanwhile is delivered now, and dropped.
    QCoreApplication::processEvents();
}
