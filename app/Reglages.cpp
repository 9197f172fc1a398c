#include "Reglages.h"

#include "EcritureAtomique.h"
#include "FichierRegulier.h"
#include "Lignes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <sys/stat.h>

namespace {

constexpr qint64 PLAFOND = 64 * 1024; // two lines are expected
const QByteArray SECTION = "[General]";
const QByteArray COULEURS = "couleursAdaptees";
const QByteArray MOTS = "motsSansRetour";

/** Nothing, or a regular file: anything else at the name makes the settings unusable. */
bool absentOuRegulier(const QString& chemin) {
    struct stat etat {};
    return ::lstat(QFile::encodeName(chemin).constData(), &etat) != 0 || S_ISREG(etat.st_mode) ||
           (S_ISLNK(etat.st_mode) && Est_Fichier_Regulier(chemin));
}

bool utilisable(const QString& chemin) {
    return absentOuRegulier(chemin) && absentOuRegulier(chemin + QStringLiteral(".lock"));
}

/** The file's lines, without the two options: what the game does not own stays. */
QList<QByteArray> autresLignes(const QByteArray& octets, Reglages* lus) {
    QList<QByteArray> lignes;
    bool general = true; // keys before any section are QSettings' [General] ones
    Parcourir_Lignes(octets, [&](QByteArrayView vue) {
        const QByteArray ligne = vue.trimmed().toByteArray();
        if (ligne.startsWith('['))
            general = ligne == SECTION;
        const qsizetype egal = ligne.indexOf('=');
        const QByteArray cle = ligne.left(egal).trimmed();
        if (general && egal > 0 && (cle == COULEURS || cle == MOTS)) {
            const bool vrai = ligne.mid(egal + 1).trimmed() == "true";
            if (lus)
                (cle == COULEURS ? lus->couleursAdaptees : lus->motsSansRetour) = vrai;
        } else {
            lignes << vue.toByteArray();
        }
        return true;
    });
    return lignes;
}

} // namespace

QString Chemin_Reglages() {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(config).filePath(QStringLiteral("verlo/verlo.conf"));
}

Reglages Lire_Reglages(const QString& chemin) {
    Reglages r;
    if (chemin.isEmpty() || !utilisable(chemin))
        return r;
    if (const auto octets = Lire_Fichier_Regulier(chemin, PLAFOND))
        autresLignes(*octets, &r);
    return r;
}

void Ecrire_Reglages(const QString& chemin, const Reglages& r) {
    if (chemin.isEmpty() || !utilisable(chemin))
        return;
    QList<QByteArray> lignes =
        autresLignes(Lire_Fichier_Regulier(chemin, PLAFOND).value_or(""), nullptr);
    qsizetype section = lignes.indexOf(SECTION);
    if (section < 0) {
        lignes.prepend(SECTION);
        section = 0;
    }
    const auto texte = [](bool b) {
        return b ? QByteArray("true") : QByteArray("false");
    };
    lignes.insert(section + 1, COULEURS + '=' + texte(r.couleursAdaptees));
    lignes.insert(section + 2, MOTS + '=' + texte(r.motsSansRetour));
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    Ecrire_Fichier_Atomique(chemin, lignes.join('\n') + '\n');
}
