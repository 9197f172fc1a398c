// The score windows. The table: the rows as shown, the name entry of the qualified players and
// the saving on "Valider". The low-score notice: the sheep's rhythm on the steady clock, with
// and without the bleat, and "D'ACCORD !" in the middle of it.

#include "Doubles.h"
#include "Etat.h"
#include "app/controles/Bouton.h"
#include "app/controles/Image.h"
#include "app/controles/Panel3D.h"
#include "scores/Form4.h"
#include "scores/Form5.h"

#include <QTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

const QTemporaryDir dossier;

// The table at the end of a game of these scores over these stored rows (name, points...),
// saving in the test's folder, shown and active. An error would throw rather than wait for a
// click in a box.
struct Table {
    EtatJeu e;
    std::unique_ptr<Form4> f;
    Table(const QStringList& stockees, const QList<int>& scores) {
        preparerEtat(e, stockees, scores);
        f = std::make_unique<Form4>(e, dossier.filePath(u"VERLO-SB.SCO"_s), nullptr);
        f->signalerErreur = nullptr;
        f->show();
        std::ignore = QTest::qWaitForWindowActive(f.get()); // else the focus checks fail
    }
};

class TestScoresFenetres : public QObject {
    Q_OBJECT

private slots:
    // The players' scores, and where the focus is at the start, then after each Enter.
    void saisie_data() {
        QTest::addColumn<QList<int>>("scores");
        QTest::addColumn<QString>("focus");
        QTest::newRow("joueur 2 inscrit") << QList{0, 100} << "Nom_Sc(2) Valider";
        QTest::newRow("les deux inscrits") << QList{60, 50} << "Nom_Sc(1) Nom_Sc(2) Valider";
        QTest::newRow("personne: le tableau seul") << QList{0} << "Annuler";
    }
    // Catches the box of a player who did not qualify shown, the focus starting elsewhere than
    // the first box shown, Enter (main or keypad) moving it in the wrong order, or saving
    // instead of only moving on.
    void saisie() {
        QFETCH(QList<int>, scores);
        QFETCH(QString, focus);
        Table t({}, scores);
        QStringList vus{qApp->focusWidget()->objectName()};
        for (qsizetype i = 1; i < focus.count(u' ') + 1; ++i) {
            QTest::keyClick(qApp->focusWidget(), i == 1 ? Qt::Key_Return : Qt::Key_Enter);
            vus << qApp->focusWidget()->objectName();
        }
        QCOMPARE(vus, focus.split(u' '));
    }

    // Catches the table shown unsorted, with rows of 0 points or less, or names and points out
    // of step; a name changed on its way to the file (a double quote, a control character or
    // one the file cannot hold let in by typing or pasting); an empty box not saved as
    // "Anonyme" (in the box too); the entry left to save twice or offered again by "Scores...".
    void valider() {
        Table t({"Chloé", " 30", "Zéro", " 0", "Bruno", " 50", "Moins", "-5"}, {250, 40});
        QApplication::clipboard()->setText(u"N\"A\t\u2605"_s);
        QTest::keyClick(t.f->Nom_Sc(1), Qt::Key_V, Qt::ControlModifier); // pasted
        QTest::keyClicks(t.f->Nom_Sc(1), u"\"E"_s);                      // then typed
        QTest::mouseClick(t.f->Valider, Qt::LeftButton);
        QCOMPARE(t.f->Nom_Sc(2)->text(), u"Anonyme"_s);
        QVERIFY(QFile::exists(dossier.filePath(u"VERLO-SB.SCO"_s)));
        QCOMPARE(t.f->Nom->text(), u"NAE  \nBruno  \nAnonyme  \nChloé  \n"_s);
        QVERIFY(t.f->Valider->isHidden());
        QCOMPARE(t.e.Qualifie(1), false);
    }

    // The sound switch, the wait in which "D'ACCORD !" is pressed (0: none), and what the
    // notice does for six seconds: each wait and the picture shown through it ("2:1000", the
    // open mouth for a second), each sound and the picture shown while it plays.
    void rythmes_data() {
        // clang-format off
        QTest::addColumn<bool>("son");
        QTest::addColumn<int>("fermeture");
        QTest::addColumn<QString>("vus");
        QTest::newRow("sans son") << false << 0 << "2:1000 1:1000 2:1000 1:1000 2:1000 1:1000 2:1000";
        QTest::newRow("bêlement de 1,5 s") << true << 0 << "2:1000 1:mouton.wav:attente 2:1000 1:mouton.wav:attente 2:1000";
        QTest::newRow("D'ACCORD ! dans la première attente") << false << 2 << "2:1000 1:1000";
        // clang-format on
    }
    // Catches the lost tick of a timer that cannot fire during its own waits (the open mouth
    // then stays two seconds), waits not measured on the injected clock, a bleat asked for with
    // the sound off, not played at each tick, not waited for or played with the open mouth, the
    // open mouth not shown one second after it, both pictures shown at once; a tick that goes
    // on after "D'ACCORD !" in one of its waits, or the animation left running after it.
    void rythmes() {
        QFETCH(bool, son);
        QFETCH(int, fermeture);
        QFETCH(QString, vus);
        EtatJeu e;
        e.Son_Actif = son;
        ServicesDeTest d;
        Form5 f(e, d.services(), nullptr);
        QStringList images;
        d.son.pendantJouer = [&] {
            images << QString::number(f.Image1(1)->isHidden() ? 2 : 1) + u':' + d.son.joues.last();
            d.horloge.avancer(1500); // the bleat's length
        };
        d.horloge.pendantAttente = [&](qint64 ms) {
            QVERIFY(f.Image1(1)->isHidden() != f.Image1(2)->isHidden()); // one picture at a time
            if (ms > 0)
                images << QStringLiteral("%1:%2").arg(f.Image1(1)->isHidden() ? 2 : 1).arg(ms);
            if (images.size() == fermeture)
                f.Daccord->click();
        };
        // The timer fired by hand each time it falls due, as the single-shot timer would.
        while (d.horloge.ms < 1'006'000 && f.Minuterie1->isActive()) { // six seconds
            d.horloge.sommeil(f.Minuterie1->interval());
            f.Minuterie1->stop();
            QMetaObject::invokeMethod(f.Minuterie1, "timeout");
        }
        QCOMPARE(images, vus.split(u' '));
    }
};

QTEST_MAIN(TestScoresFenetres)
#include "tst_fenetres_scores.moc"
