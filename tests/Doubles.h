#pragma once
// Test doubles of the game's services: sounds and beeps recorded, a clock set
// by hand, random values scripted.

#include "app/Services.h"

#include <QStringList>
#include <deque>
#include <functional>

class SonEnregistreur final : public ISon {
public:
    void jouer(const QString& fichier, ModeSon mode) override {
        joues << fichier + (mode == ModeSon::Attente ? QStringLiteral(":attente")
                                                     : QStringLiteral(":async"));
        pendantJouer();
    }
    void bip() override { ++bips; }
    void preparer() override { ++preparations; }

    QStringList joues;
    int bips = 0;
    int preparations = 0;
    std::function<void()> pendantJouer = [] {
    }; // while a sound plays
};

class HorlogeReglable final : public IHorloge {
public:
    double heureDuJour() const override { return heure; }
    std::int64_t monotoneMs() const override { return ms; }
    void avancer(std::int64_t deltaMs) {
        ms += deltaMs;
        heure += deltaMs / 1000.0;
    }

    double heure = 36000.0;
    std::int64_t ms = 1'000'000;
};

/** Gives the scripted values in turn, then `defaut`; records each reseed. */
class HasardScripte final : public IHasard {
public:
    void reensemencer(double heure) override { graines.push_back(heure); }
    double suivant() override {
        if (valeurs.empty())
            return defaut;
        const double v = valeurs.front();
        valeurs.pop_front();
        return v;
    }

    std::deque<double> valeurs;
    double defaut = 0.0;
    std::vector<double> graines;
};

struct ServicesDeTest {
    SonEnregistreur son;
    HorlogeReglable horloge;
    HasardScripte hasard;
    Services services() { return {son, horloge, hasard}; }
};
