#pragma once
// Where the game keeps the files it writes, decided once at start-up: beside a portable
// copy, in the per-user data folder for an installed one.

#include <QString>

struct Emplacements {
    QString scores; // the table of the twelve best scores: read there, written there
};
