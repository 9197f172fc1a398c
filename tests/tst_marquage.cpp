#include "game/Marquage.h"
#include "game/Niveaux.h"

#include <QtTest>

#include <map>
#include <random>

namespace {

// "G", "Y", "-" per position: reads like the board.
QString lire(const std::array<Marque, 5>& marques) {
    QString s;
    for (const Marque m : marques)
        s += m == Marque::Vert ? u'G' : m == Marque::Jaune ? u'Y' : u'-';
    return s;
}

QString marquer(const QString& cherche, const QString& propose) {
    return lire(Marquer(Texte5(cherche), Texte5(propose)));
}

// Counted the other way round: greens, then per letter how many hidden
// occurrences are left, handed out to the proposal from the left.
QString marquerParComptes(const QString& cherche, const QString& propose) {
    QString s(5, u'-');
    std::map<char16_t, int> restants;
    for (int i = 0; i < 5; ++i) {
        if (cherche[i] == propose[i])
            s[i] = u'G';
        else
            ++restants[cherche[i].unicode()];
    }
    for (int i = 0; i < 5; ++i) {
        if (s[i] == u'G')
            continue;
        int& n = restants[propose[i].unicode()];
        if (n > 0) {
            s[i] = u'Y';
            --n;
        }
    }
    return s;
}

QString mot(int code, int lettres) {
    QString s;
    for (int i = 0; i < 5; ++i) {
        s += QChar(u'A' + code % lettres);
        code /= lettres;
    }
    return s;
}

} // namespace

class TestMarquage : public QObject {
    Q_OBJECT

private slots:
    // Catches a wrong order of the passes or a letter serving twice, on the reference boards.
    void reference_data();
    void reference();
    // Catches repeated letters mishandled: spent twice, taken from a green, or given to the
    // wrong copy of the proposal.
    void lettresRepetees_data();
    void lettresRepetees();
    // Catches a case- or accent-blind comparison: marking compares characters exactly.
    void comparaisonExacte();
    // Catches a yellow taken from the rightmost unused occurrence of the hidden word, and
    // the two blots being the same character.
    void copiesDeTravail();
    // Catches any divergence from the counting rule over every pair of a small alphabet.
    void accordAvecLesComptes();
};

void TestMarquage::reference_data() {
    QTest::addColumn<QString>("cherche");
    QTest::addColumn<QString>("propose");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("TERRE/RETRO") << "TERRE"
                                 << "RETRO"
                                 << "YGYG-";
    QTest::newRow("TERRE/ERRER") << "TERRE"
                                 << "ERRER"
                                 << "YYGY-";
    QTest::newRow("SALUT/PASSE") << "SALUT"
                                 << "PASSE"
                                 << "-GY--";
    QTest::newRow("SALON/SALSA") << "SALON"
                                 << "SALSA"
                                 << "GGG--";
    QTest::newRow("MAMAN/AAAAA") << "MAMAN"
                                 << "AAAAA"
                                 << "-G-G-";
    QTest::newRow("TERRE/T") << "TERRE"
                             << "T    "
                             << "G----";
    QTest::newRow("blancs") << "TERRE"
                            << "     "
                            << "-----";
    QTest::newRow("identiques") << "CHIEN"
                                << "CHIEN"
                                << "GGGGG";
    QTest::newRow("aucune lettre") << "CHIEN"
                                   << "BOULR"
                                   << "-----";
    QTest::newRow("anagramme") << "ROUTE"
                               << "TOURE"
                               << "YGGYG";
}

void TestMarquage::reference() {
    QFETCH(QString, cherche);
    QFETCH(QString, propose);
    QFETCH(QString, attendu);
    QCOMPARE(marquer(cherche, propose), attendu);
}

void TestMarquage::lettresRepetees_data() {
    QTest::addColumn<QString>("cherche");
    QTest::addColumn<QString>("propose");
    QTest::addColumn<QString>("attendu");
    // Twice hidden, once proposed: a single yellow.
    QTest::newRow("ALLER/LAPIN") << "ALLER"
                                 << "LAPIN"
                                 << "YY---";
    // Once hidden, three times proposed: only the leftmost is yellow.
    QTest::newRow("CHIEN/ELEVE") << "CHIEN"
                                 << "ELEVE"
                                 << "Y----";
    // The only occurrence is green further right: no yellow before it.
    QTest::newRow("TIGRE/EVADE") << "TIGRE"
                                 << "EVADE"
                                 << "----G";
    // Both occurrences green: the extra proposed copies stay grey.
    QTest::newRow("ALLER/LLLLL") << "ALLER"
                                 << "LLLLL"
                                 << "-GG--";
    QTest::newRow("PATTE/TTTTT") << "PATTE"
                                 << "TTTTT"
                                 << "--GG-";
    // One occurrence green, the other one yellow from the left of it.
    QTest::newRow("ALLER/LILAS") << "ALLER"
                                 << "LILAS"
                                 << "Y-GY-";
    QTest::newRow("PATTE/TATOU") << "PATTE"
                                 << "TATOU"
                                 << "YGG--";
    // One green, one yellow to its right.
    QTest::newRow("ALLER/BELLE") << "ALLER"
                                 << "BELLE"
                                 << "-YGY-";
    QTest::newRow("TERRE/RIRES") << "TERRE"
                                 << "RIRES"
                                 << "Y-GY-";
    QTest::newRow("BARRE/ARRET") << "BARRE"
                                 << "ARRET"
                                 << "YYGY-";
    // Proposed twice, hidden once and not in place: the leftmost copy only.
    QTest::newRow("ROUTE/ORDRE") << "ROUTE"
                                 << "ORDRE"
                                 << "YY--G";
    // Twice hidden, twice proposed, none in place: both yellow.
    QTest::newRow("RADAR/ARBRE") << "RADAR"
                                 << "ARBRE"
                                 << "YY-Y-";
    // Green taken by the later letter, earlier copy left grey.
    QTest::newRow("ARBRE/TERRE") << "ARBRE"
                                 << "TERRE"
                                 << "--YGG";
    // Triple letters.
    QTest::newRow("ELEVE/EEEEE") << "ELEVE"
                                 << "EEEEE"
                                 << "G-G-G";
    QTest::newRow("ELEVE/VEXEE") << "ELEVE"
                                 << "VEXEE"
                                 << "YY-YG";
    QTest::newRow("AAABB/BBAAA") << "AAABB"
                                 << "BBAAA"
                                 << "YYGYY";
    QTest::newRow("ABBBB/BAAAA") << "ABBBB"
                                 << "BAAAA"
                                 << "YY---";
    QTest::newRow("NAVAL/CABAS") << "NAVAL"
                                 << "CABAS"
                                 << "-G-G-";
}

