#pragma once
// Where the score file lives: beside the program when it is run from a folder of its own
// (a portable copy on a key), in the user's data folder when installed.

#include <QString>

/** The per-user folder, ~/.local/share/verlo: the same whatever names the application bears. */
QString Dossier_Scores_Utilisateur();

/**
 * The program's folder when the word lists were found there and a file can be created in
 * it; otherwise the per-user folder, created if missing.
 */
QString Choisir_Dossier_Scores(const QString& dossierProgramme, bool listesAupresDuProgramme);
