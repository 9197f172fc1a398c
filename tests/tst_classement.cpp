// Points text, the ranking of a finished game and the saving of the players' names.

#include "app/Points.h"
#include "scores/Classement.h"

#include <QRegularExpression>
#include <QTest>

#include <tuple>

namespace {

// A state whose stored rows are given as "name:points text" or bare points (then named A, B,
// C... by row), separated by '|', with the players' scores.
EtatJeu etat(const QString& lignes, int score1 = 0, int score2 = 0) {
    EtatJeu e;
    for (int r = 1; const QString& l : lignes.split(u'|', Qt::SkipEmptyParts)) {
        e.Tab_Scores(r, 1) = l.contains(u':') ? l.section(u':', 0, 0) : QString(QChar(u'@' + r));
        e.Tab_Scores(r++, 2) = l.contains(u':') ? l.section(u':', 1) : Points_En_Texte(l.toInt());
    }
    e.Score_J(1) = static_cast<std::int16_t>(score1);
    e.Score_J(2) = static_cast<std::int16_t>(score2);
    return e;
}

// Tab_Scores rows 1..12 as "name:points", joined by '|'.
QString tableau(const EtatJeu& e) {
    QStringList l;
    for (int r = 1; r <= LIGNES_SCORES; ++r)
        l << e.Tab_Scores(r, 1) + u':' + e.Tab_Scores(r, 2);
    return l.join(u'|');
}

// Ranks a game, qualifications of an earlier one left set, and shows Classement rows 1..14 as
// "name:points", the players' own rows as J1 and J2, then who qualified ("Q:12", "Q:"); a
// final "!" flags the stored table touched or Nb_Scores not 14.
QString classer(const QString& table, int score1, int score2) {
    EtatJeu e = etat(table, score1, score2);
    e.Qualifie(1) = e.Qualifie(2) = true;
    Classer_Partie(e);
    QString s;
    for (int r = 1; r <= LIGNES_SCORES + 2; ++r) // a player's row is named by his number
        s += (e.Classement_Joueur(r) ? "J" : "") + e.Classement(r, 1) + u':' +
             e.Classement(r, 2).trimmed() + u' ';
    const bool intact = tableau(e) == tableau(etat(table)) && e.Nb_Scores == 14;
    return s + "Q:" + (e.Qualifie(1) ? "1" : "") + (e.Qualifie(2) ? "2" : "") + (intact ? "" : "!");
}

// Ranks the game and saves the names typed: whether anything was saved, the names as left in
// the boxes, then the table.
QString inscrire(EtatJeu e, QString nom1, QString nom2) {
    Classer_Partie(e);
    const bool inscrit = Inscrire_Noms(e, nom1, nom2);
    return (inscrit ? "oui " : "non ") + nom1 + u'/' + nom2 + u' ' + tableau(e);
}

const QString dix = "120|110|100|90|80|70|60|50|40|30|20|10";

} // namespace

class TestClassement : public QObject {
    Q_OBJECT

private slots:
    // Catches a missing or doubled leading blank or a blank before a minus, and a reading that
    // trims more than the leading blanks, takes a plus sign, other scripts' digits or what
    // follows the number, or overflows a 64-bit integer.
    void textesEtValeurs() {
        QCOMPARE(Points_En_Texte(125) + Points_En_Texte(-5) + Points_En_Texte(0), " 125-5 0");
        const QString lectures = " 125=125|-5=-5| 0=0|125=125|   -5=-5|=0|-=0|12ab3=12| 1 2=1|"
                                 "- 5=0|+5=0|x 9=0|١٢=0|100000000000000000000=1e20";
        for (const QString& l : lectures.split(u'|')) // text=value
            QVERIFY2(Valeur_Points(l.split('=')[0]) == l.split('=')[1].toDouble(), qPrintable(l));
    }

    // Catches a sort that is not decreasing, reads hand-edited points otherwise than the game
    // (no digits: 0), breaks ties otherwise than by its own steps, or leaves Nb_Scores unset.
    void trierScores() {
        EtatJeu e = etat("A: 5|B:-3|C: 0|D: 17|E:|F: 8|G:abc|H:8|I:-|J:x 9|K: 12|L: 3");
        Trier_Scores(e);
        QCOMPARE(QString::number(e.Nb_Scores) + tableau(e),
                 "12D: 17|K: 12|F: 8|H:8|A: 5|L: 3|G:abc|E:|C: 0|J:x 9|I:-|B:-3");
    }

    // Catches a tie broken otherwise than by the sort's own steps (the players see it), a
    // player's row losing its mark in an exchange, a qualification on points equal to a stored
    // score, on 0 or less, or from row 13 or 14, one left from an earlier game, a stored "1" or
    // "2" taken for a player, or the stored table touched. "*" stands for any rows.
    void classerPartie() {
        const std::tuple<QString, int, int, QString> parties[] = {
            {QString("100|").repeated(12), 100, 0, "* J1:100 J2:0 Q:"},
            {QString("100|").repeated(12), 101, 0, "J1:101 * J2:0 Q:1"},
            {dix, 11, 11, "* K:20 J1:11 J2:11 L:10 Q:1"},
            {"40|40|35|35|30|30|25|15|15|15|15|0", 15, 35,
             "A:40 B:40 C:35 D:35 J2:35 E:30 F:30 G:25 I:15 J:15 H:15 J1:15 K:15 L:0 Q:12"},
            {dix, 60, 0,
             "A:120 B:110 C:100 D:90 E:80 F:70 G:60 J1:60 H:50 I:40 J:30 K:20 L:10 J2:0 Q:1"},
            {dix, 120, 0, "A:120 J1:120 B:110 * Q:1"},
            {dix, 10, 0, "* K:20 L:10 J1:10 J2:0 Q:"},
            {"", 50, 0, "J1:50 * Q:1"},
            {"", 1, 30, "J2:30 J1:1 * Q:12"},
            {"", 0, 0, "* Q:"},
            {"", -5, 7, "J2:7 * J1:-5 Q:2"},
            {"1: 200|2: 150|" + dix.section(u'|', 2), 5, 5, "1:200 2:150 * Q:"}};
        for (const auto& [table, score1, score2, motif] : parties) {
            const QString lu = classer(table, score1, score2);
            QVERIFY2(QRegularExpression::fromWildcard(motif).match(lu).hasMatch(), qPrintable(lu));
        }
    }

    // Catches names swapped, trimmed or recased, a typed name put on a stored row named "1" or "2",
    // rows 13 and 14 kept, or anything changed when nobody qualified.
    void inscrireNoms() {
        QCOMPARE(inscrire(etat(dix, 60, 115), " zoé ", "BRUNO"),
                 "oui  zoé /BRUNO A: 120|BRUNO: 115|B: 110|C: 100|D: 90|E: 80|F: 70|G: 60|"
                 " zoé : 60|H: 50|I: 40|J: 30");
        QCOMPARE(inscrire(etat(dix, 10), "", "Bruno"), "non /Bruno " + tableau(etat(dix)));
        QVERIFY(inscrire(etat("1: 200|2: 150|" + dix.section(u'|', 2), 5, 95), "Alice", "Bruno")
                    .startsWith("oui Alice/Bruno 1: 200|2: 150|C: 100|Bruno: 95|D: 90|"));
    }
};

QTEST_GUILESS_MAIN(TestClassement)
#include "tst_classement.moc"
