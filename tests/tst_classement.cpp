// Points text, the ranking sort, the qualification of a finished game and the saving of
// the players' names.

#include "app/EtatJeu.h"
#include "scores/Classement.h"
#include "scores/TextePoints.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTest>
#include <cstddef>
#include <utility>
#include <vector>

namespace {

using Ligne = std::pair<QString, QString>; // name, points text

/** A state whose stored table holds `stockees` in rows 1..n (the rest free). */
EtatJeu etatAvec(const std::vector<Ligne>& stockees, int score1 = 0, int score2 = 0) {
    EtatJeu e;
    int r = 0;
    for (const auto& [nom, points] : stockees) {
        ++r;
        e.Tab_Scores(r, 1) = nom;
        e.Tab_Scores(r, 2) = points;
    }
    e.Score_J(1) = static_cast<std::int16_t>(score1);
    e.Score_J(2) = static_cast<std::int16_t>(score2);
    return e;
}

/** Stored rows named A, B, C... with the points given. */
std::vector<Ligne> lettres(const std::vector<int>& points) {
    std::vector<Ligne> lignes;
    for (std::size_t i = 0; i < points.size(); ++i)
        lignes.emplace_back(QString(QChar(u'A' + static_cast<char16_t>(i))),
                            Texte_Points(points[i]));
    return lignes;
}

/** The Classement rows 1..14 as "name:points", players' rows shown as "J1" and "J2". */
QStringList classement(const EtatJeu& e) {
    QStringList l;
    for (int r = 1; r <= LIGNES_SCORES + 2; ++r) {
        const QString qui = e.Classement_Joueur(r) == 0
                                ? e.Classement(r, 1)
                                : QStringLiteral("J%1").arg(e.Classement_Joueur(r));
        l << qui + QLatin1Char(':') + e.Classement(r, 2).trimmed();
    }
    return l;
}

QStringList tableau(const EtatJeu& e) {
    QStringList l;
    for (int r = 1; r <= LIGNES_SCORES; ++r)
        l << e.Tab_Scores(r, 1) + QLatin1Char(':') + e.Tab_Scores(r, 2);
    return l;
}

QStringList noms(const QStringList& lignes) {
    QStringList n;
    for (const QString& l : lignes)
        n << l.section(QLatin1Char(':'), 0, 0);
    return n;
}

} // namespace

class TestTextePoints : public QObject {
    Q_OBJECT

private slots:
    // Catches a missing or doubled leading blank, or a blank put before a minus.
    void texteDesPoints() {
        QCOMPARE(Texte_Points(125), QStringLiteral(" 125"));
        QCOMPARE(Texte_Points(0), QStringLiteral(" 0"));
        QCOMPARE(Texte_Points(-5), QStringLiteral("-5"));
        QCOMPARE(Texte_Points(7), QStringLiteral(" 7"));
        QCOMPARE(Texte_Points(32767), QStringLiteral(" 32767"));
    }

    // Catches a reading that trims more or less than the leading blanks, takes a plus sign,
    // other scripts' digits or characters after the number, or fails on a hand-edited text.
    void valeurDesPoints() {
        QCOMPARE(Valeur_Points(QStringLiteral(" 125")), 125.0);
        QCOMPARE(Valeur_Points(QStringLiteral("125")), 125.0);
        QCOMPARE(Valeur_Points(QStringLiteral("   -5")), -5.0);
        QCOMPARE(Valeur_Points(QStringLiteral("007")), 7.0);
        QCOMPARE(Valeur_Points(QString()), 0.0);
        QCOMPARE(Valeur_Points(QStringLiteral("")), 0.0);
        QCOMPARE(Valeur_Points(QStringLiteral("   ")), 0.0);
        QCOMPARE(Valeur_Points(QStringLiteral("abc")), 0.0);
        QCOMPARE(Valeur_Points(QStringLiteral("-")), 0.0);
        QCOMPARE(Valeur_Points(QStringLiteral("-0")), 0.0);
        QCOMPARE(Valeur_Points(QStringLiteral("12ab3")), 12.0);
        QCOMPARE(Valeur_Points(QStringLiteral(" 1 2")), 1.0);
        QCOMPARE(Valeur_Points(QStringLiteral("- 5")), 0.0);
        QCOMPARE(Valeur_Points(QStringLiteral("+5")), 0.0);
        QCOMPARE(Valeur_Points(QStringLiteral("x 9")), 0.0);
        QCOMPARE(Valeur_Points(QStringLiteral("12.5")), 12.0);
        QCOMPARE(Valeur_Points(QStringLiteral("\u0661\u0662")), 0.0); // Arabic-Indic digits
        QCOMPARE(Valeur_Points(QStringLiteral("99999999999")), 99999999999.0);
        QVERIFY(Valeur_Points(QString(400, QLatin1Char('9'))) > 1e300);
        for (const int p : {0, 1, 59, 4096, -1, -300})
            QCOMPARE(Valeur_Points(Texte_Points(p)), double(p));
    }
};

