#pragma once
// The game's text files (word lists, score table) end their lines with CR LF as
// written, or LF alone once they have passed through another system: both read alike.

#include <QByteArrayView>

/**
 * Hands each line of a file's bytes, without its line end, to `chaqueLigne`, in order,
 * until it returns false. A final line end opens no extra empty line. Lines are looked
 * at one by one, so a file of millions of empty lines costs no memory.
 */
template <typename Visiteur> void Parcourir_Lignes(QByteArrayView octets, Visiteur&& chaqueLigne) {
    qsizetype debut = 0;
    while (debut < octets.size()) {
        qsizetype fin = octets.indexOf('\n', debut);
        if (fin < 0)
            fin = octets.size();
        qsizetype longueur = fin - debut;
        if (longueur > 0 && octets[debut + longueur - 1] == '\r')
            --longueur;
        if (!chaqueLigne(octets.sliced(debut, longueur)))
            return;
        debut = fin + 1;
    }
}
