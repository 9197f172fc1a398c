#include "Cp1252.h"

#include <array>

namespace {

// 0x80..0x9F; 0 marks the five unassigned bytes.
constexpr std::array<char16_t, 32> plage80 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

} // namespace

namespace cp1252 {

QChar caractere(char octet) {
    const auto b = static_cast<unsigned char>(octet);
    if (b >= 0x80 && b < 0xA0) {
        const char16_t u = plage80[b - 0x80];
        return u ? QChar(u) : QChar(QChar::ReplacementCharacter);
    }
    return QChar(b);
}

QString decoder(const QByteArray& octets) {
    QString s;
    s.reserve(octets.size());
    for (const char o : octets)
        s.append(caractere(o));
    return s;
}

std::optional<char> octet(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    for (std::size_t i = 0; i < plage80.size(); ++i)
        if (plage80[i] != 0 && plage80[i] == u)
            return static_cast<char>(0x80 + i);
    return std::nullopt;
}

QByteArray encoder(const QString& texte) {
    QByteArray octets;
    octets.reserve(texte.size());
    for (const QChar c : texte)
        octets.append(octet(c).value_or('?'));
    return octets;
}

} // namespace cp1252
