// The bonus card (deal, draw, covering, the twelve lines) and the draw window: its states, the
// paid line and its flash.

#include "PartieDeTest.h"
#include "bonus/BoiteTuile.h"
#include "bonus/Form6.h"

#include <cmath>

namespace {

const double presqueUn = std::nextafter(1.0, 0.0);

QList<int> suite(const std::function<int(int)>& lu, const QList<int>& sauf = {}) {
    QList<int> l;
    for (int i = 1; i <= 25; ++i)
        if (!sauf.contains(lu(i)))
            l << lu(i);
    return l;
}

// Player 1's card dealt with every draw at 0 (ball c on cell c, the bag 1..25 in order), balls
// 1..tirees drawn before, their cells covered or lost; the draw window open on it.
struct Banc {
    EtatJeu e;
    ServicesDeTest d;
    QWidget principale;
    int payes = 0;
    std::unique_ptr<Form6> f;
    explicit Banc(int tirees = 0, bool couvertes = false) {
        preparerEtat(e);
        Nouvelle_Grille(e, 1, d.hasard, d.horloge);
        for (int c = 1; c <= tirees && couvertes; ++c)
            e.Grille_J(1, c) = BOULE_COUVERTE;
        e.Debut_Sac(1) = static_cast<std::int16_t>(tirees + 1);
    }
    void ouvrir() {
        f = std::make_unique<Form6>(e, d.services(), &principale, [this] { ++payes; });
        f->show();
    }
};

// The draw window opened after `tirees` balls were drawn, then Enter pressed `entrees` times
// (the last held down if `tenue`): which of Mélanger, Tirer, Placer are enabled, the focus,
// and the name of the cell of this opening's first ball.
struct Etat {
    int tirees, entrees;
    bool tenue;
    QList<bool> actifs;
    QString focus, nom;
};

} // namespace
Q_DECLARE_METATYPE(Etat)

