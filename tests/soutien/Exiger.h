#pragma once
// What a fuzz target checks beyond the sanitizers: a broken promise aborts, so that
// libFuzzer keeps the input and the replay test fails on it.

#include <cstdio>
#include <cstdlib>

inline void exiger(bool condition, const char* promesse) {
    if (!condition) {
        std::fprintf(stderr, "promesse non tenue : %s\n", promesse);
        std::abort();
    }
}
