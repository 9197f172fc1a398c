#pragma once

#include "Services.h"

#include <cstdint>
#include <functional>

/**
 * Lets the event loop run until `ms` have passed on the clock's steady time, which neither
 * midnight nor a change of the system time moves. `interrompre` is asked after each pass;
 * when it says true the wait ends at once and returns false (it must not touch a window
 * destroyed meanwhile: guard it with a QPointer).
 */
bool Attendre(const IHorloge& horloge, std::int64_t ms, const std::function<bool()>& interrompre);
