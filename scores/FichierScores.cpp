#include "FichierScores.h"

#include "app/Cp1252.h"
#include "app/FichierRegulier.h"
#include "app/Lignes.h"
#include "app/Points.h"

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <optional>
#include <utility>

#include <unistd.h>

namespace {

const QString GUILLEMET = QStringLiteral("\"");
const QString SEPARATEUR = QStringLiteral("\",\"");

// The table is under a kilobyte: a megabyte leaves room for a hand-edited file and keeps a
// link to a huge file or to a device from filling memory.
constexpr qint64 PLAFOND_LECTURE = qint64{1} << 20;

struct Fiche {
    qsizetype rang = 0; // line order in the file: the table keeps it
    double valeur = 0;
    Fiche_Score score;
};

std::optional<Fiche> lireFiche(const QString& ligne) {
    const qsizetype n = ligne.size();
    // The shortest record, `"",""`, has five characters.
    if (n < 5 || !ligne.startsWith(GUILLEMET) || !ligne.endsWith(GUILLEMET))
        return std::nullopt;
    // The last separator, lying wholly between the opening and the closing quote: the
    // points never hold one, a name read from a hand-edited file might.
    const qsizetype sep = ligne.lastIndexOf(SEPARATEUR, n - 4);
    if (sep < 1)
        return std::nullopt;
    Fiche f;
    f.score.nom = ligne.mid(1, sep - 1);
    f.score.points = ligne.mid(sep + 3, n - 1 - (sep + 3));
    f.valeur = Valeur_Points(f.score.points);
    return f;
}

/** Keeps the twelve best seen so far: a later record must do strictly better to get in. */
void retenir(std::vector<Fiche>& retenues, Fiche f) {
    if (retenues.size() < static_cast<std::size_t>(LIGNES_SCORES)) {
        retenues.push_back(std::move(f));
        return;
    }
    // The weakest, and of equally weak ones the latest in the file.
    auto pire = retenues.begin();
    for (auto it = retenues.begin(); it != retenues.end(); ++it)
        if (it->valeur < pire->valeur || (it->valeur == pire->valeur && it->rang > pire->rang))
            pire = it;
    if (f.valeur > pire->valeur)
        *pire = std::move(f);
}

/** Why the table could not be written, the usual causes in French. */
QString raisonEchec(const QString& chemin, const QSaveFile& fichier, int numeroErreur) {
    const QFileInfo cible(chemin);
    if (cible.isDir())
        return QStringLiteral("un dossier porte ce nom");
    if (!QFileInfo(cible.absolutePath()).isDir())
        return QStringLiteral("le dossier n'existe pas");
    if (fichier.error() == QFileDevice::ResourceError)
        numeroErreur = ENOSPC;
    return Raison_Systeme(numeroErreur, fichier.errorString());
}

/** Every byte on the disk, or false: errors of the disk show here, not after the rename. */
bool versLeDisque(QSaveFile& fichier) {
    if (!fichier.flush())
        return false;
    return ::fsync(fichier.handle()) == 0 || errno == EINVAL; // EINVAL: cannot be synced
}

} // namespace

bool Caractere_Nom_Accepte(QChar c) {
    if (c == QLatin1Char('"') || c.category() == QChar::Other_Control)
        return false;
    return cp1252::octet(c).has_value();
}

std::optional<std::vector<Fiche_Score>> Lire_Scores(const QString& chemin) {
    const auto octets = Lire_Fichier_Regulier(chemin, PLAFOND_LECTURE);
    if (!octets)
        return std::nullopt;
    // Cut into lines before decoding: every line end is a single byte in the code page.
    std::vector<Fiche> retenues;
    qsizetype rang = 0;
    Parcourir_Lignes(*octets, [&](QByteArrayView ligne) {
        if (!ligne.isEmpty())
            if (auto f = lireFiche(cp1252::decoder(ligne.toByteArray()))) {
                f->rang = rang++;
                retenir(retenues, std::move(*f));
            }
        return true;
    });
    std::sort(retenues.begin(), retenues.end(),
              [](const Fiche& a, const Fiche& b) { return a.rang < b.rang; });
    std::vector<Fiche_Score> scores;
    for (Fiche& f : retenues)
        scores.push_back(std::move(f.score));
    return scores;
}