class TestBonus : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { appliquerApparence(*qApp); }

    // Catches a deal or a draw not reseeded first with the clock's time, an off-by-one in the
    // position formulas (at either end of [0, 1) or between), a bag not refilled 1..25 and
    // reopened at 1, a draw not from Debut_Sac on, the drawn ball not moved to Debut_Sac (the
    // bag would not list the draws in order), the wrong cell returned.
    void carte_data() {
        // clang-format off
        QTest::addColumn<double>("r");
        QTest::addColumn<QList<int>>("grille");
        QTest::addColumn<int>("avant"); // balls drawn before: the first ones of the bag
        QTest::addColumn<int>("rang");  // the bag position drawn, and the ball there
        const QList<int> zero = suite([](int c) { return c; }),
                         haut = suite([](int c) { return (c + 23) % 25 + 1; });
        QTest::newRow("R = 0: ball c on cell c, the first of the bag") << 0.0 << zero << 0 << 1;
        QTest::newRow("R = 0 after six draws: the seventh") << 0.0 << zero << 6 << 7;
        QTest::newRow("R just below 1: 25, 1, ..., 24, the last") << presqueUn << haut << 0 << 25;
        QTest::newRow("R just below 1, the last ball of the bag") << presqueUn << haut << 24 << 25;
        QTest::newRow("R = 0.5: 13, 14, 2..., after four draws 5 + 10") << 0.5 << QList<int>{13, 14, 2,  15, 4,  16, 6,  17, 8,  18, 10, 19, 12,
                                 20, 3,  21, 7,  22, 11, 23, 5,  24, 1,  25, 9}
            << 4 << 15;
        // clang-format on
    }
    void carte() {
        QFETCH(double, r);
        QFETCH(QList<int>, grille);
        QFETCH(int, avant);
        QFETCH(int, rang);
        EtatJeu e;
        ServicesDeTest d;
        d.hasard.valeurs = {r};
        d.horloge.heure = 4321.75;
        e.Debut_Sac(2) = 9;
        Nouvelle_Grille(e, 2, d.hasard, d.horloge);
        QCOMPARE(suite([&](int c) { return e.Grille_J(2, c); }), grille);
        QCOMPARE(suite([&](int i) { return e.Sac(2, i); }), suite([](int i) { return i; }));
        QCOMPARE(e.Debut_Sac(2), 1);
        QCOMPARE(d.hasard.journal, " graine 4321.75" + QString(" tirage").repeated(25));
        e.Debut_Sac(2) = static_cast<std::int16_t>(avant + 1);
        d.hasard.journal.clear();
        const int cellule = Tirer_Boule(e, 2, d.hasard, d.horloge);
        QCOMPARE(cellule, grille.indexOf(rang) + 1);
        QCOMPARE(e.Sac(2, avant + 1), rang);
        QCOMPARE(e.Sac(2, rang), avant + 1); // the ball it took the place of
        QCOMPARE(e.Debut_Sac(2), avant + 2);
        QCOMPARE(d.hasard.journal, " graine 4321.75 tirage");
    }

    // Catches a line of the table with a wrong cell, a line found with a cell still uncovered
    // or missed once complete, and the later of two lines completed together.
    void lignes_data() {
        // clang-format off
        QTest::addColumn<QList<int>>("couvertes");
        QTest::addColumn<int>("derniere"); // covered last
        QTest::addColumn<int>("ligne");
        for (int l = 1; l <= 12; ++l) { // rows, columns, the rising and the falling diagonal
            QList<int> cases;
            for (int m = 0; m < 5; ++m)
                cases << (l <= 5    ? 5 * l - 4 + m
                          : l <= 10 ? 5 * m + l - 5
                          : l == 11 ? 4 * m + 5
                                    : 6 * m + 1);
            for (const int c : cases)
                QTest::addRow("line %d, cell %d last", l, c) << cases << c << l;
        }
        QTest::newRow("row 1 and column 1 by cell 1: row 1") << QList<int>{1, 2, 3, 4, 5, 6, 11, 16, 21} << 1 << 1;
        QTest::newRow("twenty cells, then 13: row 3") << suite([](int c) { return c; }, {2, 6, 20, 24}) << 13 << 3;
        // clang-format on
    }
    void lignes() {
        QFETCH(QList<int>, couvertes);
        QFETCH(int, derniere);
        QFETCH(int, ligne);
        Banc b;
        for (const int c : couvertes)
            if (c != derniere)
                b.e.Grille_J(1, c) = BOULE_COUVERTE;
        QCOMPARE(Ligne_Complete(b.e, 1), 0);
        b.e.Grille_J(1, derniere) = BOULE_COUVERTE;
        QCOMPARE(Ligne_Complete(b.e, 1), ligne);
    }

    // Catches a wrong button enabled or focused after a step or after a held Enter, the balls
    // of an opening used from the wrong end, a ball shown before a spin or a spin that shows no
    // ball of the bag, a draw offered from an empty bag, a covered cell not shown or not said so.
    void etats_data() {
        // clang-format off
        QTest::addColumn<Etat>("t");
        const QString bulle("ligne 1, colonne 1 : bulle"), couverte("ligne 1, colonne 1 : couverte");
        const QList<bool> aucun{false, false, false};
        QTest::newRow("opening") << Etat{0, 0, false, {true, false, false}, "Mélanger", bulle};
        QTest::newRow("Mélanger") << Etat{0, 1, false, {false, true, false}, "Tirer", bulle};
        QTest::newRow("Mélanger, Enter held") << Etat{0, 1, true, {false, true, false}, "Tirer", bulle};
        QTest::newRow("Tirer") << Etat{0, 2, false, {false, false, true}, "Placer", bulle};
        QTest::newRow("Placer") << Etat{11, 3, false, {true, false, true}, "Mélanger", "ligne 3, colonne 2 : couverte"};
        QTest::newRow("the third Placer") << Etat{0, 9, false, aucun, "Fermer", couverte};
        QTest::newRow("the last ball placed") << Etat{24, 3, false, aucun, "Fermer", "ligne 5, colonne 5 : couverte"};
        QTest::newRow("every ball drawn, none placed") << Etat{25, 0, false, aucun, "Fermer", "ligne 5, colonne 5 : carreau"};
        // clang-format on
    }
    void etats() {
        QFETCH(Etat, t);
        const auto [tirees, entrees, tenue, actifs, focus, nom] = t;
        Banc b(tirees);
        b.ouvrir();
        for (int i = 0; i < entrees; ++i)
            QTest::keyClick(b.f->focusWidget(), Qt::Key_Return);
        for (const auto type : {QEvent::KeyRelease, QEvent::KeyPress}) // X11's pair for a repeat
            if (tenue)
                touche(b.f->focusWidget(), type, Qt::Key_Return, 150);
        QCoreApplication::processEvents(); // a turn of the spin
        QCOMPARE(b.f->Mélanger->isEnabled(), actifs[0]);
        QCOMPARE(b.f->Tirer->isEnabled(), actifs[1]);
        QCOMPARE(b.f->Placer->isEnabled(), actifs[2]);
        QCOMPARE(b.f->focusWidget()->objectName(), focus);
        const int restantes = 3 - (entrees + 1) / 3; // one ball gone at each "Tirer"
        QCOMPARE(b.e.Boules_Restantes, restantes);
        QCOMPARE(b.f->Boule(3)->tuile(), restantes < 3 ? tuiles::croix : tuiles::boule);
        QCOMPARE(b.f->Grille(std::min(tirees + 1, 25))->accessibleName(), nom);
        if (entrees == 0) { // the drawn ball's box empty until a spin
            const QImage boite = b.f->Img_Mélange->grab().toImage();
            QImage vide(boite.size(), boite.format());
            vide.fill(b.f->palette().color(QPalette::Window));
            QCOMPARE(boite, vide);
        }
        if (actifs[1]) // the spin shows the balls still in the bag
            QVERIFY(b.f->Img_Mélange->tuile() > tirees);
    }

    // Catches a flash that does not alternate the dealt balls and the faces over ten pauses of
    // 0.5 s, the applause after "Gagné" or with the sound off, a key taken or a close obeyed
    // before the flash ends, the points not paid once, draws still offered, the card not
    // renewed, or the renewed card shown at a reshow.
    void lignePayee_data() {
        QTest::addColumn<bool>("son");
        QTest::addColumn<QString>("pendant"); // at the third pause
        QTest::addColumn<bool>("ouverte");    // once the flash is over
        QTest::newRow("sound on: the applause, then Gagné") << true << "" << true;
        QTest::newRow("a close during the flash waits for its end") << false << "fermer" << false;
        QTest::newRow("Escape during the flash is dropped") << false << "echap" << true;
    }
    void lignePayee() {
        QFETCH(bool, son);
        QFETCH(QString, pendant);
        QFETCH(bool, ouverte);
        Banc b(4, true); // ball 5 completes row 1
        b.e.Son_Actif = son;
        b.e.Score_J(1) = 12;
        b.ouvrir();
        bool gagneVu = false;
        b.d.son.pendantJouer = [&] {
            gagneVu = !b.f->Gagne->isHidden();
        };
        QList<int> vus; // cell 1 at each pause
        b.d.horloge.pendantAttente = [&](std::int64_t) {
            vus << b.f->Grille(1)->tuile();
            if (vus.size() == 3 && pendant == "fermer")
                b.f->close();
            if (vus.size() == 3 && pendant == "echap")
                QTest::keyClick(b.f->focusWidget(), Qt::Key_Escape);
        };
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(b.f->focusWidget(), Qt::Key_Return);
        QCOMPARE(b.d.horloge.attentes, QList<qint64>(10, 500));
        QCOMPARE(vus, (QList<int>{1, 27, 1, 27, 1, 27, 1, 27, 1, 27}));
        QCOMPARE(b.d.son.joues, son ? QStringList{"applaudi.wav:attente"} : QStringList());
        QCOMPARE(gagneVu, false);
        QVERIFY(!b.f->Gagne->isHidden());
        QCOMPARE(b.payes, 1);
        QCOMPARE(b.e.Score_J(1), 42);
        QVERIFY(!b.f->Mélanger->isEnabled());
        QCOMPARE(b.f->focusWidget(), b.f->Fermer);
        QCOMPARE(b.e.Debut_Sac(1), 1);
        QCOMPARE(b.e.Grille_J(1, 1), 1);
        QCOMPARE(b.f->isVisible(), ouverte);
        QCOMPARE(b.f->Grille(1)->accessibleName(), "ligne 1, colonne 1 : visage souriant");
        b.f->hide();
        b.f->show();
        QCOMPARE(b.f->Grille(1)->tuile(), tuiles::visage);
    }
};

QTEST_MAIN(TestBonus)
#include "tst_bonus.moc"
