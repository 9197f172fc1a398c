// The main window as a player sees it: every caption readable, the focus visible, and the options
// that start a game only on a change.

#include "Lisibilite.h"
#include "PartieDeTest.h"

#include <QLabel>
#include <QRadioButton>

class TestForm1 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { appliquerApparence(*qApp); }

    // Catches a caption clipped or covered at the game's font, widest game values included,
    // or a control the Tab key reaches without showing it has the focus.
    void legendesEtFocus() {
        QVERIFY2(QFontInfo(policeJeu(8.25)).family().contains(QLatin1String("Liberation")),
                 "the game's font is not installed");
        PartieDeTest p;
        p.cliquer(p.f->Nb_J(2));
        p.f->Score(1)->setText(QStringLiteral(" 999")), p.f->Num_Mot(2)->setText("10");
        p.f->Mot(1)->setText(QStringLiteral("W")), p.f->Etiq_Temps->setText("300");
        QCOMPARE(lisibilite::fautes(p.f.get()), QString());
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
