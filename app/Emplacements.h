#pragma once
// Where the game keeps the files it writes, decided once at start-up: the table and the
// words drawn beside a portable copy, in the per-user data folder for an installed one; the
// options in the user's configuration folder. An empty name keeps things in memory.

#include <QString>

struct Emplacements {
    QString scores;    // the table of the twelve best scores: read there, written there
    QString motsTires; // the words already drawn, beside the table (only while asked for)
    QString reglages;  // the options the game remembers; none (empty) in memory only
};
