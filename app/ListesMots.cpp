#include "ListesMots.h"

#include "Cp1252.h"
#include "Lignes.h"
#include "Pliage.h"

#include <QFile>
#include <algorithm>

QString nomListe(int n) {
    return QStringLiteral("5L-%1.txt").arg(n);
}

std::vector<Texte5> lireListe(const QByteArray& octets) {
    std::vector<Texte5> mots;
    mots.reserve(MOTS_PAR_LISTE);
    for (const QByteArrayView ligne : Decouper_Lignes(octets, MOTS_PAR_LISTE)) {
        QString mot(5, QLatin1Char(' '));
        for (qsizetype i = 0; i < std::min<qsizetype>(ligne.size(), 5); ++i) {
            const QChar c = cp1252::caractere(ligne[i]);
            // Only capitals fold: a word kept in lower case stays as it is.
            mot[i] = c.isUpper() ? plierMajuscule(c) : c;
        }
        mots.emplace_back(mot);
    }
    return mots;
}

bool Charger_Liste(EtatJeu& e, int n, const QString& chemin) {
    e.Nb_Mots(n) = 0;
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return false;
    // A word list is a few kilobytes; the cap keeps a wrong file from filling memory.
    const QByteArray octets = fichier.read(qint64{16} << 20);
    if (fichier.error() != QFileDevice::NoError)
        return false;
    const auto mots = lireListe(octets);
    for (std::size_t k = 0; k < mots.size(); ++k)
        e.Liste_Mots(n, static_cast<int>(k) + 1) = mots[k];
    e.Nb_Mots(n) = static_cast<std::int16_t>(mots.size());
    return !mots.empty();
}
