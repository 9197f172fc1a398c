#include "bonus/Carte.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>
#include <set>
#include <vector>

namespace {

// Draws whatever the test scripts, and notes every call in order.
class HasardScripte final : public IHasard {
public:
    explicit HasardScripte(std::function<double()> source) : source_(std::move(source)) {}
    void reensemencer(double heure) override {
        journal.push_back("graine " + QString::number(heure, 'f', 2));
    }
    double suivant() override {
        journal.push_back("tirage");
        return source_();
    }
    QStringList journal;

private:
    std::function<double()> source_;
};

HasardScripte constant(double r) {
    return HasardScripte([r] { return r; });
}

// A reproducible uniform double in [0, 1), 53 bits.
HasardScripte graine(unsigned graineInitiale) {
    return HasardScripte([gen = std::mt19937_64(graineInitiale)]() mutable {
        return static_cast<double>(gen() >> 11) * 0x1.0p-53;
    });
}

class HorlogeFixe final : public IHorloge {
public:
    explicit HorlogeFixe(double h) : heure(h) {}
    double heureDuJour() const override { return heure; }
    std::int64_t monotoneMs() const override { return 0; }
    double heure;
};

const double presqueUn = std::nextafter(1.0, 0.0);

std::vector<int> grille(const EtatJeu& e, int p) {
    std::vector<int> v;
    for (int c = 1; c <= 25; ++c)
        v.push_back(e.Grille_J(p, c));
    return v;
}

std::vector<int> origine(const EtatJeu& e, int p) {
    std::vector<int> v;
    for (int c = 1; c <= 25; ++c)
        v.push_back(e.Grille_Origine(p, c));
    return v;
}

std::vector<int> sac(const EtatJeu& e, int p) {
    std::vector<int> v;
    for (int i = 1; i <= 25; ++i)
        v.push_back(e.Sac(p, i));
    return v;
}

std::vector<int> unAVingtCinq() {
    std::vector<int> v(25);
    for (int i = 0; i < 25; ++i)
        v[static_cast<std::size_t>(i)] = i + 1;
    return v;
}

bool permutation(std::vector<int> v) {
    std::sort(v.begin(), v.end());
    return v == unAVingtCinq();
}

void couvrir(EtatJeu& e, int p, int c) {
    e.Case_Tiree = static_cast<std::int16_t>(c);
    Placer_Boule(e, p);
}

// The twelve lines drawn on the 5x5 board, in the order the game numbers them.
std::vector<std::set<int>> lignesDuPlateau() {
    std::vector<std::set<int>> lignes;
    for (int r = 0; r < 5; ++r) {
        std::set<int> l;
        for (int col = 0; col < 5; ++col)
            l.insert(5 * r + col + 1);
        lignes.push_back(l);
    }
    for (int col = 0; col < 5; ++col) {
        std::set<int> l;
        for (int r = 0; r < 5; ++r)
            l.insert(5 * r + col + 1);
        lignes.push_back(l);
    }
    std::set<int> montante;
    std::set<int> descendante;
    for (int r = 0; r < 5; ++r) {
        montante.insert(5 * r + (4 - r) + 1);
        descendante.insert(5 * r + r + 1);
    }
    lignes.push_back(montante);
    lignes.push_back(descendante);
    return lignes;
}

EtatJeu etatDonne(int p, IHasard& hasard) {
    EtatJeu e;
    Remplir_Alignements(e);
    Nouvelle_Grille(e, p, hasard, HorlogeFixe(1000.0));
    return e;
}

} // namespace

class TestCarte : public QObject {
    Q_OBJECT

private slots:
    // Catches a line string with a wrong, repeated or misordered cell.
    void alignements();
    // Catches a deal that repeats or loses a ball, leaves the bag or its start unset,
    // or touches another slot.
    void donne();
    // Catches an off-by-one in the deal's position formula at both ends of [0, 1).
    void donneAuxBornes();
    // Catches a draw taking the wrong bag position or not swapping the drawn ball to the front.
    void tirageAuxBornes();
    // Catches a ball drawn twice or never, a drawn cell already covered, or a bag not left
    // in draw order.
    void partieComplete();
    // Catches draws or deals that skip reseeding, reseed after drawing or ignore the clock.
    void reensemencement();
    // Catches covering the wrong cell, or a covered cell changing when covered again.
    void couverture();
    // Catches a line found with a cell still uncovered, a line missed, or the wrong one
    // reported when a ball completes two.
    void lignesCompletes();
    // Catches a slot outside 0..2 being read or written instead of refused.
    void emplacements();
    // Catches a draw silently going wrong on a state it cannot work with.
    void etatsIncoherents();
};

