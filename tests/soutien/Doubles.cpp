#include "Doubles.h"

#include <algorithm>
#include <cmath>

void SonEnregistreur::jouer(const QString& fichier, ModeSon mode) {
    ++comptes[fichier];
    if (journal)
        joues << fichier + (mode == ModeSon::Attente ? QStringLiteral(":attente")
                                                     : QStringLiteral(":async"));
    if (pendantJouer)
        pendantJouer();
}

std::int64_t HorlogeReglable::sommeil(std::int64_t reste) {
    if (figee)
        return std::min<std::int64_t>(reste, 5);
    attentes.push_back(reste);
    if (pendantAttente)
        pendantAttente(reste);
    avancer(reste);
    return 0;
}

void HorlogeReglable::avancer(std::int64_t deltaMs) {
    ms += deltaMs;
    heure += static_cast<double>(deltaMs) / 1000.0;
}

void HasardScripte::reensemencer(double heure) {
    graines.push_back(heure);
    journal += QStringLiteral(" graine ") + QString::number(heure);
}

double HasardScripte::suivant() {
    journal += QStringLiteral(" tirage");
    if (!valeurs.empty()) {
        dernier_ = valeurs.front();
        valeurs.pop_front();
    } else {
        dernier_ = std::fmod(dernier_ + pas, 1.0);
    }
    return dernier_;
}
