// The three word lists as committed: a hand edit that breaks their format fails here.

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

class TestListesLivrees : public QObject {
    Q_OBJECT
private slots:
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

QTEST_GUILESS_MAIN(TestListesLivrees)
#include "tst_listes_livrees.moc"
