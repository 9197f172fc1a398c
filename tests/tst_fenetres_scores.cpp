// The score windows. The table: the rows as shown, the name entry of the qualified players and
// the saving on "Valider". The low-score notice: the sheep's rhythm on the steady clock, with
// and without the bleat.

#include "Doubles.h"
#include "Etat.h"
#include "app/controles/Apparence.h"
#include "app/controles/Bouton.h"
#include "app/controles/Cadre3D.h"
#include "app/controles/Image.h"
#include "app/controles/Panel3D.h"

#include "scores/Form4.h"
#include "scores/Form5.h"

#include <QRegularExpression>
#include <QTest>
#include <QtWidgets>

// The main window's stand-in, a finished game ranked, a folder for the score file.
struct Banc {
    QTemporaryDir dossier;
    EtatJeu e;
    ServicesDeTest doubles;
    QWidget principale;
    QStringList erreurs; // title and text of each error reported
    std::unique_ptr<Form4> f;
    QString fichier; // the score table

    // `stockees`: name, points, name, points... as read from the file.
    explicit Banc(const QStringList& stockees = {}, const QList<int>& scores = {0}) {
        preparerEtat(e, stockees, scores);
        fichier = dossier.filePath(QStringLiteral("VERLO-SB.SCO"));
    }

    Form4& ouvrir() {
        f = std::make_unique<Form4>(e, fichier, &principale);
        f->signalerErreur = [this](const QString& titre, const QString& texte) {
            erreurs << titre << texte;
        };
        f->show();
        std::ignore = QTest::qWaitForWindowActive(f.get()); // else the focus checks fail
        return *f;
    }
};

// The notice on a clock that moves only when the test says; the notice's waits and the
// bleat (lasting `bleat` ms) pass at once, each noted with the picture it shows.
struct BancAvis {
    EtatJeu e;
    ServicesDeTest d;
    std::int64_t bleat = 0;
    std::unique_ptr<Form5> f;
    QString vu; // the picture shown per 50 ms as time passes: "1" mouth closed, "2" open

