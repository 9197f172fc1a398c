#include "ListesMots.h"

#include "Cp1252.h"
#include "FichierRegulier.h"
#include "Lignes.h"
#include "Pliage.h"

#include <algorithm>
#include <optional>

namespace {

/** The word a line gives, or nothing when it is not five letters once raised and folded. */
std::optional<Texte5> motJouable(QByteArrayView ligne, bool utf8) {
    // Five characters take at most 20 bytes in UTF-8; only they are decoded.
    const QString debut =
        utf8 ? QString::fromUtf8(ligne.first(std::min<qsizetype>(ligne.size(), 20)))
             : cp1252::decoder(ligne.first(std::min<qsizetype>(ligne.size(), 5)).toByteArray());
    const QString mot = plierMajuscules(debut.left(5));
    if (mot.size() != 5)
        return std::nullopt;
    for (const QChar c : mot)
        if (c < u'A' || c > u'Z')
            return std::nullopt;
    return Texte5(mot);
}

} // namespace

QString nomListe(int n) {
    return QStringLiteral("5L-%1.txt").arg(n);
}

std::vector<Texte5> lireListe(const QByteArray& octets) {
    // Bytes outside ASCII that are valid UTF-8 are next to never meant as Windows-1252: a
    // list saved by a current editor reads right, and so does one from an older system.
    // The mark some editors put first says nothing of what follows: an old list saved with
    // it may still be Windows-1252.
    const QByteArrayView texte = Sans_Marque_Ordre(octets);
    const bool utf8 = texte.isValidUtf8();
    std::vector<Texte5> mots;
    mots.reserve(MOTS_PAR_LISTE);
    Parcourir_Lignes(texte, [&](QByteArrayView ligne) {
        if (auto mot = motJouable(ligne, utf8))
            mots.push_back(*mot);
        return mots.size() < static_cast<std::size_t>(MOTS_PAR_LISTE);
    });
    return mots;
}

bool Charger_Liste(EtatJeu& e, int n, const QString& chemin) {
    e.Nb_Mots(n) = 0;
    // A word list is a few kilobytes; the cap keeps a wrong file from filling memory.
    const auto octets = Lire_Fichier_Regulier(chemin, qint64{16} << 20);
    if (!octets)
        return false;
    const auto mots = lireListe(*octets);
    for (std::size_t k = 0; k < mots.size(); ++k)
        e.Liste_Mots(n, static_cast<int>(k) + 1) = mots[k];
    e.Nb_Mots(n) = static_cast<std::int16_t>(mots.size());
    return !mots.empty();
}
