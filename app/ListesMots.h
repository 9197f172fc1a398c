#pragma once
// The three lists from which hidden words are drawn: list n serves level n.

#include "EtatJeu.h"

#include <QByteArray>
#include <QString>
#include <vector>

/** File name of list n (1..3), without folder. */
QString nomListe(int n);

/**
 * The words of one list file: one per line (CR LF or LF), blank lines included,
 * each cut or blank-padded to five characters, accented capitals folded, at
 * most MOTS_PAR_LISTE words (the rest of a longer file is ignored).
 */
std::vector<Texte5> lireListe(const QByteArray& octets);

/**
 * Loads list n from a file into Liste_Mots and Nb_Mots. False when the file
 * cannot be read or holds no word; the list is then left empty.
 */
bool Charger_Liste(EtatJeu& e, int n, const QString& chemin);
