#pragma once

#include <QString>
#include <cstdint>
#include <optional>

/**
 * The playing time of a PCM WAV file in milliseconds, from its header and the data the file
 * really holds; nothing when the file is missing, is not a regular file, or is not a PCM WAV
 * file that can be played: a header whose byte rate is not its sample rate times its block
 * size is not believed (it alone would decide how long the game waits).
 */
std::optional<std::int64_t> dureeWavMs(const QString& chemin);
