#pragma once
// Points are kept as text in the score table, as they are in the score file, on the
// score panels and in the ranking shown to the players; these two turn them into
// numbers and back.

#include <QString>

/** " 125" for 125, " 0" for 0, "-5" for -5: the blank stands where a minus would go. */
QString Points_En_Texte(int points);

/** Leading blanks, an optional minus and the digits after it; 0 when there is no digit. */
double Valeur_Points(const QString& texte);
