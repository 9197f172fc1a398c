#include "Donnees.h"

#include <QDir>
#include <QFileInfo>

QString dossierPartage(const QString& dossierProgramme) {
    return QDir::cleanPath(QDir(dossierProgramme).filePath(QStringLiteral("../share/verlo")));
}

QStringList dossiersDonnees(const QString& dossierProgramme) {
    return {QDir(dossierProgramme).path(), dossierPartage(dossierProgramme)};
}

QString trouverDans(const QStringList& dossiers, const QString& nom) {
    for (const QString& dossier : dossiers) {
        const QFileInfo fichier(QDir(dossier), nom);
        if (fichier.isFile())
            return fichier.absoluteFilePath();
    }
    return {};
}

QString cheminDonnee(const QString& nom, const QString& dossierProgramme) {
    const QString chemin = trouverDans(dossiersDonnees(dossierProgramme), nom);
    return chemin.isEmpty() ? QDir(dossierProgramme).filePath(nom) : chemin;
}
