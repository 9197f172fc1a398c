// The main window as a player sees it: the board's shape, every caption readable, the focus
// visible, and the options that start a game only on a change.

#include "Lisibilite.h"
#include "PartieDeTest.h"

#include <QLabel>
#include <QRadioButton>

class TestForm1 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { appliquerApparence(*qApp); }

    // Catches a board that is not 5 x 5 equal cells in reading order, a points label not
    // level with its line, or the solution not under the columns.
    void plateau() {
        PartieDeTest p;
        const auto* f = p.f.get();
        const QRect a = f->Mot(1)->geometry();
        const int dx = f->Mot(2)->x() - a.x(), dy = f->Mot(6)->y() - a.y();
        QVERIFY(dx >= a.width() && dy >= a.height());
        for (int k = 1; k <= 25; ++k) {
            const int l = (k - 1) / 5, col = (k - 1) % 5;
            QCOMPARE(f->Mot(k)->geometry(), a.translated(col * dx, l * dy));
            QCOMPARE(f->Rep_H(5 - l)->geometry().center().y(), a.center().y() + l * dy);
            QVERIFY(f->Réponse(col + 1)->x() == a.x() + col * dx &&
                    f->Réponse(col + 1)->y() > a.bottom() + 4 * dy);
        }
    }

    // Catches a caption clipped or covered at the game's font, widest game values included,
    // or a control the Tab key reaches without showing it has the focus.
    void legendesEtFocus() {
        QVERIFY2(QFontInfo(policeJeu(8.25)).family().contains(QLatin1String("Liberation")),
                 "the game's font is not installed");
        PartieDeTest p;
        p.cliquer(p.f->Nb_J(2));
        p.f->Score(1)->setText(QStringLiteral(" 999"));
        p.f->Num_Mot(2)->setText(QStringLiteral("10"));
        p.f->Mot(1)->setText(QStringLiteral("W"));
        p.f->Etiq_Temps->setText(QStringLiteral("300"));
        QCOMPARE(lisibilite::legendesCoupees(p.f.get()).join("; "), QString());
        QCOMPARE(lisibilite::focusInvisibles(p.f.get()).join("; "), QString());
        p.f->Cadre_Temps->hide(); // the solution row takes its place
        for (int c = 1; c <= 5; ++c)
            p.f->Réponse(c)->setText(QStringLiteral("W")), p.f->Réponse(c)->show();
        QCOMPARE(lisibilite::legendesCoupees(p.f.get()).join("; "), QString());
    }

    // Catches a click on the option already selected ending the running word, or a change of
    // option (mouse or arrow keys) not starting a new game.
    void optionsSurChangement() {
        PartieDeTest p({"TERRE", "TAPIS"});
        p.cliquer(p.f->Nouv_Partie);
        p.proposer(QStringLiteral("tapis"));
        p.taper(QStringLiteral("to"));
        p.f->Nouveau->setFocus();
        const QString avant = p.ligne(1) + p.couleurs(1) + p.ligne(2) + p.boite()->text();
        for (QRadioButton* o : {p.f->Nb_J(1), p.f->Difficulté(1)}) {
            p.cliquer(o);
            QCOMPARE(p.ligne(1) + p.couleurs(1) + p.ligne(2) + p.boite()->text(), avant);
            QVERIFY(p.e.Ligne == 2 && p.d.son.bips == 1 && p.focus() == p.boite());
            p.f->Nouveau->setFocus();
        }
        p.f->Difficulté(1)->setFocus();
        QTest::keyClick(p.f->Difficulté(1), Qt::Key_Down);
        QVERIFY(p.e.Niveau == 2 && p.e.Ligne == 1 && p.d.son.bips == 2);
        QCOMPARE(p.f->Rep_H(5)->text() + p.ligne(1), QStringLiteral("35S    "));
        p.cliquer(p.f->Nb_J(2));
        QVERIFY(p.e.Nb_Joueurs == 2 && p.d.son.bips == 3 && p.focus() == p.boite());
        p.cliquer(p.f->Difficulté(3));
        QCOMPARE(p.e.Niveau * 10 + p.d.son.bips, 34);
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
