// Marking a proposal against the hidden word, and the points scale beside the rows.

#include "app/Marquage.h"
#include "game/Niveaux.h"

#include <QtTest>

namespace {

// "G", "Y", "-" per position: reads like the board.
QString marquer(const QString& cherche, const QString& propose) {
    QString s;
    for (const Marque m : Marquer(Texte5(cherche), Texte5(propose)))
        s += m == Marque::Vert ? u'G' : m == Marque::Jaune ? u'Y' : u'-';
    return s;
}

} // namespace

class TestMarquage : public QObject {
    Q_OBJECT

private slots:
    // Catches a wrong order of the passes, a letter serving twice or a case- or accent-blind
    // comparison, on boards checked by hand (hidden word, proposal, marks).
    void plateaux() {
        const char* plateaux[][3] = {
            {"TERRE", "RETRO", "YGYG-"}, {"TERRE", "ERRER", "YYGY-"}, {"SALUT", "PASSE", "-GY--"},
            {"SALON", "SALSA", "GGG--"}, {"MAMAN", "AAAAA", "-G-G-"}, {"TERRE", "T    ", "G----"},
            {"TERRE", "     ", "-----"}, {"CHIEN", "CHIEN", "GGGGG"}, {"ALLER", "LAPIN", "YY---"},
            {"CHIEN", "ELEVE", "Y----"}, {"TIGRE", "EVADE", "----G"}, {"ALLER", "BELLE", "-YGY-"},
            {"ARBRE", "TERRE", "--YGG"}, {"ELEVE", "VEXEE", "YY-YG"}, {"RADAR", "ARBRE", "YY-Y-"},
            {"TERRE", "terre", "-----"}, {"TERRE", "TÉRRE", "G-GGG"}};
        for (const auto& [cherche, propose, marques] : plateaux)
            QVERIFY2(marquer(cherche, propose) == marques, propose);
    }

    // Catches a yellow taken from the rightmost free occurrence of the hidden word, or a
    // served letter left unblotted, in the working copies the game keeps.
    void copiesDeTravailEtEchelle() {
        Texte5 cherche, propose;
        Marquer(Texte5("ALLER"), Texte5("LAPER"), cherche, propose); // marks YY-GG
        const QString b(2, MARQUE_CHERCHE), p(2, MARQUE_PROPOSE);
        QCOMPARE(cherche.texte() + propose.texte(), b + 'L' + b + p + 'P' + p);
        // A level or a label outside the points scale is refused (each label's value is
        // checked through the points the game gives).
        for (const auto& [niveau, k] : {std::pair(0, 1), {4, 1}, {1, 0}, {1, 6}})
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, legendeRep_H(niveau, k));
    }
};

QTEST_GUILESS_MAIN(TestMarquage)
#include "tst_marquage.moc"
