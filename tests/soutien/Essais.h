#pragma once
// What a fuzz target needs besides the code it feeds.

#include <QDir>
#include <QFileInfo>
#include <QString>
#include <cstdio>
#include <cstdlib>

// Where it writes the files it reads back: in memory when the system offers it, since each
// input is saved for real and a disk's sync costs milliseconds a run. What is fuzzed is the
// reading and the round trip, not the disk.
inline QString dossierEssais() {
    const QFileInfo memoire(QStringLiteral("/dev/shm"));
    const QString base =
        memoire.isDir() && memoire.isWritable() ? memoire.filePath() : QDir::tempPath();
    return QDir(base).filePath(QStringLiteral("verlo-fuzz-XXXXXX"));
}

// What it checks beyond the sanitizers: a broken promise aborts, so that libFuzzer keeps the
// input and the replay test fails on it.
inline void exiger(bool condition, const char* promesse) {
    if (!condition) {
        std::fprintf(stderr, "promesse non tenue : %s\n", promesse);
        std::abort();
    }
}
