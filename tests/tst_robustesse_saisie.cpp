// Keys held or typed at the wrong moment, and the window closed mid-word, on the real
// windows: a held key counts once, input during a pause is dropped, closing ends the game.

#include "PartieDeTest.h"
#include "scores/Classement.h"
#include "scores/Form4.h"

#include <QLabel>

namespace {

// A key as X11 delivers it: with the server's timestamp, never flagged as a repeat.
void touche(QWidget* w, QEvent::Type type, int cle, quint64 instant) {
    QKeyEvent ev(type, cle, Qt::NoModifier, cle == Qt::Key_Return ? "\r" : QString());
    ev.setTimestamp(instant);
    QCoreApplication::sendEvent(w, &ev);
}

// A key held from `debut`: its press, then the release/press pairs of its repeats (given
// to whichever widget has the focus by then), not yet its release.
void tenir(QWidget* w, int cle, quint64 debut) {
    touche(w, QEvent::KeyPress, cle, debut);
    for (quint64 t = debut + 500; t < debut + 2000; t += 40)
        for (const auto type : {QEvent::KeyRelease, QEvent::KeyPress})
            touche(QApplication::focusWidget() ? QApplication::focusWidget() : w, type, cle, t);
}

} // namespace

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
        QCOMPARE(p.e.Mots_Joues(1), 2);
        QVERIFY(p.e.Ligne == 1 && p.couleurs(1) == "G----" && p.focus() == p.boite());
    }

    // Catches a held Enter in a name box that goes on to press "Valider".
    void nomTenu() {
        ServicesDeTest d;
        EtatJeu e;
        e.Nb_Joueurs = 1;
        e.Score_J(1) = 50;
        e.Fichier_Scores = QStringLiteral("/nonexistent/S.SCO");
        Classer_Partie(e);
        Form4 f(e, d.services(), nullptr);
        f.signalerErreur = [](const QString&, const QString&) {
        };
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        tenir(f.Nom_Sc(1), Qt::Key_Return, 1000);
        QVERIFY(f.Valider->hasFocus() && f.Valider->isVisible() && e.Qualifie(1));
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
