// The low-score notice: its layout, the sheep's two-picture animation with and
// without the bleat, its one-second waits, and every way of closing it.

#include "Doubles.h"
#include "app/Apparence.h"
#include "game/Bouton.h"
#include "game/Panel3D.h"
#include "scores/Form5.h"

#include <QApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>

namespace {

/** Which of the two pictures are shown: "1", "2", "12" or "-". */
QString vues(Form5& f) {
    QString v;
    for (int i = 1; i <= 2; ++i)
        if (f.Image1(i)->isVisibleTo(&f))
            v += QString::number(i);
    return v.isEmpty() ? QStringLiteral("-") : v;
}

/** Everything the animation did, in order: sounds asked for and waits seen. */
using Journal = QStringList;

/** Notes each sound asked for, with the pictures shown while it plays. */
class SonTemoin final : public ISon {
public:
    explicit SonTemoin(Journal& journal) : journal_(journal) {}
    void jouer(const QString& fichier, ModeSon mode) override {
        journal_ << QStringLiteral("%1:%2:%3")
                        .arg(fichier,
                             mode == ModeSon::Attente ? QStringLiteral("attente")
                                                      : QStringLiteral("async"),
                             fenetre ? vues(*fenetre) : QStringLiteral("?"));
    }
    void bip() override {}

    QPointer<Form5> fenetre;

private:
    Journal& journal_;
};

/** One wait seen by the test: the steady clock runs on by `avance`, after `action`. */
struct Pas {
    std::int64_t avance = 1000;
    std::function<void()> action = {};
};

/**
 * Watches the waits of the animation. The clock of the test stands still, so a wait ends
 * only when a step moves it on: each step runs inside the wait it watches (posted before the
 * tick, then re-posted by the step before), notes the pictures shown, and lets the time pass.
 */
class Banc {
public:
    Journal journal;
    EtatJeu e;
    SonTemoin son{journal};
    HorlogeReglable horloge;
    HasardScripte hasard;
    QWidget principale;
    QObject contexte; // pending steps go with the bench

    Banc() {
        principale.setObjectName(QStringLiteral("Form1"));
        principale.setGeometry(60, 20, 632, 403);
        principale.show();
    }

    Services services() { return {son, horloge, hasard}; }

    /** The notice shown, its own timer set far off: the tests give the ticks themselves. */
    std::unique_ptr<Form5> ouvrir() {
        auto f = std::make_unique<Form5>(e, services(), &principale);
        son.fenetre = f.get();
        f->show();
        f->Minuterie1->start(24 * 3600 * 1000);
        return f;
    }

    /**
     * One tick of the notice's timer, its waits watched by `script`. A wait the script does not
     * foresee is let run out after a while, so that a fault fails the test instead of hanging
     * it.
     */
    void tic(Form5& f, std::deque<Pas> script = {}) {
        const QPointer<Form5> garde(&f);
        script_ = std::move(script);
        if (!script_.empty())
            poster(garde);
        QTimer gardien;
        gardien.setSingleShot(true);
        QObject::connect(&gardien, &QTimer::timeout, &contexte, [this, garde] {
            journal << QStringLiteral("attente sans fin");
            poster(garde);
        });
        gardien.start(10'000);
        QTimerEvent ev(f.Minuterie1->timerId());
        QCoreApplication::sendEvent(f.Minuterie1, &ev);
    }

private:
    void poster(const QPointer<Form5>& f) {
        QMetaObject::invokeMethod(
            &contexte, [this, f] { pas(f); }, Qt::QueuedConnection);
    }

    void pas(const QPointer<Form5>& f) {
        if (script_.empty()) {
            journal << QStringLiteral("attente imprévue");
            horloge.ms += 1000;
            if (++imprevues_ < 20)
                poster(f);
            return;
        }
        const Pas p = script_.front();
        script_.pop_front();
        journal << QStringLiteral("attente:") + (f ? vues(*f) : QStringLiteral("?"));
        if (p.action)
            p.action();
        horloge.ms += p.avance; // the steady clock only: the time of day stands still
        if (!script_.empty())
            poster(f);
    }

    int imprevues_ = 0;
    std::deque<Pas> script_;
};

} // namespace

class TestForm5 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { appliquerApparence(*qApp); }

