#include "Points.h"

QString Points_En_Texte(int points) {
    const QString chiffres = QString::number(points);
    return points >= 0 ? QLatin1Char(' ') + chiffres : chiffres;
}

double Valeur_Points(const QString& texte) {
    qsizetype i = 0;
    const qsizetype n = texte.size();
    while (i < n && texte[i] == QLatin1Char(' '))
        ++i;
    const bool negatif = i < n && texte[i] == QLatin1Char('-');
    if (negatif)
        ++i;
    // A double rather than an int: a hand-edited file may hold any number of digits,
    // and the reading must still rank it instead of overflowing.
    double valeur = 0;
    for (; i < n; ++i) {
        const char16_t u = texte[i].unicode();
        if (u < u'0' || u > u'9')
            break;
        valeur = valeur * 10 + (u - u'0');
    }
    return negatif && valeur != 0 ? -valeur : valeur;
}
