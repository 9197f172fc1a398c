// The end of a game on the real windows: ranking, the score table with name
// entry or the low-score notice, the saved file, and the next game.

#include "PartieDeTest.h"

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

template <typename T = QWidget> T* controle(QWidget* fenetre, const char* nom) {
    return fenetre->findChild<T*>(QString::fromUtf8(nom));
}

QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString premiereLigne(QWidget* fenetre, const char* colonne) {
    return controle<QLabel>(fenetre, colonne)->text().section(QLatin1Char('\n'), 0, 0);
}

} // namespace

class TestFinPartie : public QObject {
    Q_OBJECT

    QTemporaryDir dossier;
    QString fichier() const { return dossier.filePath(QStringLiteral("VERLO-SB.SCO")); }

private slots:
    void initTestCase() { appliquerApparence(*qApp); }
    void init() { QFile::remove(fichier()); }

    // Catches a qualifying game that does not reach name entry, a name not saved
    // in the file's exact format, or a table not read back at the next start.
    void partieClasseeEtEnregistree() {
        {
            PartieDeTest p({"TERRE"}, fichier());
            p.e.Son_Actif = true;
            p.cliquer(p.f->Nouv_Partie);
            p.tic();
            for (int mot = 1; mot < 10; ++mot) {
                p.proposer(QStringLiteral("terre"));
                QTest::keyClick(p.f->Nouveau, Qt::Key_Return);
            }
            bool vue = false;
            quandModale([&](QWidget* d) {
                vue = true;
                QCOMPARE(d->windowTitle(), QStringLiteral("TABLEAU   DES   SCORES"));
                // The fanfare was started, without waiting, before the table opened.
                QCOMPARE(p.d.son.joues.last(), QStringLiteral("fanfare.wav:async"));
                QVERIFY(controle(d, "Cadre_J(1)")->isVisible());
                QVERIFY(!controle(d, "Cadre_J(2)")->isVisible());
                auto* nom = controle<QLineEdit>(d, "Nom_Sc(1)");
                QCOMPARE(QApplication::focusWidget(), nom);
                QTest::keyClicks(nom, QStringLiteral("NAME"));
                QTest::keyClick(nom, Qt::Key_Return); // moves on, saves nothing
                QVERIFY(!QFile::exists(fichier()));
                QTest::mouseClick(controle<QPushButton>(d, "Valider"), Qt::LeftButton);
                QCOMPARE(lire(fichier()), QByteArray("\"NAME\",\" 250\"\r\n"));
                QTest::mouseClick(controle<QPushButton>(d, "Annuler"), Qt::LeftButton);
            });
            p.proposer(QStringLiteral("terre")); // the tenth word ends the game
            QVERIFY(vue);
            QCOMPARE(p.f->Score(1)->text() + p.f->Num_Mot(1)->text(), QStringLiteral("0001"));
            QVERIFY(p.e.Tab_Scores(1, 1) == QStringLiteral("NAME") && !p.e.Qualifie(1));
        }
        PartieDeTest p({"TERRE"}, fichier()); // next start: "Scores..." shows rank 1
        bool vue = false;
        quandModale([&](QWidget* d) {
            vue = true;
            QVERIFY(!controle(d, "Valider")->isVisible());
            QCOMPARE(premiereLigne(d, "Place") + premiereLigne(d, "Nom") +
                         premiereLigne(d, "Pt_Score"),
                     QStringLiteral("1  NAME   250  "));
            d->close();
        });
        p.cliquer(p.f->Scores);
        QVERIFY(vue);
        QVERIFY(!p.f->Minuterie1->isActive()); // no answer box shown: the clock stays off
    }

    // Catches the answer clock left running under the table, reset by it, or not
    // restarted when the table closes in any way.
    void scoresPendantUnMot() {
        PartieDeTest p({"TERRE"}, fichier());
        p.cliquer(p.f->Nouv_Partie);
        p.d.horloge.avancer(7000);
        const auto debut = p.e.Debut_Chrono;
        for (const int fermer : {0, 1, 2}) {
            quandModale([&](QWidget* d) {
                QVERIFY(!p.f->Minuterie1->isActive());
                if (fermer == 0)
                    QTest::mouseClick(controle<QPushButton>(d, "Annuler"), Qt::LeftButton);
                else if (fermer == 1)
                    QTest::keyClick(d, Qt::Key_Escape);
                else
                    d->close();
            });
            p.cliquer(p.f->Scores);
            QVERIFY(p.f->Minuterie1->isActive() && p.e.Debut_Chrono == debut);
            QCOMPARE(p.focus(), p.boite());
        }
    }
};

QTEST_MAIN(TestFinPartie)
#include "tst_fin_partie.moc"
