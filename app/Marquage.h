#pragma once
// Marks of a proposal against the hidden word. Right places are settled first,
// so a letter in its place is never spent on a yellow elsewhere; then each
// remaining letter of the hidden word serves at most one proposal position.

#include "app/Texte5.h"

#include <array>

enum class Marque { Gris, Vert, Jaune };

/** Blots a hidden-word character once it has served. */
inline constexpr char16_t MARQUE_CHERCHE = 254;
/** Blots a proposal character once it is marked; differs from MARQUE_CHERCHE so
    that two blots never match each other. */
inline constexpr char16_t MARQUE_PROPOSE = 255;

std::array<Marque, 5> Marquer(const Texte5& Mot_Cherche, const Texte5& Mot_Propose);

/** The same, also handing back the working copies as the two passes left them. */
std::array<Marque, 5> Marquer(const Texte5& Mot_Cherche, const Texte5& Mot_Propose,
                              Texte5& Copie_Cherche, Texte5& Copie_Propose);