    explicit BancAvis(bool son) {
        e.Son_Actif = son;
        d.son.pendantJouer = [this] {
            passer(bleat);
        };
        d.horloge.pendantAttente = [this](qint64 ms) {
            noter(ms);
        };
        f = std::make_unique<Form5>(e, d.services(), nullptr);
    }
    int bouche() const { return f->Image1(1)->isHidden() ? 2 : 1; }
    void noter(std::int64_t ms) { vu += QString(ms / 50, QChar(u'0' + bouche())); }
    void passer(std::int64_t ms) {
        noter(ms);
        d.horloge.avancer(ms);
    }
    // The notice's life until `ms` have passed, its timer firing each time it falls due.
    QString derouler(int ms) {
        vu.clear();
        const std::int64_t fin = d.horloge.ms + ms;
        while (d.horloge.ms < fin && f->Minuterie1->isActive()) {
            passer(f->Minuterie1->interval());
            f->Minuterie1->stop(); // fired by hand, as the single-shot timer would
            QMetaObject::invokeMethod(f->Minuterie1, "timeout");
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

class TestScoresFenetres : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { appliquerApparence(*qApp); }

    // Catches the box of a player who did not qualify shown, the focus starting elsewhere than
    // the first box shown, Enter (main or keypad) moving it in the wrong order, or clicking a
    // button instead of only moving on.
    void saisie() {
        for (const auto& [scores, premiere] : {std::pair{QList{0, 100}, 2}, {{60, 50}, 1}}) {
            Banc b({}, scores);
            auto& f = b.ouvrir();
            QCOMPARE(f.Cadre_J(1)->isVisible(), premiere == 1);
            QCOMPARE(qApp->focusWidget(), f.Nom_Sc(premiere));
            if (premiere == 1) // Return moves on, and does not press "Valider"
                QTest::keyClick(f.Nom_Sc(1), Qt::Key_Return);
            QCOMPARE(qApp->focusWidget(), f.Nom_Sc(2));
            QTest::keyClick(f.Nom_Sc(2), Qt::Key_Enter);
            QCOMPARE(qApp->focusWidget(), f.Valider);
            QVERIFY(f.isVisible() && f.Valider->isVisible() && !QFile::exists(b.fichier));
        }
    }

    // Catches a table shown unsorted, with rows of 0 points or less, or with names and points
    // out of step; a name changed on its way to the file (a double quote, which the file cannot
    // hold, let in by typing or pasting); an empty box not saved as "Anonyme" (in the box too);
    // entry controls left to save twice; or the new rows not shown.
    void valider() {
        Banc b({"Chloé", " 30", "Zéro", " 0", "Bruno", " 50", "Moins", "-5"}, {250, 40});
        auto& f = b.ouvrir();
        QCOMPARE(f.Nom->text() + f.Pt_Score->text(),
                 QStringLiteral("Bruno  \nChloé  \n 50  \n 30  \n"));
        QTest::keyClicks(f.Nom_Sc(1), QStringLiteral("N\"E"));
        QTest::keyClick(f.Nom_Sc(1), Qt::Key_Left);
        QApplication::clipboard()->setText(QStringLiteral("\"A\u2605")); // pasted before the E
        QTest::keyClick(f.Nom_Sc(1), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClicks(f.Nom_Sc(1), QStringLiteral("M"));
        QTest::mouseClick(f.Valider, Qt::LeftButton);
        QCOMPARE(f.Nom_Sc(2)->text(), QStringLiteral("Anonyme"));
        QFile fichier(b.fichier);
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        QCOMPARE(fichier.readAll(), QByteArray("\"NAME\",\" 250\"\r\n\"Bruno\",\" 50\"\r\n"
                                               "\"Anonyme\",\" 40\"\r\n\"Chlo\xE9\",\" 30\"\r\n"));
        QVERIFY(!f.Insc_Nom->isVisible() && !f.Valider->isVisible() && !f.Cadre_J(1)->isVisible());
        QVERIFY(!f.Cadre_J(2)->isVisible() && b.erreurs.isEmpty() && !b.e.Qualifie(1) &&
                !b.e.Qualifie(2)); // "Scores..." must not offer the entry again
        QCOMPARE(f.Nom->text(), QStringLiteral("NAME  \nBruno  \nAnonyme  \nChloé  \n"));
    }

    // Catches a failed save not reported (in French), losing the new table from memory, or
    // leaving the window in the entry state.
    void enregistrementImpossible() {
        Banc b({}, {70});
        QVERIFY(QDir().mkpath(b.fichier)); // a folder where the file should be
        QTest::mouseClick(b.ouvrir().Valider, Qt::LeftButton);
        QVERIFY(b.erreurs.value(1).startsWith("Impossible d'enregistrer"));
        QCOMPARE(b.f->Nom->text(), QStringLiteral("Anonyme  \n"));
        QVERIFY(b.f->isVisible() && !b.f->Valider->isVisible() && !b.f->Cadre_J(1)->isVisible());
    }

    // Catches the lost tick of a timer that cannot fire during its own waits (the open mouth
    // then stays two seconds), waits not measured on the injected clock, a bleat asked for
    // with the sound off, not played with each tick, not waited for, or played with the open
    // mouth, or the open mouth not shown one second after it; a caption that does not fit or a
    // button that does not show the focus.
    void rythmes() {
        for (const bool son : {false, true}) {
            BancAvis b(son);
            b.bleat = 1500;
            QCOMPARE(rythme(b.derouler(6000)),
                     son ? "2:1000 1:1500 2:1000 1:1500 2:1000"
                         : "2:1000 1:1000 2:1000 1:1000 2:1000 1:1000 2:1000");
            QCOMPARE(b.d.son.joues, QStringList(son ? 2 : 0, "mouton.wav:attente"));
            if (!son)
                continue;
            b.bleat = 300; // a short one: the closed mouth as long as the bleat, the open one 1 s
            QCOMPARE(rythme(b.derouler(3000)), "1:300 2:1000 1:300 2:1000 1:300 2:1000");
        }
    }
};

QTEST_MAIN(TestScoresFenetres)
#include "tst_fenetres_scores.moc"
