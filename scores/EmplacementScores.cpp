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

QString Choisir_Dossier_Scores(const QString& dossierProgramme, bool listesAupresDuProgramme) {
    if (listesAupresDuProgramme && dossierInscriptible(dossierProgramme))
        return dossierProgramme;
    const QString donnees = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!donnees.isEmpty())
        QDir().mkpath(donnees);
    return donnees;
}
