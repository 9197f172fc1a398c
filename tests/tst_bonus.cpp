// The bonus card (deal, draws, covering and lines) and the draw window: the three draws of an
// opening with a held key, and a paid line with its flash.

#include "PartieDeTest.h"
#include "bonus/BoiteTuile.h"
#include "bonus/Carte.h"
#include "bonus/Form6.h"

#include <QtWidgets>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// The generator and the clock a test drives. The draws step by `pas` round [0, 1) from
// `depart`: constant when `pas` is 0, evenly spread otherwise. Every call is noted.
struct Tirages final : IHasard, IHorloge {
    explicit Tirages(double depart, double p = 0) : r(depart), pas(p) {}
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

EtatJeu etatDonne(int p, Tirages& banc) {
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

// Each pass of the event loop lets 0.5 s pass and, once "Gagné" shows, notes the tile of
// cell 1, ten times: each pause of the flash sees one step.
struct Eclair {
    QTimer pas;
    QStringList vus;
    std::function<void()> pendant; // done at the third step
    Eclair(HorlogeReglable& horloge, Form6& f) {
        QObject::connect(&pas, &QTimer::timeout, &f, [&] {
            horloge.avancer(500);
            if (f.Gagne->isVisible())
                vus << QString::number(f.Grille(1)->tuile());
            if (vus.size() == 3 && pendant)
                std::exchange(pendant, nullptr)();
            if (vus.size() == 10)
                pas.stop();
        });
        pas.start(0);
    }
};

// The window on player 1's card dealt with R = 0 (ball c on cell c, bag 1..25 in order), balls
// up to `couvertes` drawn and covered; its sounds note whether "Gagné" showed already.
struct Banc : ISon {
    EtatJeu e;
    ServicesDeTest d;
    QWidget principale;
    QStringList sons;
    int payes = 0;
    std::unique_ptr<Form6> f;

    explicit Banc(int couvertes = 0) {
        preparerEtat(e);
        Nouvelle_Grille(e, 1, d.hasard, d.horloge);
        for (int c = 1; c <= couvertes; ++c)
            e.Grille_J(1, c) = BOULE_COUVERTE;
        e.Debut_Sac(1) = static_cast<std::int16_t>(couvertes + 1);
        f = std::make_unique<Form6>(e, Services{*this, d.horloge, d.hasard}, &principale,
                                    [this] { ++payes; });
    }
    void jouer(const QString& fichier, ModeSon) override {
        sons << fichier + (f->Gagne->isHidden() ? ":avant" : ":après");
    }
    void bip() override {}
    void ouvrir() {
        f->show();
        std::ignore = QTest::qWaitForWindowActive(f.get());
    }
    // The buttons enabled, then the one with the focus: "MP/Mélanger".
    QString etat() const {
        QString s;
        for (const auto* b : {f->Mélanger, f->Tirer, f->Placer})
            s += b->isEnabled() ? b->objectName().left(1) : "";
        return s + "/" + f->focusWidget()->objectName();
    }
    // The tiles of cells 1..6, then of the three balls.
    QString tuiles() const {
        QString t;
        for (int c = 1; c <= 9; ++c)
            t += QString::number((c <= 6 ? f->Grille(c) : f->Boule(c - 6))->tuile()) +
                 (c == 6 ? " / " : " ");
        return t.trimmed();
    }
    void entree() const { QTest::keyClick(f->focusWidget(), Qt::Key_Return); }
    void touche(QEvent::Type type, ulong instant, bool repetee = false) const {
        ::touche(f->focusWidget(), type, Qt::Key_Return, instant, repetee);
    }
};

} // namespace

class TestBonus : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { appliquerApparence(*qApp); }

    // Catches, in any slot, a grid differing from its saved copy, a ball drawn twice or missing
    // from the grid (the draw then throws), a drawn cell already covered, a bag not listing
    // the draws in order, or an empty bag not seen as such or drawn from.
    void partieComplete() {
        for (int p = 0; p <= 2; ++p) {
            Tirages banc(0.1 * p, 0.618034);
            EtatJeu e = etatDonne(p, banc);
            for (int n = 1; !Sac_Vide(e, p); ++n) {
                const int c = Tirer_Boule(e, p, banc, banc);
                QCOMPARE(e.Grille_J(p, c), e.Grille_Origine(p, c)); // as dealt, not covered yet
                QCOMPARE(e.Sac(p, n), e.Grille_J(p, c));
                Placer_Boule(e, p);
            }
            QVERIFY_THROWS_EXCEPTION(std::logic_error, Tirer_Boule(e, p, banc, banc));
        }
        EtatJeu e; // a new game deals both players' cards, and only theirs
        Tirages banc(0.5);
        Nouvelles_Grilles(e, banc, banc);
        QVERIFY(e.Grille_J(1, 25) > 0 && e.Grille_J(2, 25) > 0 && e.Grille_J(0, 25) == 0);
    }

