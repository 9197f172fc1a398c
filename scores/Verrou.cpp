#include "Verrou.h"

#include "app/EcritureAtomique.h"
#include "app/FichierRegulier.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <chrono>
#include <csignal>
#include <cstring>
#include <thread>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A save holds the lock for milliseconds; one older than this was left by a copy that
// stopped or died, whatever its process seems to be.
constexpr qint64 PERIME_MS = 10'000;
constexpr auto PAS_ATTENTE = std::chrono::milliseconds(50);
// The application name that earlier versions wrote on the second line too.
constexpr char APPLICATION[] = "verlo";

QString nomLisible(const QString& chemin) {
    return QStringLiteral("« %1 »").arg(QDir::toNativeSeparators(chemin));
}

QString genre(mode_t mode) {
    if (S_ISDIR(mode))
        return QStringLiteral("un dossier");
    if (S_ISFIFO(mode))
        return QStringLiteral("un tube nommé");
    if (S_ISLNK(mode))
        return QStringLiteral("un lien symbolique");
    return QStringLiteral("un fichier spécial");
}

struct Contenu {
    bool lisible = false; // the game's lock, or an empty one being written
    qint64 pid = 0;
    QString hote;
};

Contenu lire(const QString& chemin) {
    Contenu c;
    const auto octets = Lire_Fichier_Regulier(chemin, 4096);
    if (!octets)
        return c;
    if (octets->isEmpty()) { // made, not written yet
        c.lisible = true;
        return c;
    }
    const QList<QByteArray> lignes = octets->split('\n');
    if (lignes.size() < 3 || lignes[1] != APPLICATION)
        return c;
    bool ok = false;
    c.pid = lignes[0].toLongLong(&ok);
    c.lisible = ok;
    c.hote = QString::fromUtf8(lignes[2]);
    return c;
}

bool perime(const Contenu& c, const struct stat& etat) {
    const qint64 age = QDateTime::currentMSecsSinceEpoch() -
                       (qint64{etat.st_mtim.tv_sec} * 1000 + etat.st_mtim.tv_nsec / 1'000'000);
    if (age > PERIME_MS)
        return true;
    // A copy of this machine that is gone: no need to wait out the delay.
    return c.pid > 0 && c.hote == QSysInfo::machineHostName() &&
           ::kill(static_cast<pid_t>(c.pid), 0) != 0 && errno == ESRCH;
}

} // namespace

Verrou::Verrou(QString chemin) : chemin_(std::move(chemin)), nom_(QFile::encodeName(chemin_)) {}

Verrou::~Verrou() {
    if (fd_ < 0)
        return;
    // Removed only while it is still the file this copy made.
    struct stat etat {};
    if (::lstat(nom_.constData(), &etat) == 0 && etat.st_dev == appareil_ && etat.st_ino == inode_)
        ::unlink(nom_.constData());
    ::close(fd_);
}

bool Verrou::prendre(int attenteMs, QString* raison) {
    const auto echec = [&](const QString& pourquoi) {
        if (raison)
            *raison = pourquoi;
        return false;
    };
    const auto fin = std::chrono::steady_clock::now() + std::chrono::milliseconds(attenteMs);
    const Sans_Signal_Taille sansSignal;
    for (;;) {
        const int fd =
            ::open(nom_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd >= 0) {
            const QByteArray texte = QByteArray::number(::getpid()) + '\n' + APPLICATION + '\n' +
                                     QSysInfo::machineHostName().toUtf8() + '\n';
            struct stat etat {};
            ::fstat(fd, &etat);
            fd_ = fd;
            appareil_ = etat.st_dev;
            inode_ = etat.st_ino;
            if (::write(fd, texte.constData(), static_cast<std::size_t>(texte.size())) !=
                texte.size())
                return echec(Raison_Systeme(errno, QStringLiteral("le verrou du tableau n'a pas "
                                                                  "pu être écrit")));
            return true;
        }
        if (errno != EEXIST)
            return echec(errno == ENOENT || errno == ENOTDIR
                             ? QStringLiteral("le dossier n'existe pas")
                             : Raison_Systeme(errno, QStringLiteral("le verrou du tableau n'a "
                                                                    "pas pu être posé")));

        struct stat etat {};
        if (::lstat(nom_.constData(), &etat) != 0)
            continue; // given back meanwhile
        // Only a regular file is ever read as a lock: a FIFO would hold the reading for ever,
        // a link to a device would never end it.
        if (!S_ISREG(etat.st_mode))
            return echec(QStringLiteral("le verrou %1 est %2, pas un fichier")
                             .arg(nomLisible(chemin_), genre(etat.st_mode)));
        const Contenu contenu = lire(chemin_);
        if (!contenu.lisible)
            return echec(QStringLiteral("%1 n'est pas un verrou du jeu, et le jeu ne retire "
                                        "pas un fichier qu'il n'a pas fait")
                             .arg(nomLisible(chemin_)));
        if (perime(contenu, etat)) {
            if (::unlink(nom_.constData()) == 0 || errno == ENOENT)
                continue;
            const int e = errno;
            return echec(QStringLiteral("le verrou %1, laissé par une copie du jeu arrêtée, ne "
                                        "peut pas être retiré (%2)")
                             .arg(nomLisible(chemin_),
                                  Raison_Systeme(e, QString::fromLocal8Bit(strerror(e)))));
        }
        if (std::chrono::steady_clock::now() >= fin)
            return echec(QStringLiteral("une autre copie du jeu l'enregistre en ce moment"));
        std::this_thread::sleep_for(PAS_ATTENTE);
    }
}
