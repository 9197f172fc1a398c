// The word-list loader: what a file's lines become in the lists, and which files it reads;
// the three lists as committed, whose format a hand edit could break.

#include "app/ListesMots.h"

#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

QStringList textes(const std::vector<Texte5>& mots) {
    QStringList l;
    for (const auto& m : mots)
        l << m.texte();
    return l;
}

} // namespace

class TestListes : public QObject {
    Q_OBJECT
private slots:
    // Catches a line kept that can never be the hidden word (blank, short, digits, a line
    // end alone), a line end read as a letter or as an extra word, lower case or accents
    // left as they are, UTF-8 read as the code page, or the mark some editors put first
    // taken into the first word.
    void motsJouables() {
        QCOMPARE(textes(lireListe("TERRESTRE\r\nAMI\r\n\r\n     \r\npomme\nT3RRE\r\nFLEUR")),
                 (QStringList{"TERRE", "POMME", "FLEUR"}));
        // Windows-1252: É, Ç, é; then UTF-8 (Œ is no letter A to Z).
        QCOMPARE(textes(lireListe("\xC9\x43OLE\r\nGLA\xC7ON\r\nt\xE9t\xE9s\r\n")),
                 (QStringList{"ECOLE", "GLACO", "TETES"}));
        QCOMPARE(textes(lireListe("\xEF\xBB\xBF"
                                  "ÉCOLE\r\nglaçon\r\nœuvre\r\nÊtres\r\n")),
                 (QStringList{"ECOLE", "GLACO", "ETRES"}));
        QCOMPARE(lireListe(QByteArray(100000, '\n')).size(), 0u);
    }

    // Catches more than 1400 words kept, or skipped lines counted against the 1400.
    void capacite() {
        QByteArray o("\r\n\r\n");
        for (int i = 0; i < 1401; ++i) // ABAAA, ABAAB...
            o += "AB" + QByteArray(1, char('A' + i / 676)) + char('A' + i / 26 % 26) +
                 char('A' + i % 26) + "\n\r\n";
        const auto mots = lireListe(o);
        QVERIFY(mots.size() == 1400u && mots.back().texte() == "ABCBV");
    }

    // Catches a loader that reports success for an empty, missing, unplayable or non-regular
    // file (a FIFO would hold start-up for ever, a device fill memory), refuses a link to a
    // list, or keeps the counter of an earlier attempt; a reset keeping a list, or an index
    // slip in the shared arrays.
    void chargementFichier() {
        QTemporaryDir dossier;
        EtatJeu e;
        const QString chemin = dossier.filePath(QStringLiteral("5L-2.txt"));
        const auto charger = [&](const QByteArray& octets) {
            QFile f(chemin);
            const bool ecrit = f.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                               f.write(octets) == octets.size();
            f.close();
            return ecrit && Charger_Liste(e, 2, chemin);
        };
        QVERIFY(!Charger_Liste(e, 2, chemin));
        QVERIFY(charger("MAISON\r\nVELO\r\nARBRE\r\n") && e.Nb_Mots(2) == 2);
        QCOMPARE(e.Liste_Mots(2, 1).texte() + e.Liste_Mots(2, 2).texte(), "MAISOARBRE");
        QVERIFY(QFile::link(chemin, dossier.filePath("lien.txt")));
        QVERIFY(Charger_Liste(e, 2, dossier.filePath("lien.txt")) && e.Nb_Mots(2) == 2);
        EtatJeu neuf = e; // back to the state before start-up: what a list held is gone
        neuf.remettreAZero();
        QVERIFY(neuf.Nb_Mots(2) == 0 && neuf.Liste_Mots(2, 1).texte() == QString(5, QChar(0)));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, e.Nb_Mots(4)); // list 4 does not exist
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, e.Liste_Mots(1, 1401));
        for (const QByteArray& vide : {QByteArray(), QByteArray("\r\n\r\n\r\n12345\r\n")})
            QVERIFY(!charger(vide) && e.Nb_Mots(2) == 0);
        const QString fifo = dossier.filePath("5L-3.txt");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(QFile::link("/dev/zero", dossier.filePath("zero.txt")));
        for (const QString& special : {fifo, dossier.filePath("zero.txt"), dossier.path()})
            QVERIFY2(!Charger_Liste(e, 3, special) && e.Nb_Mots(3) == 0, qPrintable(special));
    }

    // Catches a line that is not five capitals A-Z (an accent, a lower-case
    // letter, a blank), a line end other than CR LF, a word met twice in a
    // list or in two lists, and a list too short or longer than the game reads.
    void formatDesTroisListes() {
        const QRegularExpression ligneValide(QStringLiteral("^[A-Z]{5}\r$"));
        QSet<QByteArray> vus;
        for (int n = 1; n <= 3; ++n) {
            QFile f(QStringLiteral(VERLO_DOSSIER_LISTES "/5L-%1.txt").arg(n));
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
            QList<QByteArray> lignes = f.readAll().split('\n');
            QVERIFY2(lignes.takeLast().isEmpty(), qPrintable(f.fileName() + " ends without CR LF"));
            QVERIFY2(lignes.size() >= 300 && lignes.size() <= 1400, qPrintable(f.fileName()));
            for (qsizetype i = 0; i < lignes.size(); ++i) {
                QVERIFY2(ligneValide.match(QString::fromLatin1(lignes[i])).hasMatch() &&
                             !vus.contains(lignes[i]),
                         qPrintable(f.fileName() + ", bad or repeated line " + lignes[i]));
                vus.insert(lignes[i]);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestListes)
#include "tst_listes.moc"