class TestClassement : public QObject {
    Q_OBJECT

private slots:
    // Catches a sort that is not decreasing, a different gap sequence or exchange rule
    // (visible in the order of ties), or Nb_Scores not set.
    void trierScores() {
        EtatJeu e = etatAvec(lettres({10, 30, 20, 30, 10, 20, 30, 10, 20, 40, 10, 20}));
        e.Nb_Scores = 3;
        Trier_Scores(e);
        QCOMPARE(e.Nb_Scores, std::int16_t(12));
        QCOMPARE(noms(tableau(e)),
                 QStringList({"J", "B", "G", "D", "C", "F", "I", "L", "E", "H", "A", "K"}));
        for (int r = 1; r < LIGNES_SCORES; ++r)
            QVERIFY(Valeur_Points(e.Tab_Scores(r, 2)) >= Valeur_Points(e.Tab_Scores(r + 1, 2)));
        // The points travel with their names.
        QCOMPARE(e.Tab_Scores(1, 2), QStringLiteral(" 40"));
        QCOMPARE(e.Tab_Scores(12, 2), QStringLiteral(" 10"));

        // A hand-edited table: texts without digits count as 0, negative below them.
        EtatJeu m = etatAvec({{"A", " 5"},
                              {"B", "-3"},
                              {"C", " 0"},
                              {"D", " 17"},
                              {"E", ""},
                              {"F", " 8"},
                              {"G", "abc"},
                              {"H", "8"},
                              {"I", "-"},
                              {"J", "x 9"},
                              {"K", " 12"},
                              {"L", " 3"}});
        Trier_Scores(m);
        QCOMPARE(tableau(m), QStringList({"D: 17", "K: 12", "F: 8", "H:8", "A: 5", "L: 3", "G:abc",
                                          "E:", "C: 0", "J:x 9", "I:-", "B:-3"}));
    }

    // Catches a tie broken otherwise than by the sort's own steps, a player's row losing
    // its mark when rows are exchanged, or row 14 overtaking row 13.
    void ordreDesEgalites() {
        // Stored 40,40,35,35,30,30,25,15,15,15,15,0; player 1 at 15, player 2 at 35.
        EtatJeu c = etatAvec(lettres({40, 40, 35, 35, 30, 30, 25, 15, 15, 15, 15, 0}), 15, 35);
        Classer_Partie(c);
        QCOMPARE(classement(c),
                 QStringList({"A:40", "B:40", "C:35", "D:35", "J2:35", "E:30", "F:30", "G:25",
                              "I:15", "J:15", "H:15", "J1:15", "K:15", "L:0"}));
        QVERIFY(c.Qualifie(1));
        QVERIFY(c.Qualifie(2));

        // Twelve stored 50s, player 1 at 60, player 2 at 50.
        EtatJeu f = etatAvec(lettres(std::vector<int>(12, 50)), 60, 50);
        Classer_Partie(f);
        QCOMPARE(classement(f),
                 QStringList({"J1:60", "A:50", "B:50", "D:50", "E:50", "C:50", "G:50", "H:50",
                              "I:50", "J:50", "K:50", "L:50", "F:50", "J2:50"}));
        QVERIFY(f.Qualifie(1));
        QVERIFY(!f.Qualifie(2));
        QCOMPARE(f.Nb_Scores, std::int16_t(14));

        // Both players at 11 below a table ending 20, 10.
        EtatJeu b = etatAvec(lettres({120, 110, 100, 90, 80, 70, 60, 50, 40, 30, 20, 10}), 11, 11);
        Classer_Partie(b);
        QCOMPARE(b.Classement_Joueur(12), std::int16_t(1));
        QCOMPARE(b.Classement_Joueur(13), std::int16_t(2));
        QCOMPARE(b.Classement(14, 1), QStringLiteral("L"));
        QVERIFY(b.Qualifie(1));
        QVERIFY(!b.Qualifie(2));
    }

