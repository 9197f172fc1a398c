// Keys held or typed at the wrong moment, and the window closed mid-word, on the real
// windows: a held key counts once, input during a pause is dropped, closing ends the game.

#include "PartieDeTest.h"

#include <QLabel>

class TestRobustesseSaisie : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { appliquerApparence(*qApp); }

    // Catches a held Enter that validates a line per repeat or, on "MOT suivant", starts a
    // word and validates its lines; a held Insert whose repeats hide the hidden word; or a
    // real release or a new press taken for a repeat.
    void toucheTenue() {
        PartieDeTest p;
        p.cliquer(p.f->Nouv_Partie);
        p.taper(QStringLiteral("tasse"));
        tenir(p.boite(), Qt::Key_Return, 1000);
        QCOMPARE(p.e.Ligne, 2);
        touche(p.boite(), QEvent::KeyRelease, Qt::Key_Return, 3000);
        touche(p.boite(), QEvent::KeyPress, Qt::Key_Return, 3100); // a new press
        QCOMPARE(p.e.Ligne, 3);

        QTest::keyClick(p.boite(), Qt::Key_PageUp);
        tenir(p.boite(), Qt::Key_Insert, 4000);
        QCOMPARE(p.f->Solution->text(), "TERRE");
        touche(p.boite(), QEvent::KeyRelease, Qt::Key_Insert, 6000);
        QTRY_COMPARE(p.f->Solution->text(), QString());

        p.proposer(QStringLiteral("terre"));
        QCOMPARE(p.focus(), p.f->Nouveau);
        tenir(p.f->Nouveau, Qt::Key_Return, 7000);
        QVERIFY(p.e.Mots_Joues(1) == 2 && p.e.Ligne == 1 && p.couleurs(1) == "G----");
        QCOMPARE(p.focus(), p.boite());
    }

    // Catches keys and clicks given during the spelled solution acted upon (a new word or
    // game started at once).
    void saisiePendantLaPause() {
        PartieDeTest p;
        p.f->setPauseLettresMs(20);
        p.cliquer(p.f->Nouv_Partie);
        QTimer::singleShot(0, p.f.get(), [&p] {
            QTest::keyClick(p.f->Nouveau, Qt::Key_Return);
            p.cliquer(p.f->Nouv_Partie);
        });
        p.proposer(QStringLiteral("terre"));
        QVERIFY(p.e.Mot_Fini && p.solution() == "TERRE" && p.e.Score_J(1) == 25);
    }

    // Catches closing the window during the last word's spelled solution followed by the
    // score table.
    void fermetureEnFinDePartie() {
        PartieDeTest p;
        p.f->setPauseLettresMs(20);
        p.cliquer(p.f->Nouv_Partie);
        p.e.Mots_Joues(1) = 10; // the last word
        bool tableau = false;
        quandModale([&tableau](QWidget* d) { tableau = true, d->close(); });
        QTimer::singleShot(0, p.f.get(), &QWidget::close);
        p.proposer(QStringLiteral("terre"));
        QVERIFY(!p.f->isVisible() && !p.e.Qualifie(1));
        QTest::qWait(20);
        QVERIFY(!tableau);
    }
};

QTEST_MAIN(TestRobustesseSaisie)
#include "tst_robustesse_saisie.moc"
