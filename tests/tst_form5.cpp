// The low-score notice: its layout, the sheep's two pictures with and without the
// bleat, its waits, and every way of closing it.

#include "Doubles.h"
#include "app/controles/Bouton.h"
#include "app/controles/Image.h"
#include "app/controles/Panel3D.h"

#include "scores/Form5.h"

#include <QTest>
#include <QtWidgets>

void rien() {}

// The notice, its own timer set far off: the test gives the ticks. The test's clock stands
// still but for steps posted to run inside the waits, each noting the pictures shown and
// letting half a second pass: a one-second wait sees two steps.
struct Banc {
    EtatJeu e;
    ServicesDeTest d; // d.son.joues: the sounds asked for and the steps seen, in order
    QWidget principale;
    std::unique_ptr<Form5> f = std::make_unique<Form5>(e, d.services(), &principale);
    const bool minuterie = f->Minuterie1->isActive() && f->Minuterie1->interval() == 1000;
    std::function<void()> pendant = rien; // done inside the next wait

    Banc() { f->Minuterie1->start(86'400'000); }
    QString vu(int i) const { return f && !f->Image1(i)->isHidden() ? QString::number(i) : ""; }
    void tiquer() {
        QObject tic; // the step still posted when the tick ends goes with it
        QTimer::singleShot(0, &tic, [this, &tic] { pas(&tic); });
        QMetaObject::invokeMethod(f->Minuterie1, "timeout");
    }
    void pas(QObject* tic) {
        d.son.joues << vu(1) + vu(2);
        d.horloge.ms += 500;
        QTimer::singleShot(0, tic, [this, tic] { pas(tic); });
        std::exchange(pendant, rien)(); // last: a wait it opens has its step
    }
};

class TestForm5 : public QObject {
    Q_OBJECT

private slots:
    // Catches a caption, colour or place wrong, the wrong picture shown first, or no timer
    // running at one tick a second.
    void disposition() {
        Banc b;
        const Form5& f = *b.f;
        QVERIFY(b.minuterie && f.isModal() && f.windowTitle() == "Contrôle des Scores");
        QVERIFY(f.Daccord->text() == "D'ACCORD !" && b.vu(1) + b.vu(2) == "2");
        QVERIFY(f.Panel3D1->text() ==
                "Votre Score trop nul ne vous permet pas d'entrer dans le "
                "Hit-Parade ! Essayez de faire un peu mieux la prochaine fois !...");
        QVERIFY(f.palette().window().color() == 0x800080 && f.Panel3D1->backColor() == 0xc0c0c0);
        QVERIFY(f.Panel3D1->foreColor() == 0x80 &&
                f.Daccord->palette().buttonText().color() == 0x800000);
        QCOMPARE(QList<QRect>({f.Panel3D1->geometry(), f.Daccord->geometry(),
                               f.Image1(1)->geometry(), f.Image1(2)->geometry()}),
                 QList<QRect>({QRect(56, 8, 281, 89), QRect(128, 134, 115, 31),
                               QRect(172, 100, 32, 32), QRect(172, 100, 32, 32)}));
    }

    // Catches pictures that do not alternate, or a wait that does not last one second; a tick
    // run inside another when it falls due during a wait, or late ticks piling up; a bleat asked
    // for with the sound off, not waited for, or missing from a tick with the sound on.
    void animation() {
        Banc b;
        b.pendant = [&] { // two ticks fall due during the first wait
            for (int k = 0; k < 2; ++k)
                QMetaObject::invokeMethod(b.f->Minuterie1, "timeout");
        };
        b.tiquer();
        b.e.Son_Actif = true;
        b.tiquer();
        QCOMPARE(b.d.son.joues, QStringList({"1", "1", "2", "2", "1", "1", "2", "2",
                                             "mouton.wav:attente", "2", "2"}));
    }

    // Catches "D'ACCORD !", Escape or the close button not closing the notice, or a tick that
    // goes on (or never ends) once the notice is closed during one of its waits.
    void fermetures() {
        for (const int k : {0, 1, 2}) {
            Banc b;
            b.pendant = [&] {
                k == 0   ? b.f->Daccord->click()
                : k == 1 ? QTest::keyClick(b.f.get(), Qt::Key_Escape)
                         : void(b.f->close());
            };
            QTimer::singleShot(0, b.f.get(), [&] { b.tiquer(); });
            QCOMPARE(b.f->exec(), int(QDialog::Accepted));
            QVERIFY(b.d.son.joues == QStringList{"1"} && !b.f->Minuterie1->isActive());
        }
    }
};

QTEST_MAIN(TestForm5)
#include "tst_form5.moc"
