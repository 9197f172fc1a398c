#include "SonPlateforme.h"

#include <QApplication>

void SonPlateforme::jouer(const QString&, ModeSon) {
    // The effects are not shipped yet: a missing sound is silence, as the game expects.
}

void SonPlateforme::bip() {
    QApplication::beep();
}
