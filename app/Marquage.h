#pragma once
// Marks of a proposal against the hidden word. Right places are settled first,
// so a letter in its place is never spent on a yellow elsewhere; then each
// remaining letter of the hidden word serves at most one proposal position.

#include "app/Texte5.h"

#include <array>

/** What a cell of the board tells of its letter: the marking writes it, the cell's colour
 * and what a screen reader says follow it. */
enum class Marque {
    Aucune,     // nothing to tell yet: a line still to play, an empty board
    Absente,    // the hidden word does not hold the letter, or no longer a free one
    BienPlacee, // at its right place; also the given first letter
    MalPlacee,  // in the hidden word at another place
    Debut       // the first cell of the line to play after a miss
};

/** Blots a hidden-word character once it has served. */
inline constexpr char16_t MARQUE_CHERCHE = 254;
/** Blots a proposal character once it is marked; differs from MARQUE_CHERCHE so
    that two blots never match each other. */
inline constexpr char16_t MARQUE_PROPOSE = 255;

/** Absente, BienPlacee or MalPlacee for each of the five positions. */
std::array<Marque, 5> Marquer(const Texte5& Mot_Cherche, const Texte5& Mot_Propose);

/** The same, also handing back the working copies as the two passes left them. */
std::array<Marque, 5> Marquer(const Texte5& Mot_Cherche, const Texte5& Mot_Propose,
                              Texte5& Copie_Cherche, Texte5& Copie_Propose);
