#include "FichierRegulier.h"

#include <QFile>
#include <algorithm>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The game's files are a few kilobytes: read a modest piece at a time rather than making
// room for the whole cap at once, which costs megabytes per read for nothing.
constexpr qint64 MORCEAU = 64 * 1024;

} // namespace

bool Est_Fichier_Regulier(const QString& chemin) {
    struct stat etat {};
    return ::stat(QFile::encodeName(chemin).constData(), &etat) == 0 && S_ISREG(etat.st_mode);
}

namespace {

// Without O_NONBLOCK, opening a FIFO waits for a writer; the type is checked on what was
// opened, not on the name, which could change in between. -1 for anything but a regular file.
int ouvrirRegulier(const QString& chemin, struct stat& etat) {
    const int fd =
        ::open(QFile::encodeName(chemin).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return -1;
    if (::fstat(fd, &etat) != 0 || !S_ISREG(etat.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

bool Ouvrir_Fichier_Regulier(QFile& fichier, const QString& chemin) {
    struct stat etat {};
    const int fd = ouvrirRegulier(chemin, etat);
    if (fd < 0)
        return false;
    if (!fichier.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

std::optional<QByteArray> Lire_Fichier_Regulier(const QString& chemin, qint64 plafond) {
    struct stat etat {};
    const int fd = ouvrirRegulier(chemin, etat);
    if (fd < 0)
        return std::nullopt;
    QByteArray octets;
    // The size announced is a hint only: the file may grow or shrink while it is read.
    octets.reserve(static_cast<qsizetype>(std::clamp<qint64>(etat.st_size, 0, plafond)));
    while (octets.size() < plafond) {
        const qint64 voulu = std::min<qint64>(MORCEAU, plafond - octets.size());
        const qsizetype avant = octets.size();
        octets.resize(avant + static_cast<qsizetype>(voulu));
        const ssize_t lu = ::read(fd, octets.data() + avant, static_cast<std::size_t>(voulu));
        if (lu < 0 && errno == EINTR) {
            octets.resize(avant);
            continue;
        }
        if (lu < 0) {
            ::close(fd);
            return std::nullopt;
        }
        octets.resize(avant + static_cast<qsizetype>(lu));
        if (lu == 0)
            break;
    }
    ::close(fd);
    return octets;
}
