#pragma once
// Where the program's data files (word lists, sounds) are found: beside the executable
// first (a portable copy, the build folder), then in ../share/verlo relative to the
// executable's folder (an installed copy, under any prefix).

#include <QString>
#include <QStringList>

/** The folders looked in, in order, for a program whose executable is in dossierProgramme. */
QStringList dossiersDonnees(const QString& dossierProgramme);

/**
 * The path of data file `nom` in the first of those folders that holds it; beside the
 * program when none does, so that a message names the place where it belongs.
 */
QString cheminDonnee(const QString& nom, const QString& dossierProgramme);

/** The same for the running program. @pre a QCoreApplication exists. */
QString cheminDonnee(const QString& nom);
