// The low-score notice: the sheep's rhythm on the steady clock, with and without the bleat,
// and every way of closing it.

#include "Doubles.h"
#include "app/controles/Apparence.h"
#include "app/controles/Bouton.h"
#include "app/controles/Image.h"

#include "scores/Form5.h"

#include <QRegularExpression>
#include <QTest>
#include <QTimer>

// The notice on a clock that moves only when the test says. The bleat lasts `bleat` ms.
struct Banc {
    EtatJeu e;
    ServicesDeTest d;
    std::int64_t bleat = 0;
    std::function<void()> pendantBleat;
    std::unique_ptr<Form5> f;

    explicit Banc(bool son) {
        e.Son_Actif = son;
        d.son.pendantJouer = [this] {
            passer(bleat);
            pendantBleat ? pendantBleat() : void();
        };
        f = std::make_unique<Form5>(e, d.services(), nullptr);
    }
    int bouche() const { return f->Image1(1)->isHidden() ? 2 : 1; }
    // The picture shown per 50 ms as time passes: "1" mouth closed, "2" open.
    QString vu;
    void passer(std::int64_t ms) {
        vu += QString(ms / 50, QChar(u'0' + bouche()));
        d.horloge.avancer(ms);
    }
    // `ms` of the notice's life, the timer firing when it falls due.
    QString derouler(int ms) {
        vu.clear();
        const std::int64_t fin = d.horloge.ms + ms;
        std::int64_t reveil = d.horloge.ms + f->Minuterie1->interval();
        while (d.horloge.ms < fin) {
            passer(50);
            if (d.horloge.ms >= reveil && f->Minuterie1->isActive()) {
                QMetaObject::invokeMethod(f->Minuterie1, "timeout");
                reveil = d.horloge.ms + f->Minuterie1->interval();
            }
        }
        return vu;
    }
};

// Lengths of the runs of one picture: "1122211" -> "2:2 3:1 2:2".
QString rythme(const QString& vu) {
    QStringList runs;
    for (const auto& m : QRegularExpression("(.)\\1*").globalMatch(vu))
        runs << QStringLiteral("%1:%2").arg(m.captured(1)).arg(m.capturedLength() * 50);
    return runs.join(u' ');
}

class TestForm5 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { appliquerApparence(*qApp); }

    // Catches the lost tick of a timer that cannot fire during its own waits (the open mouth
    // then stays two seconds), waits not measured on the injected clock, a bleat asked for
    // with the sound off, not played with each tick, not waited for, or played with the open
    // mouth, or the open mouth not shown one second after it; a caption that does not fit or a
    // button that does not show the focus.
    void rythmes() {
        for (const bool son : {false, true}) {
            Banc b(son);
            b.bleat = 1500;
            QCOMPARE(rythme(b.derouler(6000)), son ? "2:1000 1:1500 2:1000 1:1500 2:1000 1:1500"
                                                   : "2:1000 1:1000 2:1000 1:1000 2:1000 1:1000");
            QCOMPARE(b.d.son.joues, QStringList(son ? 3 : 0, "mouton.wav:attente"));
            if (!son)
                continue;
            b.bleat = 300; // a short one: the closed mouth as long as the bleat, the open one 1 s
            QCOMPARE(rythme(b.derouler(3000)), "2:1000 1:300 2:1000 1:300 2:400");
        }
    }

    // Catches "D'ACCORD !", Escape or the close button not closing the notice, or the sheep
    // going on once it is closed, a bleat in progress included.
    void fermetures() {
        for (const int k : {0, 1, 2, 3}) {
            Banc b(k == 3);
            b.pendantBleat = [&] {
                b.f->Daccord->click();
            };
            QTimer::singleShot(0, b.f.get(), [&] {
                k == 0   ? b.f->Daccord->click()
                : k == 1 ? QTest::keyClick(b.f.get(), Qt::Key_Escape)
                : k == 2 ? void(b.f->close())
                         : void(b.derouler(1500));
            });
            QCOMPARE(b.f->exec(), int(QDialog::Accepted));
            QVERIFY(!b.f->Minuterie1->isActive());
            const int vu = b.bouche();
            b.derouler(3000);
            QCOMPARE(b.bouche(), vu);
        }
    }
};

QTEST_MAIN(TestForm5)
#include "tst_form5.moc"
