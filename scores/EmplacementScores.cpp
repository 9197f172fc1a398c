#include "EmplacementScores.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

// Permission bits say nothing when running as root, nor on a read-only medium that still
// shows them set: only creating a file tells.
bool dossierInscriptible(const QString& dossier) {
    if (dossier.isEmpty() || !QDir(dossier).exists())
        return false;
    QTemporaryFile essai(QDir(dossier).filePath(QStringLiteral("verlo-essai-XXXXXX.tmp")));
    return essai.open(); // removed when essai goes
}

} // namespace

QString Dossier_Scores_Utilisateur() {
    // Built here rather than from the organisation and application names, which would
    // nest a second "verlo" folder.
    const QString donnees = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return donnees.isEmpty() ? QString() : QDir(donnees).filePath(QStringLiteral("verlo"));
}

QString Choisir_Dossier_Scores(const QString& dossierProgramme, bool listesAupresDuProgramme) {
    if (listesAupresDuProgramme && dossierInscriptible(dossierProgramme))
        return dossierProgramme;
    const QString dossier = Dossier_Scores_Utilisateur();
    if (!dossier.isEmpty())
        QDir().mkpath(dossier);
    return dossier;
}
