#include "Demarrage.h"

#include "app/Donnees.h"
#include "app/EcritureAtomique.h"
#include "app/ListesMots.h"
#include "app/Reglages.h"
#include "bonus/Carte.h"
#include "game/MotsTires.h"
#include "scores/EmplacementScores.h"
#include "scores/FichierScores.h"

#include <QDir>
#include <QFileInfo>

QString messageDefautChargement(const EtatJeu& e, const QString& fichier) {
    return QStringList{QStringLiteral("Défaut au chargement de"), QDir::toNativeSeparators(fichier),
                       QStringLiteral("Sélectionner le Répertoire"),
                       QStringLiteral("contenant ce Fichier"),
                       QStringLiteral("chemin courant actuel = ") + e.Chemin_Actuel}
        .join(e.Saut_Ligne);
}

QString filtreDictionnaire(const QString& fichier) {
    // Qt reads the patterns from the last parenthesised group; Linux names are case-sensitive.
    return QStringLiteral("Dictionnaire (%1) (5l*.txt 5L*.txt)")
        .arg(QDir::toNativeSeparators(fichier));
}

namespace {

QString messageAbandon(const EtatJeu& e, const QString& fichier) {
    return QStringList{QStringLiteral("La liste de mots"), QDir::toNativeSeparators(fichier),
                       QStringLiteral("est introuvable ou vide."),
                       QStringLiteral("VERLO ne peut pas démarrer sans ses trois listes de mots.")}
        .join(e.Saut_Ligne);
}

// Loads list n; false when the user gave up. `aupres` tells whether it came
// from the program's own folder.
bool chargerListeAvecAide(EtatJeu& e, int n, const QString& dossier, IDialoguesChargement& ui,
                          bool& aupres) {
    QString fichier = cheminDonnee(nomListe(n), dossier);
    QString essai = fichier;
    while (!Charger_Liste(e, n, essai)) {
        ui.avertir(TITRE_CONTROLE_LECTURE, messageDefautChargement(e, essai));
        if (const auto choix = ui.choisirFichier(dossier, filtreDictionnaire(essai))) {
            essai = *choix;
            continue;
        }
        // Cancel: the file may have been put back while the dialog was up.
        essai = fichier = cheminDonnee(nomListe(n), dossier);
        if (Charger_Liste(e, n, essai))
            break;
        ui.avertir(TITRE_CONTROLE_LECTURE, messageAbandon(e, fichier));
        return false;
    }
    aupres = aupres && QFileInfo(essai).absoluteDir() == QDir(dossier);
    return true;
}

} // namespace

bool Charger_Donnees(EtatJeu& e, const QString& dossierProgramme, IDialoguesChargement& ui,
                     Emplacements& emplacements) {
    QDir::setCurrent(dossierProgramme);
    e.Chemin_Actuel = QDir::toNativeSeparators(QDir::currentPath());
    e.Lecteur = e.Chemin_Actuel.left(1);
    e.Saut_Ligne = QStringLiteral("\r\n");
    e.Niveau = 1;
    e.Joueur = 1;
    e.Nb_Joueurs = 1;

    bool listesAupres = true;
    for (int n = 1; n <= 3; ++n)
        if (!chargerListeAvecAide(e, n, dossierProgramme, ui, listesAupres))
            return false;

    QStringList rangs;
    for (int i = 1; i <= LIGNES_SCORES; ++i)
        rangs << QStringLiteral("%1  ").arg(i);
    e.Texte_Rangs = rangs.join(e.Saut_Ligne);

    const QString dossierScores = Choisir_Dossier_Scores(dossierProgramme, listesAupres);
    Nettoyer_Temporaires(dossierScores);
    emplacements.scores = QDir(dossierScores).filePath(QString::fromLatin1(NOM_FICHIER_SCORES));
    emplacements.motsTires = QDir(dossierScores).filePath(QString::fromLatin1(NOM_FICHIER_MOTS));
    emplacements.reglages = Chemin_Reglages();
    Charger_Scores(e, emplacements.scores);

    Remplir_Alignements(e);
    return true;
}
