#pragma once
// The draw that does not give a hidden word again: per level, each word of the list once in
// a round, the rounds remembered from one run to the next in a small file of the game's. Used
// only while the player asks for it; otherwise the draw is independent and nothing is kept.

#include "app/EtatJeu.h"

#include <QString>
#include <QStringList>
#include <array>

inline constexpr auto NOM_FICHIER_MOTS = "VERLO-MOTS.DAT";

class MotsTires {
public:
    /** `chemin`: the memory file; empty keeps the rounds in memory only. */
    explicit MotsTires(QString chemin);

    /**
     * The position (1..Nb_Mots) in list `niveau` of the next hidden word, for a draw `r` in
     * [0, 1): uniformly among the words not yet drawn in this round. Once every word has been
     * drawn a new round starts, never with the word just drawn (unless the list holds one).
     * The file is read again first (another copy may have drawn meanwhile; words no longer in
     * the list are ignored) and written afterwards, whole or not at all; a file that cannot be
     * read or written only leaves the rounds in memory, never a message.
     */
    int tirer(const EtatJeu& e, int niveau, double r);

private:
    void lire();
    void ecrire();

    QString chemin_;
    std::array<QStringList, 4> tires_; // per level, the words of this round, in draw order
    QByteArray vu_;                    // the file as this copy last read or wrote it
};
