#include "ListesMots.h"

#include "Cp1252.h"
#include "Pliage.h"

#include <QFile>

QString nomListe(int n) {
    return QStringLiteral("5L-%1.txt").arg(n);
}

namespace {

// Only capitals are folded: the lists are meant to hold capitals, and a word
// kept in lower case must stay unplayable rather than silently change.
QString plierCapitales(const QString& ligne) {
    QString s = ligne;
    for (QChar& c : s)
        if (c.isUpper())
            c = plierMajuscule(c);
    return s;
}

} // namespace

std::vector<Texte5> lireListe(const QByteArray& octets) {
    std::vector<Texte5> mots;
    qsizetype debut = 0;
    while (debut < octets.size() && mots.size() < MOTS_PAR_LISTE) {
        qsizetype fin = octets.indexOf('\n', debut);
        if (fin < 0)
            fin = octets.size();
        QByteArray ligne = octets.mid(debut, fin - debut);
        if (ligne.endsWith('\r'))
            ligne.chop(1);
        mots.emplace_back(plierCapitales(cp1252::decoder(ligne.left(5))));
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
