#pragma once
// Where a fuzz target writes the files it reads back: in memory when the system offers it,
// since each input is saved for real and a disk's sync costs milliseconds a run. What is
// fuzzed is the reading and the round trip, not the disk.

#include <QDir>
#include <QFileInfo>
#include <QString>

inline QString dossierEssais() {
    const QFileInfo memoire(QStringLiteral("/dev/shm"));
    const QString base =
        memoire.isDir() && memoire.isWritable() ? memoire.filePath() : QDir::tempPath();
    return QDir(base).filePath(QStringLiteral("verlo-fuzz-XXXXXX"));
}
