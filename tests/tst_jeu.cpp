// The word game played on the real main window: turns, typing, marking, points,
// the time limit and the focus, with the clock and the draws under control.

#include "PartieDeTest.h"
#include "app/controles/Cadre3D.h"

#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollBar>

using P = PartieDeTest;

class TestJeu : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { appliquerApparence(*qApp); }

    // Catches a wrong first letter, box, colour or draw at the start of a word.
    void debutDeMot() {
        P p({"ARBRE", "BALLE", "CANNE"});
        QCOMPARE(p.focus(), p.f->Nouveau); // before any game
        p.d.horloge.heure = 1234.5;
        p.cliquer(p.f->Nouv_Partie);
        QCOMPARE(p.d.son.bips, 1);
        QCOMPARE(p.ligne(1), QStringLiteral("A    "));
        QCOMPARE(p.couleurs(1), QStringLiteral("G----"));
        QCOMPARE(p.boite()->text(), QStringLiteral("A"));
        QCOMPARE(p.boite()->cursorPosition(), 1);
        QCOMPARE(p.places(), QStringLiteral("BI"));
        QCOMPARE(p.f->Num_Mot(1)->text() + p.f->Num_Mot(2)->text(), QStringLiteral("1"));
        QVERIFY(p.f->Minuterie1->isActive() && p.vu(p.f->Cadre_Temps));
        QCOMPARE(p.solution(), QStringLiteral("_____"));
        QCOMPARE(p.e.Mot_Propose.texte(), QStringLiteral("A    "));
        QCOMPARE(p.focus(), p.boite());
        // Uniform draws over the list, each after a reseed from the time of day.
        for (const auto& [r, mot] : {std::pair{0.999999, "CANNE"}, {0.5, "BALLE"}}) {
            p.d.hasard.valeurs = {r};
            p.cliquer(p.f->Nouveau);
            QCOMPARE(p.e.Mot_Cherche.texte(), QString::fromLatin1(mot));
            QCOMPARE(p.d.hasard.graines.back(), 1234.5);
        }
    }

    // Catches marks on the wrong cells or in the wrong colours, and a miss that
    // does not prepare the next line.
    void marquage() {
        P p;
        p.cliquer(p.f->Nouv_Partie);
        p.taper(QStringLiteral("retro")); // "T" + "retro": the first of six drops out
        QCOMPARE(p.boite()->text(), QStringLiteral("retro"));
        QCOMPARE(p.ligne(1), QStringLiteral("RETRO"));
        p.entree();
        QCOMPARE(p.couleurs(1) + p.couleurs(2), QStringLiteral("YGYG-C----"));
        QCOMPARE(p.boite()->text(), QString());
        QCOMPARE(p.e.Mot_Propose.texte(), QStringLiteral("     "));
        QVERIFY(p.f->Minuterie1->isActive());
        p.proposer(QStringLiteral("errer"));
        QCOMPARE(p.couleurs(2), QStringLiteral("YYGY-")); // the cyan cell was reset first
        p.entree();                                       // an empty box uses up a line too
        QCOMPARE(p.couleurs(3) + p.couleurs(4), QStringLiteral("-----C----"));
        // Accents fold to the list's capitals; the box keeps what was typed.
        p.proposer(QStringLiteral("eterr")); // a yellow in the last column too
        QCOMPARE(p.couleurs(4) + p.couleurs(5), QStringLiteral("YYYGYC----"));
        p.taper(QStringLiteral("térré"));
        QCOMPARE(p.ligne(5), QStringLiteral("TERRE"));
        QCOMPARE(p.boite()->text(), QStringLiteral("térré"));
        p.entree();
        QCOMPARE(p.couleurs(5), QStringLiteral("GGGGG"));
    }

    // Catches a cell, a colour or a letter of the solution left over from the last word when
    // the next one starts, by "MOT suivant" or by a new game.
    void plateauEfface() {
        P p;
        for (Bouton* suivant : {p.f->Nouveau, p.f->Nouv_Partie}) {
            p.cliquer(p.f->Nouv_Partie);
            p.tic();
            for (const char* mot : {"etrer", "rrete", "eterr", "reter", "ertre"})
                p.proposer(QString::fromLatin1(mot)); // every cell lettered and coloured
            const QString avant = p.couleurs(1) + p.couleurs(2) + p.couleurs(3) + p.couleurs(4);
            QVERIFY(!(avant + p.couleurs(5)).contains(u'-') && p.solution() == "TERRE");
            p.cliquer(suivant);
            p.tic();
            QCOMPARE(p.ligne(1) + p.ligne(2) + p.ligne(3) + p.ligne(4) + p.ligne(5), "T    ");
            QCOMPARE(p.couleurs(1) + p.couleurs(2) + p.couleurs(3) + p.couleurs(4) + p.couleurs(5),
                     "G" + QString(24, u'-'));
            QVERIFY(p.solution() == "_____" && p.vu(p.f->Cadre_Temps));
        }
    }

    // Catches points read from the wrong label or scale, wrong lead colours, or a
    // word not spelled when found or missed.
    void pointsParLigneEtNiveau() {
        const int points[4][6] = {
            {}, {0, 25, 20, 15, 10, 5}, {0, 35, 28, 21, 14, 7}, {0, 40, 32, 24, 16, 8}};
        const char* mots[4] = {"", "TERRE", "SALUT", "MAMAN"};
        P p;
        for (int niveau = 1; niveau <= 3; ++niveau) {
            p.cliquer(p.f->Difficulté(niveau));
            QCOMPARE(p.e.Niveau, niveau);
            QCOMPARE(p.f->Rep_H(1)->text(), QString::number(points[niveau][5]));
            QCOMPARE(p.f->Rep_H(5)->text(), QString::number(points[niveau][1]));
            for (int ligne = 1; ligne <= 6; ++ligne) { // 6: missed on line 5
                p.cliquer(p.f->Nouv_Partie);
                p.tic(); // clears the end of the previous word
                const int bips = p.d.son.bips;
                for (int l = 1; l < ligne && l <= 5; ++l)
                    p.proposer(QStringLiteral("xxxxx"));
                if (ligne <= 5)
                    p.proposer(QString::fromLatin1(mots[niveau]).toLower());
                const int attendu = ligne <= 5 ? points[niveau][ligne] : 0;
                QCOMPARE(p.e.Score_J(1), attendu);
                QCOMPARE(p.f->Score(1)->text(),
                         attendu ? QStringLiteral(" %1").arg(attendu) : QStringLiteral("000"));
                QCOMPARE(p.f->Score(1)->foreColor(), attendu ? couleurs::vert : couleurs::noir);
                QCOMPARE(p.f->Score(2)->foreColor(), attendu ? couleurs::rouge : couleurs::noir);
                QCOMPARE(p.solution(), QString::fromLatin1(mots[niveau]));
                QVERIFY(p.d.son.bips - bips >= 5); // one per letter spelled
                QVERIFY(p.e.Mot_Fini && !p.vu(p.f->Cadre_Temps) && !p.f->Minuterie1->isActive());
                QCOMPARE(p.focus(), p.f->Nouveau);
            }
        }
        QVERIFY(p.d.son.joues.isEmpty()); // sound off: no applause
        p.e.Son_Actif = true;
        p.cliquer(p.f->Nouv_Partie);
        p.tic();
        p.proposer(QStringLiteral("maman"));
        QCOMPARE(p.d.son.joues, QStringList{QStringLiteral("applaudi.wav:attente")});
    }

    // Catches a wrong turn order, counters, boxes or lead colours with two players,
    // and a game that does not end after player 2's tenth word.
    void deuxJoueurs() {
        P p;
        p.cliquer(p.f->Nb_J(2));
        p.tic();
        for (int mot = 1; mot <= 10; ++mot)
            for (int j = 1; j <= 2; ++j) {
                if (mot > 1 || j == 2)
                    QTest::keyClick(p.f->Nouveau, Qt::Key_Return);
                QCOMPARE(p.e.Joueur, j);
                QCOMPARE(p.places(), j == 1 ? QStringLiteral("BI") : QStringLiteral("IB"));
                QCOMPARE(p.f->Num_Mot(j)->text(), QString::number(mot));
                QCOMPARE(p.focus(), p.boite());
                if (j == 2 && mot == 10)
                    break;
                p.proposer(QStringLiteral("terre")); // player 1 leads, then a tie
                QCOMPARE(p.f->Score(1)->foreColor(), couleurs::vert);
                QCOMPARE(p.f->Score(2)->foreColor(), j == 1 ? couleurs::rouge : couleurs::vert);
                QCOMPARE(p.focus(), p.f->Nouveau);
            }
        QString fenetre;
        quandModale([&](QWidget* w) { fenetre = w->objectName(), w->close(); });
        p.proposer(QStringLiteral("terre")); // both qualify with 250
        QCOMPARE(fenetre, QStringLiteral("Form4"));
        QCOMPARE(p.e.Mots_Joues(1) * 10 + p.e.Mots_Joues(2), 10); // a new game: 1 and 0
        QCOMPARE(p.f->Score(1)->text() + p.f->Score(2)->text(), QStringLiteral("000000"));
        QCOMPARE(p.places(), QStringLiteral("BI"));
        p.tic();
        p.cliquer(p.f->Nouveau);
        p.proposer(QStringLiteral("terre")); // player 2 leads
        QVERIFY(p.f->Score(1)->foreColor() == couleurs::rouge &&
                p.f->Score(2)->foreColor() == couleurs::vert && p.e.Score_J(2) == 25);
        p.cliquer(p.f->Nouveau);
        // Back to one player during player 2's word.
        p.cliquer(p.f->Nouveau);
        p.cliquer(p.f->Nb_J(1));
        QCOMPARE(p.e.Joueur, 1);
        QCOMPARE(p.places(), QStringLiteral("BI"));
    }

    // Catches "MOT suivant" scoring or spelling an abandoned word, or letting a
    // one-player game run past ten words.
    void motSuivant() {
        P p;
        p.cliquer(p.f->Nouveau); // before any game: the box replaces the icon
        QCOMPARE(p.places(), QStringLiteral("BI"));
        p.cliquer(p.f->Nouv_Partie);
        p.proposer(QStringLiteral("poire"));
        p.cliquer(p.f->Nouveau);
        QCOMPARE(p.e.Score_J(1), 0);
        QCOMPARE(p.solution(), QStringLiteral("_____"));
        QCOMPARE(p.ligne(1) + p.couleurs(1) + p.couleurs(2), QStringLiteral("T    G---------"));
        for (int mot = 2; mot <= 10; ++mot) {
            QCOMPARE(p.f->Num_Mot(1)->text(), QString::number(mot));
            if (mot < 10)
                p.cliquer(p.f->Nouveau);
        }
        QString fenetre;
        quandModale([&](QWidget* w) { fenetre = w->objectName(), w->close(); });
        p.cliquer(p.f->Nouveau); // during word 10: the game ends with 0 points
        QCOMPARE(fenetre, QStringLiteral("Form5"));
        QCOMPARE(p.f->Num_Mot(1)->text(), QStringLiteral("1"));
    }

    // Catches a time-out that does not submit the typed text, or that submits a
    // line after the word is over or before any word; and a gauge out of range.
    void delaiDepasse() {
        P p;
        p.f->BH_Temps->setValue(5);
        QCOMPARE(p.f->Etiq_Temps->text() + QString::number(p.f->Temps->maximum()), "54");
        p.cliquer(p.f->Nouv_Partie);
        p.d.horloge.avancer(3500);
        p.tic();
        QCOMPARE(p.f->Temps->value(), 3);
        const int bips = p.d.son.bips;
        p.d.horloge.avancer(1500);
        p.tic(); // 5 s: line 1 goes in as typed
        QCOMPARE(p.d.son.bips - bips, 1);
        QCOMPARE(p.couleurs(1) + p.couleurs(2), QStringLiteral("G----C----"));
        QVERIFY(p.f->Minuterie1->isActive() && p.f->Temps->value() == 0);
        p.d.horloge.avancer(4900);
        p.tic();
        p.f->BH_Temps->setValue(60); // raised mid-line: no time-out at the old limit
        p.d.horloge.avancer(1000);
        p.tic();
        QCOMPARE(p.e.Ligne, 2);
        QCOMPARE(p.f->Temps->value(), 5);
        p.f->BH_Temps->setValue(5);
        QCOMPARE(p.f->Temps->value(), 4); // held in range, not dropped
        for (int l = 2; l <= 5; ++l) {
            p.d.horloge.avancer(5000);
            p.tic();
        }
        QVERIFY(p.e.Mot_Fini && !p.f->Minuterie1->isActive()); // line 5 timed out
        QCOMPARE(p.solution(), QStringLiteral("TERRE"));
        p.f->Minuterie1->start(); // as the score table restarts it after a word
        p.d.horloge.avancer(6000);
        const int avant = p.d.son.bips;
        p.tic();
        QVERIFY(p.d.son.bips == avant && !p.f->Minuterie1->isActive());
        p.f->BH_Temps->setValue(0); // an empty bar, not Qt's busy animation
        QVERIFY(p.f->Temps->minimum() == 0 && p.f->Temps->maximum() > 0);
        QCOMPARE(p.f->Temps->value(), 0);

        P q; // no word drawn yet: a tick submits nothing
        q.f->Minuterie1->start();
        q.d.horloge.avancer(120000);
        q.tic();
        QVERIFY(q.e.Ligne == 0 && q.d.son.bips == 0);
    }

    // Catches a sixth cell, a lost caret rule, or a character turning into two.
    void saisie() {
        P p;
        p.cliquer(p.f->Nouv_Partie);
        QLineEdit* b = p.boite();
        b->setText(QStringLiteral("abcde"));
        b->setCursorPosition(1);
        p.taper(QStringLiteral("x"));
        QCOMPARE(b->text() + QString::number(b->cursorPosition()), QStringLiteral("xbcde5"));
        QCOMPARE(p.ligne(1), QStringLiteral("XBCDE"));
        QTest::keyClick(b, Qt::Key_Backspace);
        QTest::keyClick(b, Qt::Key_Backspace);
        QCOMPARE(p.ligne(1) + p.e.Mot_Propose.texte(), QStringLiteral("XBC  XBC  "));
        b->setText(QStringLiteral("straße"));
        QCOMPARE(p.ligne(1), QStringLiteral("TRAßE"));
        b->setText(QStringLiteral("cœur"));
        QCOMPARE(p.ligne(1), QStringLiteral("CŒUR "));
    }

    // Catches Enter evaluating after the word is over, a held Enter submitting
    // several lines, or the keyboard path to the next word broken.
    void entreeApresMotFini() {
        P p;
        p.cliquer(p.f->Nouv_Partie);
        p.proposer(QStringLiteral("terre"));
        p.boite()->setFocus();
        p.taper(QStringLiteral("abc"));
        QCOMPARE(p.ligne(1) + p.e.Mot_Propose.texte(), QStringLiteral("TERRETERRE"));
        p.entree();
        QCOMPARE(p.e.Score_J(1), 25);
        QCOMPARE(p.focus(), p.f->Nouveau);
        QTest::keyClick(p.f->Nouveau, Qt::Key_Return); // the second Enter
        QCOMPARE(p.f->Num_Mot(1)->text(), QStringLiteral("2"));
        QCOMPARE(p.focus(), p.boite());
        QTest::keyPress(p.boite(), Qt::Key_Return);
        QKeyEvent repete(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QCoreApplication::sendEvent(p.boite(), &repete);
        QTest::keyRelease(p.boite(), Qt::Key_Return);
        QCOMPARE(p.e.Ligne, 2);
    }

    // Catches a reveal shown unarmed, kept after release, dropped by an
    // auto-repeated release, or typing into the box.
    void revelationCachee() {
        P p;
        p.cliquer(p.f->Nouv_Partie);
        QLineEdit* b = p.boite();
        const auto inserer = [&] {
            QTest::keyPress(b, Qt::Key_Insert);
            const QString vu = p.f->Solution->text().trimmed();
            QKeyEvent repete(QEvent::KeyRelease, Qt::Key_Insert, Qt::NoModifier, QString(), true);
            QCoreApplication::sendEvent(b, &repete);
            const QString garde = p.f->Solution->text().trimmed();
            QTest::keyRelease(b, Qt::Key_Insert);
            return vu + "|" + garde + "|" + p.f->Solution->text();
        };
        QCOMPARE(inserer(), QStringLiteral("||"));
        QTest::keyClick(b, Qt::Key_PageUp);
        QCOMPARE(inserer(), QStringLiteral("TERRE|TERRE|"));
        p.cliquer(p.f->Nouv_Partie); // armed across games, until Page Down
        QCOMPARE(inserer(), QStringLiteral("TERRE|TERRE|"));
        QTest::keyClick(b, Qt::Key_PageDown);
        QCOMPARE(inserer(), QStringLiteral("||"));
        QCOMPARE(p.ligne(1), QStringLiteral("T    "));
    }

    // Catches a click target that does not give the focus back, one that focuses
    // a hidden box, or a first tick that does not take the focus to player 1.
    void reglesDuFocus() {
        P p;
        p.cliquer(p.f->Mot(7));
        QCOMPARE(p.focus(), p.f->Nouveau); // no box shown yet
        p.cliquer(p.f->Nouv_Partie);
        QList<QWidget*> cibles{p.f->Score(1),    p.f->Score(2),    p.f->Panel3D1,   p.f->Panel3D4,
                               p.f->Panel3D5(0), p.f->Panel3D5(1), p.f->Frame3D1,   p.f->Frame3D2,
                               p.f->Temps,       p.f->Diff_Titre,  p.f->Avec_Tirage};
        for (int k = 1; k <= 25; ++k)
            cibles << p.f->Mot(k) << (k <= 5 ? p.f->Rep_H(k) : p.f->Mot(k));
        for (QWidget* w : cibles) {
            p.f->Nouveau->setFocus();
            p.cliquer(w);
            QVERIFY2(p.focus() == p.boite(), qPrintable(w->objectName()));
        }
        QVERIFY(p.e.Tirage_Actif);
        p.f->Nouveau->setFocus();
        p.f->BH_Temps->setValue(30);
        QCOMPARE(p.focus(), p.boite());
        p.f->Nouveau->setFocus();
        p.tic();
        QCOMPARE(p.focus(), p.boite());
        p.proposer(QStringLiteral("terre")); // the bonus toggle keeps the game as it is
        p.cliquer(p.f->Avec_Tirage);
        QVERIFY(!p.e.Tirage_Actif && p.e.Score_J(1) == 25);
    }

    // Catches a new game, started right after a finished word, evaluating the
    // previous word's last proposal.
    void nouvellePartieApresMotFini() {
        P p;
        p.cliquer(p.f->Nouv_Partie);
        p.proposer(QStringLiteral("terre"));
        p.cliquer(p.f->Nouv_Partie);
        p.entree(); // before the first tick: nothing is evaluated
        QCOMPARE(p.e.Ligne, 1);
        p.tic();
        QCOMPARE(p.e.Mot_Propose.texte(), QStringLiteral("T    "));
        p.entree();
        QVERIFY(p.e.Score_J(1) == 0 && p.e.Ligne == 2);
    }
};

QTEST_MAIN(TestJeu)
#include "tst_jeu.moc"
