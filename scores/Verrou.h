#pragma once
// The lock a save takes beside the score table, so that two copies of the game never
// write it at once. Written as the lock files of earlier versions were (process id, "verlo",
// host name, a line each), so that they and this one understand each other's.

#include <QByteArray>
#include <QString>
#include <sys/types.h>

class Verrou {
public:
    /** The lock file `chemin`; nothing is taken yet. */
    explicit Verrou(QString chemin);
    /** Gives the lock back if it was taken. */
    ~Verrou();
    Verrou(const Verrou&) = delete;
    Verrou& operator=(const Verrou&) = delete;

    /**
     * Takes the lock, waiting up to `attenteMs` for another copy's save to end. A lock left
     * by a copy that stopped (its process gone, or older than any save) is removed. Fails at
     * once, saying why in *raison (in French, naming the lock), when something other than a
     * regular file of the game's stands at the lock's name, when a stale lock cannot be
     * removed, or when the lock cannot be made; after `attenteMs` when another copy still
     * holds it.
     */
    bool prendre(int attenteMs, QString* raison);

private:
    QString chemin_;
    QByteArray nom_; // the path as the system takes it
    int fd_ = -1;
    dev_t appareil_ = 0; // what was made, so that only it is removed
    ino_t inode_ = 0;
};
