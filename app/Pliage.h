#pragma once
// Capitals as the game compares them. The word lists hold unaccented capitals,
// so accented letters fold to their plain capital; one character always gives
// exactly one character (no ß -> SS), so a proposal never grows a sixth cell.

#include <QString>

QChar plierMajuscule(QChar c);
QString plierMajuscules(const QString& texte);
