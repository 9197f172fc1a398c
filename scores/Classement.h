#pragma once
// The ranking of the stored scores and of the two players' new scores.

#include "app/EtatJeu.h"

#include <QString>

/** Sorts the twelve rows of Tab_Scores by decreasing points; sets Nb_Scores to 12. */
void Trier_Scores(EtatJeu& e);

/** Sorts the fourteen rows of Classement, Classement_Joueur with them; sets Nb_Scores to 14. */
void Trier_Classement(EtatJeu& e);

/**
 * Ranks the finished game: the stored table and both players' scores go into Classement,
 * sorted; a player qualifies when his row ends among the first twelve with points above 0.
 * Tab_Scores is left as it was.
 */
void Classer_Partie(EtatJeu& e);

/**
 * Keeps the first twelve rows of Classement as the new Tab_Scores, the qualified players'
 * rows under the names typed. An empty name becomes "Anonyme", in the caller's text too.
 * Returns false, changing nothing, when neither player qualified.
 */
bool Inscrire_Noms(EtatJeu& e, QString& nom1, QString& nom2);