void TestCarte::alignements() {
    EtatJeu e;
    Remplir_Alignements(e);
    const auto attendues = lignesDuPlateau();
    for (int l = 1; l <= 12; ++l) {
        const QString& texte = e.Alignements(l);
        QCOMPARE(texte.size(), 10);
        std::vector<int> cases;
        for (int m = 0; m < 5; ++m)
            cases.push_back(texte.mid(2 * m, 2).toInt());
        QVERIFY2(std::is_sorted(cases.begin(), cases.end()), qPrintable(texte));
        QCOMPARE(std::set<int>(cases.begin(), cases.end()),
                 attendues[static_cast<std::size_t>(l - 1)]);
    }
    QVERIFY(e.Alignements(0).isEmpty());
}

void TestCarte::donne() {
    for (unsigned g = 1; g <= 20; ++g) {
        for (int p = 0; p <= 2; ++p) {
            EtatJeu e;
            e.Grille_J.fill(7);
            e.Grille_Origine.fill(7);
            e.Sac.fill(7);
            e.Debut_Sac.fill(7);
            auto hasard = graine(g);
            Nouvelle_Grille(e, p, hasard, HorlogeFixe(1.0));
            QCOMPARE(grille(e, p), origine(e, p));
            QVERIFY(permutation(grille(e, p)));
            QCOMPARE(sac(e, p), unAVingtCinq());
            QCOMPARE(e.Debut_Sac(p), std::int16_t(1));
            for (int autre = 0; autre <= 2; ++autre) {
                if (autre == p)
                    continue;
                QCOMPARE(e.Debut_Sac(autre), std::int16_t(7));
                QCOMPARE(grille(e, autre), std::vector<int>(25, 7));
                QCOMPARE(sac(e, autre), std::vector<int>(25, 7));
            }
        }
    }
    // Two seeds must not deal the same grid (the generator is really used).
    auto h1 = graine(1);
    auto h2 = graine(2);
    QVERIFY(grille(etatDonne(1, h1), 1) != grille(etatDonne(1, h2), 1));
}

void TestCarte::donneAuxBornes() {
    auto zero = constant(0.0);
    QCOMPARE(grille(etatDonne(1, zero), 1), unAVingtCinq());

    auto haut = constant(presqueUn);
    std::vector<int> attendu{25};
    for (int i = 1; i <= 24; ++i)
        attendu.push_back(i);
    const EtatJeu e = etatDonne(2, haut);
    QCOMPARE(grille(e, 2), attendu);
    QCOMPARE(origine(e, 2), attendu);
}

void TestCarte::tirageAuxBornes() {
    auto melange = graine(5);
    EtatJeu e = etatDonne(1, melange);
    HorlogeFixe horloge(2.0);

    // R = 0: the ball at the front of the bag, and the bag keeps its order.
    auto zero = constant(0.0);
    for (int d = 1; d <= 3; ++d) {
        const int boule = e.Sac(1, d);
        const int c = Tirer_Boule(e, 1, zero, horloge);
        QCOMPARE(int(e.Grille_J(1, c)), boule);
        QCOMPARE(int(e.Case_Tiree), c);
        QCOMPARE(int(e.Debut_Sac(1)), d + 1);
        QCOMPARE(sac(e, 1), unAVingtCinq());
    }

    // R just below 1: the last ball of the bag, swapped with the front one.
    auto haut = constant(presqueUn);
    const int devant = e.Sac(1, 4);
    const int dernier = e.Sac(1, 25);
    const int c = Tirer_Boule(e, 1, haut, horloge);
    QCOMPARE(int(e.Grille_J(1, c)), dernier);
    QCOMPARE(int(e.Sac(1, 4)), dernier);
    QCOMPARE(int(e.Sac(1, 25)), devant);
    QCOMPARE(int(e.Debut_Sac(1)), 5);
}

