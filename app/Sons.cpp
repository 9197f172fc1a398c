#include "Sons.h"

void Applaudir(ISon& son) {
    son.jouer(QStringLiteral("applaudi.wav"), ModeSon::Attente);
}

void Jouer_Effet(const EtatJeu& e, ISon& son, Effet effet) {
    if (!e.Son_Actif)
        return;
    switch (effet) {
    case Effet::Applaudissements:
        Applaudir(son);
        break;
    case Effet::Fanfare:
        // The score table opens while it plays.
        son.jouer(QStringLiteral("fanfare.wav"), ModeSon::Asynchrone);
        break;
    case Effet::Mouton:
        son.jouer(QStringLiteral("mouton.wav"), ModeSon::Attente);
        break;
    }
}
