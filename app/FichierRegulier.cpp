#include "FichierRegulier.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::optional<QByteArray> Lire_Fichier_Regulier(const QString& chemin, qint64 plafond) {
    // Without O_NONBLOCK, opening a FIFO waits for a writer; the type is checked on what was
    // opened, not on the name, which could change in between.
    const int fd =
        ::open(QFile::encodeName(chemin).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    struct stat etat {};
    QFile fichier;
    if (::fstat(fd, &etat) != 0 || !S_ISREG(etat.st_mode) ||
        !fichier.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    QByteArray octets = fichier.read(plafond);
    if (fichier.error() != QFileDevice::NoError)
        return std::nullopt;
    return octets;
}
