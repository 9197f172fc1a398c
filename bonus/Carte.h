#pragma once
// The bonus card: a 5x5 grid holding the balls 1..25 in random order, a bag
// the balls are drawn from, and the twelve lines (five rows, five columns, two
// diagonals) that win when all their cells are covered.

#include "app/EtatJeu.h"
#include "app/Services.h"

#include <array>

/** What a covered cell holds: above every ball, so that only a line of five
    covered cells can reach SOMME_LIGNE. */
inline constexpr int BOULE_COUVERTE = 29;
inline constexpr int SOMME_LIGNE = 145;
static_assert(SOMME_LIGNE == 5 * BOULE_COUVERTE);
static_assert(4 * BOULE_COUVERTE + 25 < SOMME_LIGNE, "one uncovered cell must spoil a line");

/** Alignements(1..12): the cells of each line, two digits a cell. */
void Remplir_Alignements(EtatJeu& e);

/** Deals a fresh grid to a slot (0..2) and refills its bag with 1..25. */
void Nouvelle_Grille(EtatJeu& e, int slot, IHasard& hasard, const IHorloge& horloge);

/** New cards for players 1 and 2, in this order: every fresh start of a game. */
void Nouvelles_Grilles(EtatJeu& e, IHasard& hasard, const IHorloge& horloge);

/** True once all 25 balls of slot p are drawn. */
bool Sac_Vide(const EtatJeu& e, int p);

/** Draws a ball from the bag of slot p: returns its cell, also left in
    Case_Tiree. Throws std::logic_error if the bag is empty or no grid is dealt. */
int Tirer_Boule(EtatJeu& e, int p, IHasard& hasard, const IHorloge& horloge);

/** Covers the cell of the last ball drawn (Case_Tiree) on slot p's grid. */
void Placer_Boule(EtatJeu& e, int p);

/** The five cells of line l (1..12) of Alignements, in its order. */
std::array<int, 5> Cases_Ligne(const EtatJeu& e, int l);

/** The first line (1..12, in Alignements order) entirely covered on slot p, or 0. */
int Ligne_Complete(const EtatJeu& e, int p);
