#pragma once
// The game's one way to wait: the windows repaint and their timers run while time passes on
// the injected clock, with one rule for the player's input and one for a close.

#include "Services.h"

#include <cstdint>
#include <functional>

enum class Saisie {
    Ignoree, // keys, clicks, shortcuts and context menus are dropped, not replayed after it
    Permise  // the window answers as usual (the low-score notice's waits)
};

/**
 * Lets `ms` pass on the clock's steady time, which neither midnight nor a change of the
 * system time moves. Returns false, at once, when the main window closes meanwhile or has
 * closed (Signaler_Fermeture), or when `interrompre`, asked after each pass of the event
 * loop, says true (it must not touch a window destroyed meanwhile: guard it with a QPointer).
 */
bool Attendre(IHorloge& horloge, std::int64_t ms, Saisie saisie,
              const std::function<bool()>& interrompre = {});

/**
 * The main window is closing (true), or has just been built (false). While it closes, every
 * wait ends at once and later ones return at once, so that the program ends where it stands.
 */
void Signaler_Fermeture(bool fermeture);
bool Fermeture_Signalee();

/** Whether a wait that takes no input is running: input that comes now is dropped. */
bool Saisie_Suspendue();
