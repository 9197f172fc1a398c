#include "Pliage.h"

QChar plierMajuscule(QChar c) {
    const QChar haut = c.toUpper(); // single-character mapping: ß stays ß
    switch (haut.unicode()) {
    case u'À':
    case u'Á':
    case u'Â':
    case u'Ã':
    case u'Ä':
    case u'Å':
        return u'A';
    case u'Ç':
        return u'C';
    case u'È':
    case u'É':
    case u'Ê':
    case u'Ë':
        return u'E';
    case u'Ì':
    case u'Í':
    case u'Î':
    case u'Ï':
        return u'I';
    case u'Ñ':
        return u'N';
    case u'Ò':
    case u'Ó':
    case u'Ô':
    case u'Õ':
    case u'Ö':
        return u'O';
    case u'Ù':
    case u'Ú':
    case u'Û':
    case u'Ü':
        return u'U';
    case u'Ý':
    case u'Ÿ':
        return u'Y';
    default:
        return haut;
    }
}

QString plierMajuscules(const QString& texte) {
    QString s;
    s.reserve(texte.size());
    for (const QChar c : texte)
        s.append(plierMajuscule(c));
    return s;
}
