#pragma once
// Test doubles of the game's services: sounds and beeps recorded, a clock set by hand on which
// the game's waits pass at once, random values scripted.

#include "app/Services.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <deque>
#include <functional>

class SonEnregistreur final : public ISon {
public:
    void jouer(const QString& fichier, ModeSon mode) override {
        joues << fichier + (mode == ModeSon::Attente ? ":attente" : ":async");
        if (pendantJouer)
            pendantJouer();
    }
    void bip() override { ++bips; }
    void preparer() override { ++preparations; }

    QStringList joues; // each sound as "file:attente" or "file:async", in order
    long bips = 0;
    int preparations = 0;
    std::function<void()> pendantJouer; // while a sound plays
};

/** The game's waits pass at once: each is noted, and `pendantAttente` sees it before its time
 * passes (what the windows show during it). A frozen clock lets only real time pass. */
class HorlogeReglable final : public IHorloge {
public:
    double heureDuJour() const override { return heure; }
    std::int64_t monotoneMs() const override { return ms; }
    std::int64_t sommeil(std::int64_t reste) override {
        if (figee)
            return std::min<std::int64_t>(reste, 5);
        attentes.push_back(reste);
        if (pendantAttente)
            pendantAttente(reste);
        avancer(reste);
        return 0;
    }
    void avancer(std::int64_t deltaMs) {
        ms += deltaMs;
        heure += static_cast<double>(deltaMs) / 1000.0;
    }

    double heure = 36000.0;
    std::int64_t ms = 1'000'000;
    QList<qint64> attentes;
    std::function<void(std::int64_t)> pendantAttente;
    bool figee = false;
};

/** The scripted values in turn, then steps of `pas` round [0, 1) from the last one (the same
 * value again when `pas` is 0). Notes " graine H" and " tirage" in `journal`. */
class HasardScripte final : public IHasard {
public:
    void reensemencer(double heure) override { journal += " graine " + QString::number(heure); }
    double suivant() override {
        journal += " tirage";
        if (valeurs.empty())
            return dernier_ = std::fmod(dernier_ + pas, 1.0);
        dernier_ = valeurs.front();
        valeurs.pop_front();
        return dernier_;
    }

    std::deque<double> valeurs;
    double pas = 0.0;
    QString journal;

private:
    double dernier_ = 0.0;
};

struct ServicesDeTest {
    SonEnregistreur son;
    HorlogeReglable horloge;
    HasardScripte hasard;
    Services services() { return {son, horloge, hasard}; }
};
