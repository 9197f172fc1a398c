#include "FichierScores.h"

#include "app/Cp1252.h"
#include "app/Lignes.h"
#include "app/Points.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace {

const QString GUILLEMET = QStringLiteral("\"");
const QString SEPARATEUR = QStringLiteral("\",\"");

struct Fiche {
    qsizetype rang = 0; // line order in the file: the table keeps it
    double valeur = 0;
    QString nom;
    QString points;
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
    f.nom = ligne.mid(1, sep - 1);
    f.points = ligne.mid(sep + 3, n - 1 - (sep + 3));
    f.valeur = Valeur_Points(f.points);
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

/** The usual causes said in French; any other in the system's own words. */
QString raisonEchec(const QString& chemin, const QSaveFile& fichier) {
    const QFileInfo cible(chemin);
    if (cible.isDir())
        return QStringLiteral("un dossier porte ce nom");
    if (!QFileInfo(cible.absolutePath()).isDir())
        return QStringLiteral("le dossier n'existe pas");
    if (fichier.error() == QFileDevice::ResourceError)
        return QStringLiteral("le disque est plein");
    return fichier.errorString();
}

QString messageEchec(const QString& chemin, const QString& raison) {
    return QStringLiteral("Impossible d'enregistrer le tableau des scores dans « %1 » : %2")
        .arg(QDir::toNativeSeparators(chemin), raison);
}

} // namespace

bool Caractere_Nom_Accepte(QChar c) {
    if (c == QLatin1Char('"') || c.category() == QChar::Other_Control)
        return false;
    return cp1252::octet(c).has_value();
}

void Charger_Scores(EtatJeu& e, const QString& chemin) {
    e.Tab_Scores.fill(QString());
    e.Nb_Scores = 0;

    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return;
    const QByteArray octets = fichier.readAll();
    fichier.close();

    // Cut into lines before decoding: every line end is a single byte in the code page, and
    // a huge file is never held twice over as text.
    std::vector<Fiche> retenues;
    qsizetype rang = 0;
    for (const QByteArrayView ligne : Decouper_Lignes(octets)) {
        if (ligne.isEmpty())
            continue;
        if (auto f = lireFiche(cp1252::decoder(ligne.toByteArray()))) {
            f->rang = rang++;
            retenir(retenues, std::move(*f));
        }
    }

    std::sort(retenues.begin(), retenues.end(),
              [](const Fiche& a, const Fiche& b) { return a.rang < b.rang; });
    int r = 0;
    for (const Fiche& f : retenues) {
        ++r;
        e.Tab_Scores(r, 1) = f.nom;
        e.Tab_Scores(r, 2) = f.points;
    }
    e.Nb_Scores = static_cast<std::int16_t>(r);
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

    // Written beside the old file and renamed over it only once complete: a crash or a full
    // disk leaves the previous table whole.
    QSaveFile fichier(chemin);
    bool reussi = fichier.open(QIODevice::WriteOnly);
    if (reussi)
        reussi = fichier.write(contenu) == contenu.size();
    if (reussi)
        reussi = fichier.commit();
    if (!reussi) {
        // Not committed: the temporary file goes with the QSaveFile, the old one stays.
        if (erreur)
            *erreur = messageEchec(chemin, raisonEchec(chemin, fichier));
    }
    return reussi;
}
