#pragma once

#include <QString>
#include <optional>

/**
 * The playing time of a PCM WAV file in milliseconds, read from its header; nothing
 * when the file is missing or not a PCM WAV file that can be played.
 */
std::optional<int> dureeWavMs(const QString& chemin);