void TestCarte::partieComplete() {
    for (unsigned g = 1; g <= 10; ++g) {
        auto hasard = graine(100 + g);
        EtatJeu e = etatDonne(0, hasard);
        const auto debut = origine(e, 0);
        HorlogeFixe horloge(3.5);
        std::vector<int> tirees;
        std::set<int> cases;
        for (int n = 1; n <= 25; ++n) {
            QVERIFY(!Sac_Vide(e, 0));
            const int c = Tirer_Boule(e, 0, hasard, horloge);
            QVERIFY(c >= 1 && c <= 25);
            const int boule = e.Grille_J(0, c);
            QVERIFY(boule != BOULE_COUVERTE);
            QCOMPARE(boule, debut[static_cast<std::size_t>(c - 1)]);
            tirees.push_back(boule);
            cases.insert(c);
            Placer_Boule(e, 0);
            QCOMPARE(int(e.Grille_J(0, c)), BOULE_COUVERTE);
        }
        QVERIFY(permutation(tirees));
        QCOMPARE(cases.size(), std::size_t(25));
        QCOMPARE(sac(e, 0), tirees);
        QCOMPARE(grille(e, 0), std::vector<int>(25, BOULE_COUVERTE));
        QCOMPARE(origine(e, 0), debut);
        QVERIFY(Sac_Vide(e, 0));
        QCOMPARE(int(Ligne_Complete(e, 0)), 1);
        QVERIFY_THROWS_EXCEPTION(std::logic_error, Tirer_Boule(e, 0, hasard, horloge));
        QCOMPARE(int(e.Debut_Sac(0)), 26);
    }
}

void TestCarte::reensemencement() {
    auto hasard = constant(0.0);
    HorlogeFixe horloge(4321.25);
    EtatJeu e;
    Nouvelle_Grille(e, 1, hasard, horloge);
    QStringList attendu{"graine 4321.25"};
    for (int j = 1; j <= 25; ++j)
        attendu << "tirage";
    QCOMPARE(hasard.journal, attendu);

    hasard.journal.clear();
    horloge.heure = 50000.5;
    Tirer_Boule(e, 1, hasard, horloge);
    horloge.heure = 50001.75;
    Tirer_Boule(e, 1, hasard, horloge);
    QCOMPARE(hasard.journal,
             QStringList({"graine 50000.50", "tirage", "graine 50001.75", "tirage"}));
}

void TestCarte::couverture() {
    auto zero = constant(0.0);
    EtatJeu e = etatDonne(2, zero);
    HorlogeFixe horloge(0.0);
    const int c = Tirer_Boule(e, 2, zero, horloge); // ball 1, in cell 1
    QCOMPARE(c, 1);
    Placer_Boule(e, 2);
    auto attendu = unAVingtCinq();
    attendu[0] = BOULE_COUVERTE;
    QCOMPARE(grille(e, 2), attendu);
    Placer_Boule(e, 2);
    QCOMPARE(grille(e, 2), attendu);
    QCOMPARE(origine(e, 2), unAVingtCinq());

    EtatJeu neuf;
    QVERIFY_THROWS_EXCEPTION(std::logic_error, Placer_Boule(neuf, 1)); // nothing drawn yet
}

