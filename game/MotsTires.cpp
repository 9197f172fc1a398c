#include "MotsTires.h"

#include "app/EcritureAtomique.h"
#include "app/FichierRegulier.h"
#include "app/Lignes.h"

#include <QSet>
#include <algorithm>
#include <cmath>

namespace {

// The first line says what the file is: anything else is not read as a memory of draws.
const QByteArray ENTETE = "VERLO-MOTS 1";
// Three lists of 1,400 words at most, nine bytes a line.
constexpr qint64 PLAFOND = 64 * 1024;

} // namespace

MotsTires::MotsTires(QString chemin) : chemin_(std::move(chemin)) {}

void MotsTires::lire() {
    if (chemin_.isEmpty())
        return;
    const auto octets = Lire_Fichier_Regulier(chemin_, PLAFOND);
    // Missing, unreadable, not a regular file, or unchanged since this copy last read or wrote
    // it (a file it cannot write stays behind the round in memory): the rounds in memory go on.
    if (!octets || *octets == vu_)
        return;
    vu_ = *octets;
    std::array<QStringList, 4> lus;
    bool entete = false;
    Parcourir_Lignes(*octets, [&](QByteArrayView ligne) {
        if (!entete) {
            entete = ligne == ENTETE;
            return entete;
        }
        const QList<QByteArray> champs = ligne.toByteArray().split(' ');
        const int niveau = champs.value(0).toInt();
        if (champs.size() == 2 && niveau >= 1 && niveau <= 3 && champs[1].size() == 5)
            lus[static_cast<std::size_t>(niveau)] << QString::fromLatin1(champs[1]);
        return true;
    });
    if (entete)
        tires_ = lus;
}

void MotsTires::ecrire() {
    if (chemin_.isEmpty())
        return;
    QByteArray texte = ENTETE + '\n';
    for (int niveau = 1; niveau <= 3; ++niveau)
        for (const QString& mot : tires_[static_cast<std::size_t>(niveau)])
            texte += QByteArray::number(niveau) + ' ' + mot.toLatin1() + '\n';
    if (!Ecrire_Fichier_Atomique(chemin_, texte)) // a failure leaves the rounds in memory
        vu_ = texte;
}

int MotsTires::tirer(const EtatJeu& e, int niveau, double r) {
    lire();
    const int n = e.Nb_Mots(niveau);
    QStringList& tires = tires_[static_cast<std::size_t>(niveau)];
    const QSet<QString> deja(tires.cbegin(), tires.cend());
    QList<int> restants; // positions in the list of the words not drawn in this round
    for (int k = 1; k <= n; ++k)
        if (!deja.contains(e.Liste_Mots(niveau, k).texte()))
            restants << k;
    if (restants.isEmpty()) { // a new round, but not with the word just drawn
        const QString dernier = tires.value(tires.size() - 1);
        tires.clear();
        for (int k = 1; k <= n; ++k)
            if (n == 1 || e.Liste_Mots(niveau, k).texte() != dernier)
                restants << k;
    }
    if (restants.isEmpty())
        return 1; // an empty list: the draw has nothing to give
    const auto i = std::clamp(static_cast<qsizetype>(std::floor(r * restants.size())), qsizetype{0},
                              restants.size() - 1);
    const int k = restants[i];
    tires << e.Liste_Mots(niveau, k).texte();
    ecrire();
    return k;
}
