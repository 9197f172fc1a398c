#pragma once
// The game's text files (word lists, score table) end their lines with CR LF as written,
// with LF alone once they have passed through another system, or with CR alone from an
// old Mac editor; an editor may also put a UTF-8 byte-order mark first, whatever encoding
// follows. All read alike.

#include <QByteArrayView>

/** The bytes without the UTF-8 byte-order mark some editors put first. */
inline QByteArrayView Sans_Marque_Ordre(QByteArrayView octets) {
    return octets.startsWith("\xEF\xBB\xBF") ? octets.sliced(3) : octets;
}

/**
 * Hands each line of a file's bytes, without its line end, to `chaqueLigne`, in order,
 * until it returns false. CR LF, LF and a lone CR each end a line; a final line end opens
 * no extra empty line. A leading byte-order mark is not part of the first line. Lines are
 * looked at one by one, so a file of millions of empty lines costs no memory.
 */
template <typename Visiteur> void Parcourir_Lignes(QByteArrayView octets, Visiteur&& chaqueLigne) {
    octets = Sans_Marque_Ordre(octets);
    const qsizetype n = octets.size();
    qsizetype debut = 0;
    while (debut < n) {
        qsizetype fin = debut;
        while (fin < n && octets[fin] != '\n' && octets[fin] != '\r')
            ++fin;
        if (!chaqueLigne(octets.sliced(debut, fin - debut)))
            return;
        debut = fin + 1;
        if (fin + 1 < n && octets[fin] == '\r' && octets[fin + 1] == '\n')
            ++debut; // CR LF is one line end
    }
}
