#include "FichierScores.h"

#include "app/Cp1252.h"
#include "app/EcritureAtomique.h"
#include "app/FichierRegulier.h"
#include "app/Lignes.h"
#include "app/Points.h"

#include <QByteArray>
#include <QDir>
#include <algorithm>
#include <optional>
#include <utility>

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

bool Enregistrer_Scores(const EtatJeu& e, const QString& chemin, QString* erreur) {
    QByteArray contenu;
    for (int r = 1; r <= LIGNES_SCORES; ++r) {
        if (Valeur_Points(e.Tab_Scores(r, 2)) <= 0)
            continue;
        contenu += cp1252::encoder(GUILLEMET + e.Tab_Scores(r, 1) + SEPARATEUR +
                                   e.Tab_Scores(r, 2) + GUILLEMET);
        contenu += "\r\n";
    }

    if (const auto raison = Ecrire_Fichier_Atomique(chemin, contenu)) {
        if (erreur)
            *erreur = Message_Echec_Scores(chemin, *raison);
        return false;
    }
    return true;
}