void TestMarquage::lettresRepetees() {
    QFETCH(QString, cherche);
    QFETCH(QString, propose);
    QFETCH(QString, attendu);
    QCOMPARE(marquer(cherche, propose), attendu);
}

void TestMarquage::comparaisonExacte() {
    QCOMPARE(marquer("TERRE", "terre"), QString("-----"));
    QCOMPARE(marquer("TERRE", QStringLiteral("TÉRRE")), QString("G-GGG"));
    // A never-drawn (zero-filled) word against itself is still all green.
    QCOMPARE(lire(Marquer(Texte5(), Texte5())), QString("GGGGG"));
}

void TestMarquage::copiesDeTravail() {
    Texte5 cherche;
    Texte5 propose;
    const auto marques = Marquer(Texte5("ALLER"), Texte5("LAPIN"), cherche, propose);
    QCOMPARE(lire(marques), QString("YY---"));
    const QString b = QChar(MARQUE_CHERCHE);
    const QString p = QChar(MARQUE_PROPOSE);
    // The L at position 2 served, the one at position 3 is still free.
    QCOMPARE(cherche.texte(), b + b + "LER");
    QCOMPARE(propose.texte(), p + p + "PIN");

    Marquer(Texte5("TERRE"), Texte5("ERRER"), cherche, propose);
    QCOMPARE(cherche.texte(), "T" + b + b + b + b);
    QCOMPARE(propose.texte(), p + p + p + p + "R");
    QVERIFY(MARQUE_CHERCHE != MARQUE_PROPOSE);
}

void TestMarquage::accordAvecLesComptes() {
    // Every pair over A..C, then random pairs over A..D.
    int paires = 0;
    for (int a = 0; a < 243; ++a) {
        for (int b = 0; b < 243; ++b) {
            const QString cherche = mot(a, 3);
            const QString propose = mot(b, 3);
            QCOMPARE(marquer(cherche, propose), marquerParComptes(cherche, propose));
            ++paires;
        }
    }
    std::mt19937 gen(20240611);
    std::uniform_int_distribution<int> tirage(0, 1023);
    for (int n = 0; n < 5000; ++n) {
        const QString cherche = mot(tirage(gen), 4);
        const QString propose = mot(tirage(gen), 4);
        QCOMPARE(marquer(cherche, propose), marquerParComptes(cherche, propose));
        ++paires;
    }
    QCOMPARE(paires, 243 * 243 + 5000);
}

class TestNiveaux : public QObject {
    Q_OBJECT

private slots:
    // Catches a misread scale field (wrong offset, blank kept) for each level.
    void legendes_data();
    void legendes();
    // Catches a level or label number outside the table being read anyway.
    void horsTable();
    // Catches a caption swapped between levels or mis-encoded.
    void options();
};

void TestNiveaux::legendes_data() {
    QTest::addColumn<int>("niveau");
    QTest::addColumn<QStringList>("attendu");
    QTest::newRow("1") << 1 << QStringList{"5", "10", "15", "20", "25"};
    QTest::newRow("2") << 2 << QStringList{"7", "14", "21", "28", "35"};
    QTest::newRow("3") << 3 << QStringList{"8", "16", "24", "32", "40"};
}

void TestNiveaux::legendes() {
    QFETCH(int, niveau);
    QFETCH(QStringList, attendu);
    QStringList lu;
    for (int k = 1; k <= 5; ++k)
        lu << legendeRep_H(niveau, k);
    QCOMPARE(lu, attendu);
}

void TestNiveaux::horsTable() {
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, legendeRep_H(0, 1));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, legendeRep_H(4, 1));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, legendeRep_H(1, 0));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, legendeRep_H(1, 6));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, legendeNiveau(0));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, echelleNiveau(4));
}

void TestNiveaux::options() {
    QCOMPARE(legendeNiveau(1), QStringLiteral("Débutant"));
    QCOMPARE(legendeNiveau(2), QStringLiteral("Compétent"));
    QCOMPARE(legendeNiveau(3), QStringLiteral("Expert"));
    QCOMPARE(legendeNiveau(2).size(), 9);
    QCOMPARE(echelleNiveau(2), QString(" 714212835"));
}

int main(int argc, char** argv) {
    int echecs = 0;
    {
        TestMarquage t;
        echecs += QTest::qExec(&t, argc, argv);
    }
    {
        TestNiveaux t;
        echecs += QTest::qExec(&t, argc, argv);
    }
    return echecs == 0 ? 0 : 1;
}

#include "tst_marquage.moc"