    // Catches a qualification on equal points (a stored score keeps its place against an
    // equal new one), one counting rows 13 and 14, or a player's rank taken wrongly.
    void qualificationEtRang() {
        // Twelve stored 100s: equalling them is not enough, beating them is.
        EtatJeu a = etatAvec(lettres(std::vector<int>(12, 100)), 100, 0);
        Classer_Partie(a);
        QCOMPARE(a.Classement_Joueur(13), std::int16_t(1));
        QVERIFY(!a.Qualifie(1));
        QVERIFY(!a.Qualifie(2));
        a.Score_J(1) = 101;
        Classer_Partie(a);
        QCOMPARE(a.Classement_Joueur(1), std::int16_t(1));
        QVERIFY(a.Qualifie(1));
        QVERIFY(!a.Qualifie(2));

        const auto table = lettres({120, 110, 100, 90, 80, 70, 60, 50, 40, 30, 20, 10});

        // At 60: eighth, right after the stored 60; the stored 10 leaves the table.
        EtatJeu d = etatAvec(table, 60, 0);
        Classer_Partie(d);
        QCOMPARE(classement(d),
                 QStringList({"A:120", "B:110", "C:100", "D:90", "E:80", "F:70", "G:60", "J1:60",
                              "H:50", "I:40", "J:30", "K:20", "L:10", "J2:0"}));
        QVERIFY(d.Qualifie(1));
        QVERIFY(!d.Qualifie(2));

        // At 120: second, after the stored 120.
        d = etatAvec(table, 120, 0);
        Classer_Partie(d);
        QCOMPARE(d.Classement(1, 1), QStringLiteral("A"));
        QCOMPARE(d.Classement_Joueur(2), std::int16_t(1));
        QCOMPARE(d.Classement(2, 2), QStringLiteral(" 120"));
        QCOMPARE(d.Classement(3, 1), QStringLiteral("B"));
        QVERIFY(d.Qualifie(1));

        // At 10: thirteenth, behind the stored 10.
        EtatJeu e = etatAvec(table, 10, 0);
        e.Qualifie(1) = true; // left from an earlier game
        e.Qualifie(2) = true;
        Classer_Partie(e);
        QCOMPARE(e.Classement(12, 1), QStringLiteral("L"));
        QCOMPARE(e.Classement_Joueur(13), std::int16_t(1));
        QVERIFY(!e.Qualifie(1));
        QVERIFY(!e.Qualifie(2));

        // The stored table itself is not touched by the ranking.
        QCOMPARE(tableau(e), tableau(etatAvec(table)));
    }

    // Catches a 0 or negative score qualifying on an empty table, where it ties the free rows.
    void tableauVide() {
        EtatJeu g = etatAvec({}, 50, 0);
        Classer_Partie(g);
        QCOMPARE(g.Classement_Joueur(1), std::int16_t(1));
        QVERIFY(g.Qualifie(1));
        QVERIFY(!g.Qualifie(2));

        g = etatAvec({}, 1, 30);
        Classer_Partie(g);
        QCOMPARE(g.Classement_Joueur(1), std::int16_t(2));
        QCOMPARE(g.Classement_Joueur(2), std::int16_t(1));
        QVERIFY(g.Qualifie(1));
        QVERIFY(g.Qualifie(2));

        g = etatAvec({}, 0, 0);
        Classer_Partie(g);
        QVERIFY(!g.Qualifie(1));
        QVERIFY(!g.Qualifie(2));

        g = etatAvec({}, -5, 7);
        Classer_Partie(g);
        QCOMPARE(g.Classement(14, 2), QStringLiteral("-5"));
        QCOMPARE(g.Classement_Joueur(14), std::int16_t(1));
        QVERIFY(!g.Qualifie(1));
        QVERIFY(g.Qualifie(2));
    }

    // Catches players' rows recognised by their name: a stored "1" or "2" must stay a
    // stored row.
    void nomsStockesUnEtDeux() {
        std::vector<Ligne> table = {{"1", " 200"}, {"2", " 150"}};
        for (const auto& l : lettres({100, 90, 80, 70, 60, 50, 40, 30, 20, 10}))
            table.push_back(l);
        EtatJeu h = etatAvec(table, 5, 5);
        Classer_Partie(h);
        QCOMPARE(h.Classement(1, 1), QStringLiteral("1"));
        QCOMPARE(h.Classement_Joueur(1), std::int16_t(0));
        QCOMPARE(h.Classement_Joueur(2), std::int16_t(0));
        QVERIFY(!h.Qualifie(1));
        QVERIFY(!h.Qualifie(2));
    }
};

class TestInscrireNoms : public QObject {
    Q_OBJECT

private slots:
    // Catches an empty name stored as is, or changed in the table but not in the name box.
    void nomVideDevientAnonyme() {
        EtatJeu e = etatAvec(lettres({80, 70, 40}), 50, 0);
        Classer_Partie(e);
        QString nom1;
        QString nom2;
        QVERIFY(Inscrire_Noms(e, nom1, nom2));
        QCOMPARE(nom1, QStringLiteral("Anonyme"));
        QCOMPARE(nom2, QStringLiteral("Anonyme"));
        QCOMPARE(tableau(e), QStringList({"A: 80", "B: 70", "Anonyme: 50", "C: 40", ":", ":", ":",
                                          ":", ":", ":", ":", ":"}));
    }

