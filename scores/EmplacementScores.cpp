#include "EmplacementScores.h"

#include "app/EcritureAtomique.h"

#include <QDir>
#include <QStandardPaths>

QString Dossier_Scores_Utilisateur() {
    // Built here rather than from the organisation and application names, which would
    // nest a second "verlo" folder.
    const QString donnees = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return donnees.isEmpty() ? QString() : QDir(donnees).filePath(QStringLiteral("verlo"));
}

QString Choisir_Dossier_Scores(const QString& dossierProgramme, bool listesAupresDuProgramme) {
    if (listesAupresDuProgramme && Dossier_Inscriptible(dossierProgramme))
        return dossierProgramme;
    const QString dossier = Dossier_Scores_Utilisateur();
    if (!dossier.isEmpty())
        QDir().mkpath(dossier);
    return dossier;
}
