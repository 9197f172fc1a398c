#include "SonPlateforme.h"

#include "app/Attente.h"
#include "app/Donnees.h"
#include "app/FichierRegulier.h"

#include "Wav.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <algorithm>

namespace {

const QStringList EFFETS{QStringLiteral("applaudi.wav"), QStringLiteral("fanfare.wav"),
                         QStringLiteral("mouton.wav")};

} // namespace

SonPlateforme::SonPlateforme(QString dossierProgramme, IHorloge& horloge, Chargeur chargeur)
    : dossierProgramme_(std::move(dossierProgramme)), horloge_(horloge),
      chargeur_(std::move(chargeur)) {}

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
    // the wait is the file's own length. A key held meanwhile must not type on into the
    // next word: input is dropped, not replayed.
    if (mode == ModeSon::Attente && m->sortiePresente())
        Attendre(horloge_, std::min(*duree + MARGE_MS, ATTENTE_MAX_MS), Saisie::Ignoree);
}

std::unique_ptr<IMoteurSon> SonPlateforme::chargerModule(const QString& dossierProgramme) {
    const QDir programme(dossierProgramme);
    for (const QString& dossier :
         {programme.path(), programme.filePath(QString::fromUtf8(VERLO_DOSSIER_MODULE))}) {
        const QString fichier = QDir(dossier).filePath(QStringLiteral("libverlo_son.so"));
        if (!Est_Fichier_Regulier(fichier))
            continue;
        QLibrary module(fichier);
        // Never unloaded: the engine's code must outlive it.
        if (const auto creer = reinterpret_cast<CreerMoteurSon>(module.resolve(SYMBOLE_MOTEUR_SON)))
            return std::unique_ptr<IMoteurSon>(creer());
    }
    return nullptr;
}
