#pragma once
// The 8-bit code page of the word lists and the score file. Written out here
// rather than asked of ICU so that reading and writing behave the same on every
// machine, and so that a character the page cannot hold is known before writing.

#include <QByteArray>
#include <QString>
#include <optional>

namespace cp1252 {

/** One byte; the five unassigned bytes become U+FFFD. */
QChar caractere(char octet);

/** Every byte decodes: the five unassigned bytes become U+FFFD. */
QString decoder(const QByteArray& octets);

/** The byte for a character, or nothing when the page cannot hold it. */
std::optional<char> octet(QChar c);

/** Characters the page cannot hold are written as '?'. */
QByteArray encoder(const QString& texte);

} // namespace cp1252
