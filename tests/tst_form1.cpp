// The options of the main window start a game only on a change.

#include "PartieDeTest.h"

#include <QLabel>
#include <QRadioButton>

class TestForm1 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { appliquerApparence(*qApp); }

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