    // Catches a control missing, misnamed, misplaced, mis-captioned or miscoloured, the
    // wrong picture shown at load, a timer not running, a default button, a notice placed
    // wrongly against the main window, or a text that does not fit its panel.
    void controles() {
        Banc b;
        Form5 f(b.e, b.services(), &b.principale);
        auto* minuterie = f.findChild<QTimer*>(QStringLiteral("Minuterie1"));
        QCOMPARE(minuterie, f.Minuterie1);
        QCOMPARE(minuterie->interval(), 1000);
        QVERIFY(minuterie->isActive()); // from the load on, before the notice is shown
        QVERIFY(!minuterie->isSingleShot());
        minuterie->start(24 * 3600 * 1000); // no tick of its own while the layout is checked
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));

        QCOMPARE(f.objectName(), QStringLiteral("Form5"));
        QCOMPARE(f.windowTitle(), QStringLiteral("Contrôle des Scores"));
        QCOMPARE(f.size(), QSize(380, 168));
        QCOMPARE(f.minimumSize(), f.maximumSize());
        QVERIFY(f.isModal());
        QCOMPARE(f.parentWidget(), &b.principale);
        QCOMPARE(f.pos(), b.principale.pos() + QPoint(px(1800), px(1480)));
        QCOMPARE(f.palette().color(QPalette::Window), QColor(128, 0, 128));
        QVERIFY(f.autoFillBackground());
        QVERIFY(f.windowFlags() & Qt::WindowCloseButtonHint);

        auto* panneau = f.findChild<Panel3D*>(QStringLiteral("Panel3D1"));
        QVERIFY(panneau);
        QCOMPARE(panneau, f.Panel3D1);
        QCOMPARE(panneau->parentWidget(), &f);
        QCOMPARE(panneau->geometry(), QRect(px(840), px(120), px(4215), px(1335)));
        QCOMPARE(
            panneau->text(),
            QStringLiteral("Votre Score trop nul ne vous permet pas d'entrer dans le "
                           "Hit-Parade ! Essayez de faire un peu mieux la prochaine fois !..."));
        QVERIFY(panneau->wordWrap());
        QCOMPARE(panneau->alignment(), Qt::AlignHCenter | Qt::AlignTop);
        QCOMPARE(panneau->foreColor(), QColor(0, 0, 128));
        QCOMPARE(panneau->backColor(), couleurs::faceBouton);
        QCOMPARE(panneau->font().pixelSize(), 16);
        QVERIFY(panneau->font().bold());
        const QRect zone = panneau->contentsRect();
        const QRect besoin =
            QFontMetrics(panneau->font())
                .boundingRect(zone, Qt::TextWordWrap | int(panneau->alignment()), panneau->text());
        QVERIFY(besoin.height() <= zone.height());
        QVERIFY(besoin.width() <= zone.width());

        for (int i = 1; i <= 2; ++i) {
            const QString nom = QStringLiteral("Image1(%1)").arg(i);
            auto* image = f.findChild<Image*>(nom);
            QVERIFY2(image, qPrintable(nom));
            QCOMPARE(image, f.Image1(i));
            QCOMPARE(image->parentWidget(), &f);
            QCOMPARE(image->geometry(), QRect(px(2580), px(1500), px(480), px(480)));
            QVERIFY(!image->pixmap().isNull());
        }
        QCOMPARE(vues(f), QStringLiteral("2"));
        // Two different drawings: mouth closed, then open.
        QVERIFY(f.Image1(1)->pixmap().toImage() != f.Image1(2)->pixmap().toImage());
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, f.Image1(0));

        auto* bouton = f.findChild<Bouton*>(QStringLiteral("Daccord"));
        QCOMPARE(bouton, f.Daccord);
        QCOMPARE(bouton->parentWidget(), &f);
        QCOMPARE(bouton->geometry(), QRect(px(1920), px(2010), px(1725), px(465)));
        QCOMPARE(bouton->text(), QStringLiteral("D'ACCORD !"));
        QCOMPARE(bouton->palette().color(QPalette::ButtonText), QColor(128, 0, 0));
        QCOMPARE(bouton->font().pixelSize(), 16);
        QVERIFY(bouton->font().bold());
        QVERIFY(!bouton->autoDefault() && !bouton->isDefault());
        QVERIFY(QFontMetrics(bouton->font()).horizontalAdvance(bouton->text()) + 6 <=
                bouton->width());
        QCOMPARE(f.focusWidget(), static_cast<QWidget*>(bouton));
    }

    // Catches pictures that do not alternate, a wait that ends before a second has passed on
    // the steady clock or that follows the time of day, or a bleat with the sound off.
    void animationSansSon() {
        Banc b;
        const auto f = b.ouvrir();
        b.tic(*f, {{999}, {1}, {1000}});
        QCOMPARE(b.journal, Journal({"attente:1", "attente:1", "attente:2"}));
        QCOMPARE(vues(*f), QStringLiteral("2"));
        b.journal.clear();
        b.tic(*f, {{1000}, {1000}});
        QCOMPARE(b.journal, Journal({"attente:1", "attente:2"}));
        QCOMPARE(vues(*f), QStringLiteral("2"));
        QVERIFY(f->isVisible());
    }

    // Catches a bleat not asked for at each tick, not waited for to its end, heard while the
    // wrong picture is shown, or still heard once the sound is switched off.
    void animationAvecSon() {
        Banc b;
        b.e.Son_Actif = true;
        const auto f = b.ouvrir();
        b.tic(*f, {{1000}});
        b.tic(*f, {{999}, {1}});
        QCOMPARE(b.journal, Journal({"mouton.wav:attente:1", "attente:2", "mouton.wav:attente:1",
                                     "attente:2", "attente:2"}));
        QCOMPARE(vues(*f), QStringLiteral("2"));

        b.journal.clear();
        b.e.Son_Actif = false;
        b.tic(*f, {{1000}, {1000}});
        QCOMPARE(b.journal, Journal({"attente:1", "attente:2"}));
    }

    // Catches "D'ACCORD !", Escape or the title bar's close button not closing the notice, or
    // closing it in different ways, or an animation that runs on once it is closed.
    void fermetures() {
        enum Facon { Daccord, Echap, BarreDeTitre };
        for (const Facon facon : {Daccord, Echap, BarreDeTitre}) {
            Banc b;
            Form5 f(b.e, b.services(), &b.principale);
            QSignalSpy fini(&f, &QDialog::finished);
            QTimer::singleShot(0, &b.contexte, [&] {
                switch (facon) {
                case Daccord:
                    QTest::mouseClick(f.Daccord, Qt::LeftButton);
                    break;
                case Echap:
                    QTest::keyClick(f.Daccord, Qt::Key_Escape);
                    break;
                case BarreDeTitre:
                    f.close();
                    break;
                }
            });
            QCOMPARE(f.exec(), int(QDialog::Accepted));
            QCOMPARE(fini.count(), 1);
            QVERIFY(!f.isVisible());
            QVERIFY(!f.Minuterie1->isActive());
        }
    }

    // Catches a tick that goes on with the animation (or never ends) after the notice was
    // closed or destroyed during one of its waits.
    void fermetureDansUneAttente() {
        enum Facon { Daccord, Echap, BarreDeTitre };
        for (const bool sonActif : {false, true}) {
            for (const Facon facon : {Daccord, Echap, BarreDeTitre}) {
                Banc b;
                b.e.Son_Actif = sonActif;
                Form5 f(b.e, b.services(), &b.principale);
                b.son.fenetre = &f;
                const auto fermer = [&] {
                    switch (facon) {
                    case Daccord:
                        QTest::mouseClick(f.Daccord, Qt::LeftButton);
                        break;
                    case Echap:
                        QTest::keyClick(f.Daccord, Qt::Key_Escape);
                        break;
                    case BarreDeTitre:
                        f.close();
                        break;
                    }
                };
                bool ticFini = false;
                // The tick runs inside the notice's own modal loop, as it does in the game.
                QTimer::singleShot(0, &b.contexte, [&] {
                    f.Minuterie1->start(24 * 3600 * 1000);
                    b.tic(f, {{0, fermer}});
                    ticFini = true;
                });
                QCOMPARE(f.exec(), int(QDialog::Accepted));
                QVERIFY(ticFini);
                const QString vue = sonActif ? QStringLiteral("2") : QStringLiteral("1");
                QCOMPARE(vues(f), vue);
                if (sonActif)
                    QCOMPARE(b.journal, Journal({"mouton.wav:attente:1", "attente:2"}));
                else
                    QCOMPARE(b.journal, Journal({"attente:1"}));
                QVERIFY(!f.Minuterie1->isActive());
            }
        }

        // Destroyed during a wait: the tick ends without touching the window again.
        Banc b;
        auto* f = new Form5(b.e, b.services(), &b.principale);
        QPointer<Form5> garde(f);
        f->show();
        f->Minuterie1->start(24 * 3600 * 1000);
        b.tic(*f, {{1000, [f] {
                        delete f;
                    }}});
        QVERIFY(!garde);
        QCOMPARE(b.journal, Journal({"attente:1"}));
    }

    // Catches a tick that runs inside another one when it falls due during a wait, or ticks
    // that pile up instead of one running once the current tick is over.
    void ticksSansImbrication() {
        Banc b;
        b.e.Son_Actif = true;
        const auto f = b.ouvrir();
        const auto deuxTicsEnRetard = [&] {
            for (int k = 0; k < 2; ++k) {
                QTimerEvent ev(f->Minuterie1->timerId());
                QCoreApplication::sendEvent(f->Minuterie1, &ev);
            }
            b.journal << QStringLiteral("en retard:") + vues(*f);
        };
        b.tic(*f, {{1000, deuxTicsEnRetard}, {1000}});
        QCOMPARE(b.journal, Journal({"mouton.wav:attente:1", "attente:2", "en retard:2",
                                     "mouton.wav:attente:1", "attente:2"}));
        QVERIFY(f->isVisible());

        // Sound off: the tick due during the first wait waits for the second one to end.
        b.journal.clear();
        b.e.Son_Actif = false;
        b.tic(*f, {{1000, deuxTicsEnRetard}, {1000}, {1000}, {1000}});
        QCOMPARE(b.journal,
                 Journal({"attente:1", "en retard:1", "attente:2", "attente:1", "attente:2"}));
    }
};

QTEST_MAIN(TestForm5)
#include "tst_form5.moc"
