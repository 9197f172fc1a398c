// The bonus card: deal, draws, covering and lines.

#include "bonus/Carte.h"

#include <QtTest>

#include <cmath>

namespace {

// The generator and the clock a test drives. The draws step by `pas` round [0, 1) from
// `depart`: constant when `pas` is 0, evenly spread otherwise. Every call is noted.
struct Banc final : IHasard, IHorloge {
    explicit Banc(double depart, double p = 0) : r(depart), pas(p) {}
    void reensemencer(double h) override { journal += " graine " + QString::number(h); }
    double suivant() override {
        journal += " tirage";
        return r = std::fmod(r + pas, 1.0);
    }
    double heureDuJour() const override { return heure; }
    std::int64_t monotoneMs() const override { return 0; }
    double r, pas, heure = 0.5;
    QString journal;
};

EtatJeu etatDonne(int p, Banc& banc) {
    EtatJeu e;
    Remplir_Alignements(e);
    Nouvelle_Grille(e, p, banc, banc);
    return e;
}

// Cell m (0..4) of line l (1..12) as drawn on the board: rows, columns, then the rising and
// the falling diagonal.
int caseDe(int l, int m) {
    return l <= 5 ? 5 * l - 4 + m : l <= 10 ? 5 * m + l - 5 : l == 11 ? 4 * m + 5 : 6 * m + 1;
}

} // namespace

class TestCarte : public QObject {
    Q_OBJECT

private slots:
    // Catches, in any slot, a grid differing from its saved copy, a ball drawn twice or missing
    // from the grid (the draw then throws), a drawn cell already covered, a bag not listing
    // the draws in order, or an empty bag not seen as such or drawn from.
    void partieComplete() {
        for (int p = 0; p <= 2; ++p) {
            Banc banc(0.1 * p, 0.618034);
            EtatJeu e = etatDonne(p, banc);
            for (int n = 1; !Sac_Vide(e, p); ++n) {
                const int c = Tirer_Boule(e, p, banc, banc);
                QCOMPARE(e.Grille_J(p, c), e.Grille_Origine(p, c)); // as dealt, not covered yet
                QCOMPARE(e.Sac(p, n), e.Grille_J(p, c));
                Placer_Boule(e, p);
            }
            QVERIFY_THROWS_EXCEPTION(std::logic_error, Tirer_Boule(e, p, banc, banc));
        }
    }

    // Catches an off-by-one in the position formula at either end of [0, 1), a bag not dealt
    // as 1..25 or not drawn from at Debut_Sac, a deal or draw not reseeded first with the
    // clock's time, or a ball completing row 1 and column 1 not reported as row 1.
    void auxBornes() {
        Banc zero(0), haut(std::nextafter(1.0, 0.0));
        EtatJeu a = etatDonne(1, zero), b = etatDonne(1, haut);
        for (int c = 1; c <= 25; ++c)
            QCOMPARE(a.Grille_J(1, c), c);
        zero.heure = 4321.75;
        for (int n = 1; n <= 25; ++n) // b holds 25, 1, 2, ..., 24: ball n is in cell n + 1
            QCOMPARE(Tirer_Boule(b, 1, zero, zero), n % 25 + 1);
        for (const int c : {2, 3, 4, 5, 6, 11, 16, 21})
            a.Grille_J(1, c) = BOULE_COUVERTE;
        QCOMPARE(Tirer_Boule(a, 1, zero, zero), 1);
        Placer_Boule(a, 1);
        QCOMPARE(Ligne_Complete(a, 1), 1);
        QCOMPARE(zero.journal, " graine 0.5" + QString(" tirage").repeated(25) +
                                   QString(" graine 4321.75 tirage").repeated(26));
    }

    // Catches a line string with a wrong or repeated cell, a line found with a cell still
    // uncovered or missed once complete, or not the first one reported when several complete.
    void lignesCompletes() {
        Banc zero(0);
        EtatJeu grille = etatDonne(0, zero); // cell c holds ball c
        for (int l = 1; l <= 12; ++l)
            for (int trou = 0; trou < 5; ++trou) {
                EtatJeu e = grille;
                for (int m = 1; m <= 5; ++m) { // the hole last
                    e.Grille_J(0, caseDe(l, (trou + m) % 5)) = BOULE_COUVERTE;
                    QCOMPARE(Ligne_Complete(e, 0), m == 5 ? l : 0);
                }
            }
        for (int c = 1; c <= 25; ++c) // a hole in every line
            grille.Grille_J(0, c) = QList{2, 6, 13, 20, 24}.contains(c) ? c : BOULE_COUVERTE;
        QCOMPARE(Ligne_Complete(grille, 0), 0);
        for (const int trou : {24, 20, 13, 6, 2}) { // each completes its row, and more
            grille.Grille_J(0, trou) = BOULE_COUVERTE;
            QCOMPARE(Ligne_Complete(grille, 0), (trou + 4) / 5);
        }
    }
};

QTEST_GUILESS_MAIN(TestCarte)
#include "tst_carte.moc"
