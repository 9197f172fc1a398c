#pragma once
// The score file: one line per stored score, `"name","points"`, in Windows-1252 with CR LF
// line ends, so that a table written on one machine reads the same on any other.

#include "app/EtatJeu.h"

#include <QChar>
#include <QString>

inline constexpr auto NOM_FICHIER_SCORES = "VERLO-SB.SCO";

/**
 * Whether a name box takes the character. The file escapes nothing, so a double quote
 * would cut the record, a control character could end the line, and a character the code
 * page lacks would come back as '?'.
 */
bool Caractere_Nom_Accepte(QChar c);

/**
 * Reads the table from the file into Tab_Scores rows 1..n, in file order, and sets Nb_Scores
 * to n. A missing or empty file gives an empty table; malformed lines are skipped; of more
 * than twelve records the twelve with the most points are kept.
 */
void Charger_Scores(EtatJeu& e, const QString& chemin);

/**
 * Writes the rows of Tab_Scores whose points are above 0, replacing the file whole or not
 * at all. On failure returns false and puts a message for the player in *erreur.
 */
bool Enregistrer_Scores(const EtatJeu& e, const QString& chemin, QString* erreur);
