#include "Lignes.h"

std::vector<QByteArrayView> Decouper_Lignes(QByteArrayView octets, qsizetype plafond) {
    std::vector<QByteArrayView> lignes;
    qsizetype debut = 0;
    while (debut < octets.size() &&
           (plafond < 0 || static_cast<qsizetype>(lignes.size()) < plafond)) {
        qsizetype fin = octets.indexOf('\n', debut);
        if (fin < 0)
            fin = octets.size();
        qsizetype longueur = fin - debut;
        if (longueur > 0 && octets[debut + longueur - 1] == '\r')
            --longueur;
        lignes.push_back(octets.sliced(debut, longueur));
        debut = fin + 1;
    }
    return lignes;
}