    // Catches an off-by-one in the position formula at either end of [0, 1), a bag not dealt
    // as 1..25 or not drawn from at Debut_Sac, a deal or draw not reseeded first with the
    // clock's time, a ball completing row 1 and column 1 not reported as row 1, or a line
    // naming no cell taken.
    void auxBornes() {
        Tirages zero(0), haut(std::nextafter(1.0, 0.0));
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
        for (const char* abime : {"0002030405", "01020304xx", "010203042", "0102030426"}) {
            a.Alignements(1) = QString::fromLatin1(abime); // a line that names no cell
            QVERIFY_THROWS_EXCEPTION(std::logic_error, Cases_Ligne(a, 1));
        }
    }

    // Catches a line string with a wrong or repeated cell, or a line found with a cell still
    // uncovered or missed once complete.
    void lignesCompletes() {
        Tirages zero(0);
        EtatJeu grille = etatDonne(0, zero); // cell c holds ball c
        for (int l = 1; l <= 12; ++l)
            for (int trou = 0; trou < 5; ++trou) {
                EtatJeu e = grille;
                for (int m = 1; m <= 5; ++m) { // the hole last
                    e.Grille_J(0, caseDe(l, (trou + m) % 5)) = BOULE_COUVERTE;
                    QCOMPARE(Ligne_Complete(e, 0), m == 5 ? l : 0);
                }
            }
    }

    // Catches a wrong state or focus after a step, no spin, the balls used from the wrong
    // end, a cell not covered or said otherwise, a fourth draw, or a held Enter going on from
    // "Mélanger".
    void troisTirages() {
        Banc b;
        b.ouvrir();
        QCOMPARE(b.etat(), u"M/Mélanger"_s);
        const QStringList etats{u"T/Tirer"_s, u"P/Placer"_s, u"MP/Mélanger"_s};
        for (int pas = 0; pas < 9; ++pas) {
            b.touche(QEvent::KeyPress, 100 * (pas + 1));
            if (pas == 0) { // spinning; the key held: a release/press pair, a flagged repeat
                QCoreApplication::processEvents();
                QVERIFY(b.f->Melange->isActive() && b.f->Img_Mélange->tuile() >= 1);
                b.touche(QEvent::KeyRelease, 150);
                b.touche(QEvent::KeyPress, 150);
                b.touche(QEvent::KeyPress, 160, true);
            }
            QCOMPARE(b.etat(), pas == 8 ? u"/Fermer"_s : etats[pas % 3]);
        }
        QVERIFY(!b.f->Melange->isActive() && b.e.Boules_Restantes == 0 && b.payes == 0);
        QCOMPARE(b.tuiles(), u"29 29 29 4 5 6 / 28 28 28"_s);
        QCOMPARE(b.f->Grille(3)->accessibleName() + " / " + b.f->Grille(9)->accessibleName(),
                 u"ligne 1, colonne 3 : couverte / ligne 2, colonne 4 : "_s + nomTuile(9));
    }

    // Catches a flash not alternating balls and faces ten times, a key taken or a close
    // obeyed during it, the applause after "Gagné" or with the sound off, the points not
    // paid once, draws still offered, the card not renewed or shown at once (or at a reshow).
    void lignePayee() {
        for (const bool sonActif : {false, true}) {
            Banc b(4);
            b.e.Son_Actif = sonActif;
            b.e.Score_J(1) = 12;
            b.ouvrir();
            b.entree();
            b.entree();
            Eclair eclair(b.d.horloge, *b.f);
            eclair.pendant = [&] {
                sonActif ? void(b.f->close()) : QTest::keyClick(b.f->focusWidget(), Qt::Key_Escape);
            };
            b.entree();
            QCOMPARE(eclair.vus.join(""), u"127127127127127"_s);
            QCOMPARE(b.sons, sonActif ? QStringList{"applaudi.wav:avant"} : QStringList{});
            QVERIFY(b.f->isVisible() == !sonActif && !b.f->Gagne->isHidden());
            QVERIFY(b.payes == 1 && b.e.Score_J(1) == 42 && b.e.Boules_Restantes == 2);
            QVERIFY(b.etat() == u"/Fermer"_s && b.e.Debut_Sac(1) == 1 &&
                    b.e.Grille_J(1, 1) != BOULE_COUVERTE);
            b.f->hide();
            b.f->show();
            QCOMPARE(b.tuiles(), u"27 27 27 27 27 6 / 29 29 28"_s);
        }
    }
};

QTEST_MAIN(TestBonus)
#include "tst_bonus.moc"