    // Catches the names swapped between players, a name trimmed or recased, or rows 13 and
    // 14 kept.
    void deuxJoueursQualifies() {
        EtatJeu e = etatAvec(lettres({120, 110, 100, 90, 80, 70, 60, 50, 40, 30, 20, 10}), 60, 115);
        Classer_Partie(e);
        QString nom1 = QStringLiteral(" zoé ");
        QString nom2 = QStringLiteral("BRUNO");
        QVERIFY(Inscrire_Noms(e, nom1, nom2));
        QCOMPARE(nom1, QStringLiteral(" zoé "));
        QCOMPARE(tableau(e),
                 QStringList({"A: 120", "BRUNO: 115", "B: 110", "C: 100", "D: 90", "E: 80", "F: 70",
                              "G: 60", " zoé : 60", "H: 50", "I: 40", "J: 30"}));
    }

    // Catches a table rewritten, or a name box changed, when nobody qualified.
    void personneQualifie() {
        const auto table = lettres({120, 110, 100, 90, 80, 70, 60, 50, 40, 30, 20, 10});
        EtatJeu e = etatAvec(table, 10, 0);
        Classer_Partie(e);
        QString nom1;
        QString nom2 = QStringLiteral("Bruno");
        QVERIFY(!Inscrire_Noms(e, nom1, nom2));
        QVERIFY(nom1.isEmpty());
        QCOMPARE(nom2, QStringLiteral("Bruno"));
        QCOMPARE(tableau(e), tableau(etatAvec(table)));
    }

    // Catches a typed name put on a stored row named "1" or "2", or on the row of a player
    // who scored nothing.
    void seulesLesLignesDesJoueurs() {
        std::vector<Ligne> table = {{"1", " 200"}, {"2", " 150"}};
        for (const auto& l : lettres({100, 90, 80, 70, 60, 50, 40, 30, 20, 10}))
            table.push_back(l);
        EtatJeu h = etatAvec(table, 5, 95);
        Classer_Partie(h);
        QVERIFY(!h.Qualifie(1));
        QVERIFY(h.Qualifie(2));
        QString nom1 = QStringLiteral("Alice");
        QString nom2 = QStringLiteral("Bruno");
        QVERIFY(Inscrire_Noms(h, nom1, nom2));
        QCOMPARE(tableau(h),
                 QStringList({"1: 200", "2: 150", "A: 100", "Bruno: 95", "B: 90", "C: 80", "D: 70",
                              "E: 60", "F: 50", "G: 40", "H: 30", "I: 20"}));

        // A player's row within the twelve though he scored 0 (a stored negative score below
        // it) keeps its mark name.
        EtatJeu z;
        z.Score_J(1) = 40;
        z.Score_J(2) = 0;
        z.Qualifie(1) = true;
        z.Classement(1, 1) = QStringLiteral("1");
        z.Classement(1, 2) = QStringLiteral(" 40");
        z.Classement_Joueur(1) = 1;
        z.Classement(2, 1) = QStringLiteral("2");
        z.Classement(2, 2) = QStringLiteral(" 0");
        z.Classement_Joueur(2) = 2;
        z.Classement(3, 1) = QStringLiteral("X");
        z.Classement(3, 2) = QStringLiteral("-4");
        QVERIFY(Inscrire_Noms(z, nom1, nom2));
        QCOMPARE(z.Tab_Scores(1, 1), QStringLiteral("Alice"));
        QCOMPARE(z.Tab_Scores(2, 1), QStringLiteral("2"));
        QCOMPARE(z.Tab_Scores(3, 1), QStringLiteral("X"));

        // The same the other way round.
        z.Score_J(1) = 0;
        z.Score_J(2) = 40;
        z.Qualifie(1) = false;
        z.Qualifie(2) = true;
        z.Classement(1, 2) = QStringLiteral(" 0");
        z.Classement(2, 2) = QStringLiteral(" 40");
        QVERIFY(Inscrire_Noms(z, nom1, nom2));
        QCOMPARE(z.Tab_Scores(1, 1), QStringLiteral("1"));
        QCOMPARE(z.Tab_Scores(2, 1), QStringLiteral("Bruno"));
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int echecs = 0;
    {
        TestTextePoints t;
        echecs += QTest::qExec(&t, argc, argv);
    }
    {
        TestClassement t;
        echecs += QTest::qExec(&t, argc, argv);
    }
    {
        TestInscrireNoms t;
        echecs += QTest::qExec(&t, argc, argv);
    }
    return echecs == 0 ? 0 : 1;
}

#include "tst_classement.moc"
