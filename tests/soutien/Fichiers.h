#pragma once
// Files as a player or the system leaves them, their bytes, and calls that may block on them
// (a FIFO): run with a time limit, a hang fails the test at once instead of holding it until
// CTest's limit.

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <future>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

/** A shell command in the current folder; true when it succeeded. */
inline bool shell(const QString& commande) {
    return QProcess::execute(QStringLiteral("sh"), {QStringLiteral("-c"), commande}) == 0;
}

inline QByteArray lire(const QString& fichier) {
    QFile f(fichier);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

inline bool ecrire(const QString& fichier, const QByteArray& octets) {
    QFile f(fichier);
    return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
}

/**
 * Runs `appel` on another thread; true when it returned within `ms`. Otherwise each FIFO of
 * `tubes` is opened for writing, which ends an opening or a read blocked on it, and false is
 * returned once the call has ended.
 */
inline bool finitSansBlocage(const std::function<void()>& appel, int ms,
                             const QStringList& tubes = {}) {
    std::packaged_task<void()> tache(appel);
    std::future<void> fin = tache.get_future();
    std::thread fil(std::move(tache));
    const auto fini = [&fin](int attente) {
        return fin.wait_for(std::chrono::milliseconds(attente)) == std::future_status::ready;
    };
    const bool aTemps = fini(ms);
    while (!fini(50))
        for (const QString& tube : tubes)
            if (const int fd = ::open(QFile::encodeName(tube).constData(), O_WRONLY | O_NONBLOCK);
                fd >= 0)
                ::close(fd);
    fil.join();
    return aTemps;
}