void TestCarte::lignesCompletes() {
    const auto lignes = lignesDuPlateau();

    // Each line alone, on several deals: found, and with one cell off, not found.
    for (unsigned g = 1; g <= 3; ++g) {
        for (int l = 1; l <= 12; ++l) {
            const auto& cases = lignes[static_cast<std::size_t>(l - 1)];
            auto hasard = graine(g);
            EtatJeu e = etatDonne(1, hasard);
            QCOMPARE(Ligne_Complete(e, 1), 0);
            auto it = cases.begin();
            for (++it; it != cases.end(); ++it)
                couvrir(e, 1, *it);
            QCOMPARE(Ligne_Complete(e, 1), 0); // four covered, one not
            couvrir(e, 1, *cases.begin());
            QCOMPARE(Ligne_Complete(e, 1), l);
        }
    }

    // Every cell but one per line covered: no line, then each missing cell completes
    // the first line it belongs to.
    const std::vector<std::pair<int, int>> trous{{2, 1}, {6, 2}, {13, 3}, {20, 4}, {24, 5}};
    auto hasard = graine(9);
    EtatJeu base = etatDonne(2, hasard);
    for (int c = 1; c <= 25; ++c)
        if (std::none_of(trous.begin(), trous.end(), [c](auto t) { return t.first == c; }))
            couvrir(base, 2, c);
    QCOMPARE(Ligne_Complete(base, 2), 0);
    for (const auto& [trou, premiere] : trous) {
        EtatJeu e = base;
        couvrir(e, 2, trou);
        QCOMPARE(Ligne_Complete(e, 2), premiere);
    }

    // One ball completing row 1 and column 1 together: the row comes first.
    auto zero = constant(0.0);
    EtatJeu e = etatDonne(0, zero); // cell i holds ball i; ball 1 is drawn first
    for (const int c : {2, 3, 4, 5, 6, 11, 16, 21})
        couvrir(e, 0, c);
    QCOMPARE(Ligne_Complete(e, 0), 0);
    HorlogeFixe horloge(0.0);
    QCOMPARE(Tirer_Boule(e, 0, zero, horloge), 1);
    Placer_Boule(e, 0);
    QCOMPARE(Ligne_Complete(e, 0), 1);
    for (const int c : {1, 6, 11, 16, 21})
        QCOMPARE(int(e.Grille_J(0, c)), BOULE_COUVERTE); // column 1 is complete as well
}

void TestCarte::emplacements() {
    HorlogeFixe horloge(0.0);
    for (int p = 0; p <= 2; ++p) {
        auto hasard = graine(3);
        EtatJeu e = etatDonne(p, hasard);
        QVERIFY(!Sac_Vide(e, p));
        Tirer_Boule(e, p, hasard, horloge);
        Placer_Boule(e, p);
        QCOMPARE(Ligne_Complete(e, p), 0);
    }
    for (const int p : {-1, 3}) {
        auto hasard = graine(3);
        EtatJeu e = etatDonne(1, hasard);
        hasard.journal.clear();
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, Nouvelle_Grille(e, p, hasard, horloge));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, Tirer_Boule(e, p, hasard, horloge));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, Sac_Vide(e, p));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, Placer_Boule(e, p));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, Ligne_Complete(e, p));
        QVERIFY(hasard.journal.isEmpty());
    }
}

void TestCarte::etatsIncoherents() {
    HorlogeFixe horloge(0.0);

    // Never dealt: Debut_Sac is still 0.
    EtatJeu neuf;
    auto zero = constant(0.0);
    QVERIFY_THROWS_EXCEPTION(std::logic_error, Tirer_Boule(neuf, 1, zero, horloge));

    // The next ball's cell covered out of turn: refused, nothing changed.
    EtatJeu e = etatDonne(1, zero);
    couvrir(e, 1, 1); // ball 1 is at the front of the bag
    const EtatJeu avant = e;
    QVERIFY_THROWS_EXCEPTION(std::logic_error, Tirer_Boule(e, 1, zero, horloge));
    QCOMPARE(sac(e, 1), sac(avant, 1));
    QCOMPARE(e.Debut_Sac(1), avant.Debut_Sac(1));
    QCOMPARE(e.Case_Tiree, avant.Case_Tiree);

    // A generator leaving [0, 1): refused rather than reaching behind Debut_Sac.
    for (const double r : {1.0, -0.25}) {
        auto fautif = constant(r);
        EtatJeu f = etatDonne(1, zero);
        QVERIFY_THROWS_EXCEPTION(std::logic_error, Tirer_Boule(f, 1, fautif, horloge));
        QCOMPARE(int(f.Debut_Sac(1)), 1);
        EtatJeu g;
        QVERIFY_THROWS_EXCEPTION(std::logic_error, Nouvelle_Grille(g, 1, fautif, horloge));
        QCOMPARE(int(g.Debut_Sac(1)), 0);
        QCOMPARE(grille(g, 1), std::vector<int>(25, 0));
    }

    // Lines never filled in.
    EtatJeu sansLignes;
    QVERIFY_THROWS_EXCEPTION(std::logic_error, Ligne_Complete(sansLignes, 0));
}

QTEST_GUILESS_MAIN(TestCarte)
#include "tst_carte.moc"