void Charger_Scores(EtatJeu& e, const QString& chemin) {
    e.Tab_Scores.fill(QString());
    int r = 0;
    for (const Fiche_Score& f : Lire_Scores(chemin).value_or(std::vector<Fiche_Score>{})) {
        ++r;
        e.Tab_Scores(r, 1) = f.nom;
        e.Tab_Scores(r, 2) = f.points;
    }
    e.Nb_Scores = static_cast<std::int16_t>(r);
}

QString Message_Echec_Scores(const QString& chemin, const QString& raison) {
    return QStringLiteral("Impossible d'enregistrer le tableau des scores dans « %1 » : %2")
        .arg(QDir::toNativeSeparators(chemin), raison);
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

bool Enregistrer_Scores(const EtatJeu& e, const QString& chemin, QString* erreur) {
    QByteArray contenu;
    for (int r = 1; r <= LIGNES_SCORES; ++r) {
        if (Valeur_Points(e.Tab_Scores(r, 2)) <= 0)
            continue;
        contenu += cp1252::encoder(GUILLEMET + e.Tab_Scores(r, 1) + SEPARATEUR +
                                   e.Tab_Scores(r, 2) + GUILLEMET);
        contenu += "\r\n";
    }

    const auto echec = [&](const QString& raison) {
        if (erreur)
            *erreur = Message_Echec_Scores(chemin, raison);
        return false;
    };
    // The save would replace the link's target, or create it for a dangling link: a name
    // in the game's folder must not lead the game to write elsewhere.
    if (QFileInfo(chemin).isSymLink())
        return echec(QStringLiteral("ce nom est un lien symbolique, au travers duquel le jeu "
                                    "n'écrit pas"));

    const Sans_Signal_Taille sansSignal;
    // Written beside the old file and renamed over it only once complete and on the disk:
    // a crash, a full disk or a size limit leaves the previous table whole. Qt 6.4's
    // commit() ignores a failure of its own last flush, hence the explicit one.
    QSaveFile fichier(chemin);
    errno = 0;
    if (fichier.open(QIODevice::WriteOnly) && fichier.write(contenu) == contenu.size() &&
        versLeDisque(fichier)) {
        errno = 0;
        if (fichier.commit())
            return true;
        return echec(raisonEchec(chemin, fichier, errno));
    }
    const QString raison = raisonEchec(chemin, fichier, errno); // before cancelWriting()
    fichier.cancelWriting(); // the temporary file goes with the QSaveFile
    return echec(raison);
}

void Nettoyer_Temporaires_Scores(const QString& dossier) {
    static const QRegularExpression modele(QStringLiteral("^VERLO-SB\\.SCO\\.[A-Za-z0-9]{6}$"));
    const QDateTime limite = QDateTime::currentDateTimeUtc().addSecs(-60);
    const auto fichiers = QDir(dossier).entryInfoList(
        {QString::fromLatin1(NOM_FICHIER_SCORES) + QStringLiteral(".??????")},
        QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& f : fichiers)
        if (modele.match(f.fileName()).hasMatch() && f.isFile() && !f.isSymLink() &&
            f.lastModified().toUTC() < limite)
            QFile::remove(f.filePath());
}

Sans_Signal_Taille::Sans_Signal_Taille() : avant_(std::signal(SIGXFSZ, SIG_IGN)) {}

Sans_Signal_Taille::~Sans_Signal_Taille() {
    if (avant_ != SIG_ERR)
        std::signal(SIGXFSZ, avant_);
}
