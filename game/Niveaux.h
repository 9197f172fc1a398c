#pragma once
// The three levels: level n draws from list n and pays the points of its scale,
// which the labels beside the board show.

#include <QString>

/** The caption of level n's option ("Débutant", "Compétent", "Expert"). */
QString legendeNiveau(int niveau);

/**
 * The caption of points label Rep_H(k) at a level: field k of the level's scale
 * text (five two-character fields), leading blanks dropped. Throws
 * std::out_of_range for a level outside 1..3 or k outside 1..5.
 */
QString legendeRep_H(int niveau, int k);
