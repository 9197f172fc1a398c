#pragma once
// Where the program's data files (word lists, sounds) are found: beside the executable
// first (a portable copy, the build folder), then in ../share/verlo relative to the
// executable's folder (an installed copy, under any prefix).

#include <QString>
#include <QStringList>

/** The installed data folder, ../share/verlo from the executable's folder. */
QString dossierPartage(const QString& dossierProgramme);

/** The folders looked in, in order, for a program whose executable is in dossierProgramme. */
QStringList dossiersDonnees(const QString& dossierProgramme);

/** The absolute path of `nom` in the first folder that holds it as a file; empty if none. */
QString trouverDans(const QStringList& dossiers, const QString& nom);

/**
 * The path of data file `nom` in the first of dossiersDonnees() that holds it; beside the
 * program when none does, so that a message names the place where it belongs.
 */
QString cheminDonnee(const QString& nom, const QString& dossierProgramme);
