#pragma once

#include "app/Services.h"

/** The program's sound output: the platform beep; the effects play through Qt Multimedia. */
class SonPlateforme final : public ISon {
public:
    void jouer(const QString& fichier, ModeSon mode) override;
    void bip() override;
};
