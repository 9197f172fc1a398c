// The word-list loader: what a file's lines become in the lists.

#include "app/ListesMots.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList textes(const std::vector<Texte5>& mots) {
    QStringList l;
    for (const auto& m : mots)
        l << m.texte();
    return l;
}

QByteArray lignes(int n, const QByteArray& fin = "\r\n") {
    QByteArray o;
    for (int i = 1; i <= n; ++i)
        o += QByteArray::number(10000 + i) + fin;
    return o;
}

} // namespace

class TestListes : public QObject {
    Q_OBJECT
private slots:
    // Catches lines stored with their line end, unpadded, or not cut at five.
    void coupeEtComplete() {
        QCOMPARE(textes(lireListe("TERRESTRE\r\nAMI\r\n\r\nPOMME\r\n")),
                 (QStringList{"TERRE", "AMI  ", "     ", "POMME"}));
        // A final line without its end still counts; LF alone ends a line too.
        QCOMPARE(textes(lireListe("TABLE\nCHIEN\r\nFLEUR")),
                 (QStringList{"TABLE", "CHIEN", "FLEUR"}));
    }

    // Catches a final line end read as an extra empty word, and blank lines skipped.
    void finDeFichierEtLignesVides() {
        QCOMPARE(lireListe("ABCDE\r\nFGHIJ\r\nKLMNO\r\n").size(), 3u);
        QCOMPARE(lireListe("ABCDE\r\n\r\n\r\nKLMNO").size(), 4u);
        QCOMPARE(lireListe("").size(), 0u);
        QCOMPARE(lireListe("\r\n").size(), 1u); // one blank line is one (blank) word
    }

    // Catches a list written with accents that could never be found, or a
    // lower-case letter silently changed.
    void capitalesAccentueesPliees() {
        // É and Ç in Windows-1252: 0xC9, 0xC7; é is 0xE9.
        QCOMPARE(textes(lireListe("\xC9\x43OLE\r\nGLA\xC7ON\r\nt\xE9t\xE9s\r\n")),
                 (QStringList{"ECOLE", "GLACO", QString::fromUtf8("tétés")}));
    }

    // Catches an endless retry or an overflow on a list longer than its capacity.
    void capacite() {
        QCOMPARE(lireListe(lignes(1400)).size(), 1400u);
        const auto mots = lireListe(lignes(1401, "\n"));
        QCOMPARE(mots.size(), 1400u);
        QCOMPARE(mots.back().texte(), QStringLiteral("11400"));
    }

    // Catches a loader that reports success for an empty or missing file, or
    // keeps the counter of an earlier attempt.
    void chargementFichier() {
        QTemporaryDir dossier;
        EtatJeu e;
        const QString chemin = dossier.filePath(QStringLiteral("5L-2.txt"));
        QVERIFY(!Charger_Liste(e, 2, chemin));
        QCOMPARE(e.Nb_Mots(2), 0);

        QFile f(chemin);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("MAISON\r\nVELO\r\nARBRE\r\n");
        f.close();
        QVERIFY(Charger_Liste(e, 2, chemin));
        QCOMPARE(e.Nb_Mots(2), 3);
        QCOMPARE(e.Liste_Mots(2, 1).texte(), QStringLiteral("MAISO"));
        QCOMPARE(e.Liste_Mots(2, 2).texte(), QStringLiteral("VELO "));
        QCOMPARE(e.Liste_Mots(2, 3).texte(), QStringLiteral("ARBRE"));

        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.close();
        QVERIFY(!Charger_Liste(e, 2, chemin));
        QCOMPARE(e.Nb_Mots(2), 0);
    }

    // Catches an index slip in the shared arrays: list 4 and position 1401 do not exist.
    void bornes() {
        EtatJeu e;
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, e.Nb_Mots(4));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, e.Liste_Mots(1, 1401));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, e.Score_J(3));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, e.Grille_J(0, 26));
        // Back to the state before start-up: what a list held is gone.
        QVERIFY(Charger_Liste(e, 1, QFINDTESTDATA("tst_listes.cpp")));
        e.remettreAZero();
        QVERIFY(e.Nb_Mots(1) == 0 && e.Liste_Mots(1, 1).texte() == QString(5, QChar(0)));
    }
};

QTEST_GUILESS_MAIN(TestListes)
#include "tst_listes.moc"
