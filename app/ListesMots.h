#pragma once
// The three lists from which hidden words are drawn: list n serves level n.

#include "EtatJeu.h"

#include <QByteArray>
#include <QString>
#include <vector>

/** File name of list n (1..3), without folder. */
QString nomListe(int n);

/**
 * The playable words of one list file: one per line (CR LF, LF or CR), read as UTF-8 when the
 * bytes are valid UTF-8 and as Windows-1252 otherwise. Each line's first five characters,
 * raised to capitals with accents folded, make a word when they are five letters A to Z;
 * any other line is skipped. At most MOTS_PAR_LISTE words (the rest is ignored).
 */
std::vector<Texte5> lireListe(const QByteArray& octets);

/**
 * Loads list n from a file into Liste_Mots and Nb_Mots. False when the file cannot be
 * read, is not a regular file or holds no playable word; the list is then left empty.
 */
bool Charger_Liste(EtatJeu& e, int n, const QString& chemin);
