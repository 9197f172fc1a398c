#pragma once
// The game's text files (word lists, score table) end their lines with CR LF as
// written, or LF alone once they have passed through another system: both read alike.

#include <QByteArrayView>
#include <vector>

/**
 * The lines of a file's bytes, without their line ends. A final line end opens no
 * extra empty line. At most `plafond` lines are cut (a negative value: no limit).
 */
std::vector<QByteArrayView> Decouper_Lignes(QByteArrayView octets, qsizetype plafond = -1);
