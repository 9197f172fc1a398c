#pragma once
// The game's three sound effects and the one gate they pass through: the
// loudspeaker switch (Son_Actif) is tested here and nowhere else.

#include "EtatJeu.h"
#include "Services.h"

enum class Effet { Applaudissements, Fanfare, Mouton };

/** Plays "applaudi.wav" and returns when it has ended. Does not look at the switch. */
void Applaudir(ISon& son);

/** Plays an effect, in its own mode, only while the sound switch is on. */
void Jouer_Effet(const EtatJeu& e, ISon& son, Effet effet);
