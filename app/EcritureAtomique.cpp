#include "EcritureAtomique.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A write holds its temporary file for milliseconds; one untouched this long was left by a
// copy that stopped or died.
constexpr qint64 AGE_ABANDON_S = 60;

QString texteErreur(int numeroErreur) {
    return QString::fromLocal8Bit(std::strerror(numeroErreur));
}

struct Temporaire {
    int fd = -1;
    QByteArray nom; // as the system takes it
};

/** A new empty temporary file of the game's for `nom` in `dossier`; fd -1 and errno set when
 * none could be made. Made by this call, never an existing file. */
Temporaire creerTemporaire(const QString& dossier, const QString& nom) {
    static constexpr char signes[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (int essai = 0; essai < 100; ++essai) {
        QString unique;
        for (int i = 0; i < 6; ++i)
            unique += QLatin1Char(signes[QRandomGenerator::global()->bounded(62)]);
        const QByteArray chemin = QFile::encodeName(QDir(dossier).filePath(
            QLatin1String(PREFIXE_TEMPORAIRE) + unique + QLatin1Char('-') + nom));
        // 0666: the umask decides, as for any file the user makes.
        const int fd =
            ::open(chemin.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd >= 0)
            return {fd, chemin};
        if (errno != EEXIST)
            return {};
    }
    errno = EEXIST;
    return {};
}

bool toutEcrire(int fd, const QByteArray& contenu) {
    const char* p = contenu.constData();
    std::size_t reste = static_cast<std::size_t>(contenu.size());
    while (reste > 0) {
        const ssize_t n = ::write(fd, p, reste);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        p += n;
        reste -= static_cast<std::size_t>(n);
    }
    return true;
}

/** Every byte on the disk, or false: errors of the disk show here, not after the rename. */
bool versLeDisque(int fd) {
    return ::fsync(fd) == 0 || errno == EINVAL; // EINVAL: a file that cannot be synced
}

} // namespace

std::optional<QString> Ecrire_Fichier_Atomique(const QString& chemin, const QByteArray& contenu) {
    const QFileInfo cible(chemin);
    const QString dossier = cible.absolutePath();
    const QByteArray nom = QFile::encodeName(chemin);
    struct stat etat {};
    bool existe = false;
    if (::lstat(nom.constData(), &etat) == 0) {
        // The rename would replace a link by a file, or follow it elsewhere: a name in the
        // game's folder must not lead the game to write somewhere else.
        if (S_ISLNK(etat.st_mode))
            return QStringLiteral("ce nom est un lien symbolique, au travers duquel le jeu "
                                  "n'écrit pas");
        if (S_ISDIR(etat.st_mode))
            return QStringLiteral("un dossier porte ce nom");
        if (!S_ISREG(etat.st_mode))
            return QStringLiteral("ce nom n'est pas celui d'un fichier ordinaire");
        // The folder would let the rename replace it; its owner said otherwise.
        if (::access(nom.constData(), W_OK) != 0)
            return errno == EROFS ? Raison_Systeme(EROFS, QString())
                                  : QStringLiteral("le fichier est protégé en écriture");
        existe = true;
    } else if (errno != ENOENT || !QFileInfo(dossier).isDir()) {
        return errno == ENOENT || errno == ENOTDIR ? QStringLiteral("le dossier n'existe pas")
                                                   : Raison_Systeme(errno, texteErreur(errno));
    }

    const Sans_Signal_Taille sansSignal;
    const Temporaire t = creerTemporaire(dossier, cible.fileName());
    if (t.fd < 0)
        return Raison_Systeme(errno, texteErreur(errno));
    int erreur = 0;
    bool ok = (!existe || ::fchmod(t.fd, etat.st_mode & 0777) == 0) && toutEcrire(t.fd, contenu) &&
              versLeDisque(t.fd);
    if (!ok)
        erreur = errno;
    if (::close(t.fd) != 0 && ok) {
        ok = false;
        erreur = errno;
    }
    if (ok && ::rename(t.nom.constData(), nom.constData()) != 0) {
        ok = false;
        erreur = errno;
    }
    if (!ok) {
        ::unlink(t.nom.constData());
        return Raison_Systeme(erreur, texteErreur(erreur));
    }
    // The new name reaches the disk with its folder.
    if (const int d =
            ::open(QFile::encodeName(dossier).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        d >= 0) {
        ::fsync(d);
        ::close(d);
    }
    return std::nullopt;
}

bool Dossier_Inscriptible(const QString& dossier) {
    if (dossier.isEmpty() || !QFileInfo(dossier).isDir())
        return false;
    const Temporaire essai = creerTemporaire(dossier, QStringLiteral("essai"));
    if (essai.fd < 0)
        return false;
    ::close(essai.fd);
    ::unlink(essai.nom.constData());
    return true;
}

void Nettoyer_Temporaires(const QString& dossier) {
    static const QRegularExpression modele(QStringLiteral("^\\.verlo-tmp-[A-Za-z0-9]{6}-.+$"));
    const QDateTime limite = QDateTime::currentDateTimeUtc().addSecs(-AGE_ABANDON_S);
    const auto fichiers =
        QDir(dossier).entryInfoList({QLatin1String(PREFIXE_TEMPORAIRE) + QLatin1Char('*')},
                                    QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& f : fichiers)
        if (modele.match(f.fileName()).hasMatch() && f.isFile() && !f.isSymLink() &&
            f.lastModified().toUTC() < limite)
            QFile::remove(f.filePath());
}

QString Raison_Systeme(int numeroErreur, const QString& texteSysteme) {
    switch (numeroErreur) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("le disque est plein");
    case EFBIG:
        return QStringLiteral("la taille des fichiers est limitée");
    case EROFS:
        return QStringLiteral("le disque est en lecture seule");
    case EACCES:
    case EPERM:
        return QStringLiteral("l'accès au dossier est refusé");
    case EIO:
        return QStringLiteral("erreur de lecture ou d'écriture du disque");
    default:
        return texteSysteme;
    }
}

Sans_Signal_Taille::Sans_Signal_Taille() : avant_(std::signal(SIGXFSZ, SIG_IGN)) {}

Sans_Signal_Taille::~Sans_Signal_Taille() {
    if (avant_ != SIG_ERR)
        std::signal(SIGXFSZ, avant_);
}
