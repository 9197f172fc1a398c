#include "Donnees.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QStringList dossiersDonnees(const QString& dossierProgramme) {
    const QDir programme(dossierProgramme);
    return {programme.path(),
            QDir::cleanPath(programme.filePath(QStringLiteral("../share/verlo")))};
}

QString cheminDonnee(const QString& nom, const QString& dossierProgramme) {
    const QStringList dossiers = dossiersDonnees(dossierProgramme);
    for (const QString& dossier : dossiers) {
        const QString chemin = QDir(dossier).filePath(nom);
        if (QFileInfo(chemin).isFile())
            return chemin;
    }
    return QDir(dossiers.first()).filePath(nom);
}

QString cheminDonnee(const QString& nom) {
    return cheminDonnee(nom, QCoreApplication::applicationDirPath());
}
