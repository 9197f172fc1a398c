#pragma once
// Test doubles of the game's services: sounds and beeps recorded, a clock set
// by hand, random values scripted.

#include "app/EtatJeu.h"
#include "app/Services.h"
#include "bonus/Carte.h"
#include "scores/Classement.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <deque>
#include <functional>

class SonEnregistreur final : public ISon {
public:
    void jouer(const QString& fichier, ModeSon mode) override {
        joues << fichier + (mode == ModeSon::Attente ? QStringLiteral(":attente")
                                                     : QStringLiteral(":async"));
        pendantJouer ? pendantJouer() : void();
    }
    void bip() override { ++bips; }
    void preparer() override { ++preparations; }

    QStringList joues;
    int bips = 0;
    int preparations = 0;
    std::function<void()> pendantJouer; // while a sound plays
};

// The game's waits pass at once: each is noted, and `pendantAttente` sees it before its time
// passes (what the window shows during it).
class HorlogeReglable final : public IHorloge {
public:
    double heureDuJour() const override { return heure; }
    std::int64_t monotoneMs() const override { return ms; }
    std::int64_t sommeil(std::int64_t reste) override {
        if (figee) // time passes only when the test says: the wait sleeps for real
            return std::min<std::int64_t>(reste, 5);
        attentes.push_back(reste);
        if (pendantAttente)
            pendantAttente(reste);
        avancer(reste);
        return 0;
    }
    void avancer(std::int64_t deltaMs) {
        ms += deltaMs;
        heure += deltaMs / 1000.0;
    }

    double heure = 36000.0;
    std::int64_t ms = 1'000'000;
    QList<qint64> attentes;
    std::function<void(std::int64_t)> pendantAttente;
    bool figee = false;
};

// Gives the scripted values in turn, then 0; records each reseed.
class HasardScripte final : public IHasard {
public:
    void reensemencer(double heure) override { graines.push_back(heure); }
    double suivant() override {
        double v = 0.0;
        if (!valeurs.empty())
            v = valeurs.front(), valeurs.pop_front();
        return v;
    }

    std::deque<double> valeurs;
    std::vector<double> graines;
};

struct ServicesDeTest {
    SonEnregistreur son;
    HorlogeReglable horloge;
    HasardScripte hasard;
    Services services() { return {son, horloge, hasard}; }
};

// The state as start-up leaves it, with stored rows given as name, points, name, points...
// and a finished game of these players' scores, ranked.
inline void preparerEtat(EtatJeu& e, const QStringList& stockees = {},
                         const QList<int>& scores = {}) {
    e.Saut_Ligne = QStringLiteral("\r\n");
    e.Niveau = e.Joueur = 1;
    for (int i = 1; i <= LIGNES_SCORES; ++i)
        e.Texte_Rangs += QStringLiteral("%1  ").arg(i) + (i < LIGNES_SCORES ? e.Saut_Ligne : "");
    Remplir_Alignements(e);
    for (int i = 0; i < stockees.size(); ++i)
        e.Tab_Scores(i / 2 + 1, i % 2 + 1) = stockees[i];
    for (const int score : scores)
        e.Score_J(++e.Nb_Joueurs) = static_cast<std::int16_t>(score);
    if (!scores.isEmpty())
        Classer_Partie(e);
}

// A key as X11 delivers it: with the server's timestamp, flagged as a repeat only if asked.
inline void touche(QWidget* w, QEvent::Type type, int cle, quint64 instant, bool repetee = false) {
    QKeyEvent ev(type, cle, Qt::NoModifier, cle == Qt::Key_Return ? "\r" : QString(), repetee);
    ev.setTimestamp(instant);
    QCoreApplication::sendEvent(w, &ev);
}
