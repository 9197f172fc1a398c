#include "ListesMots.h"

#include "Cp1252.h"
#include "Pliage.h"

#include <QFile>
#include <algorithm>

QString nomListe(int n) {
    return QStringLiteral("5L-%1.txt").arg(n);
}

std::vector<Texte5> lireListe(const QByteArray& octets) {
    std::vector<Texte5> mots;
    qsizetype debut = 0;
    mots.reserve(MOTS_PAR_LISTE);
    while (debut < octets.size() && mots.size() < MOTS_PAR_LISTE) {
        qsizetype fin = octets.indexOf('\n', debut);
        if (fin < 0)
            fin = octets.size();
        qsizetype longueur = fin - debut;
        if (longueur > 0 && octets[fin - 1] == '\r')
            --longueur;
        QString mot(5, QLatin1Char(' '));
        for (qsizetype i = 0; i < std::min<qsizetype>(longueur, 5); ++i) {
            const QChar c = cp1252::caractere(octets[debut + i]);
            // Only capitals fold: a word kept in lower case stays as it is.
            mot[i] = c.isUpper() ? plierMajuscule(c) : c;
        }
        mots.emplace_back(mot);
        debut = fin + 1;
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
