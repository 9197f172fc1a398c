#pragma once
// A call that may block on a FIFO, run with a time limit: a hang fails the test at once
// instead of holding it until CTest's limit.

#include <QFile>
#include <QStringList>
#include <chrono>
#include <functional>
#include <future>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

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
