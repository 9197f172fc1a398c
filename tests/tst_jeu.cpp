// Marking a proposal, and the word game played on the real main window: turns, typing,
// marking, points, the time limit, the focus, the options and what a screen reader hears, with
// the clock and the draws under control.

#include "PartieDeTest.h"
#include "app/Marquage.h"
#include "app/controles/Cadre3D.h"
#include "game/Niveaux.h"

#include <QAccessible>
#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollBar>

using P = PartieDeTest;

namespace {

QString nom(QObject* o) {
    return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name);
}

// "G", "Y", "-" per position: reads like the board.
QString marquer(const QString& cherche, const QString& propose) {
    QString s;
    for (const Marque m : Marquer(Texte5(cherche), Texte5(propose)))
        s += m == Marque::BienPlacee ? u'G' : m == Marque::MalPlacee ? u'Y' : u'-';
    return s;
}

} // namespace

class TestJeu : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { appliquerApparence(*qApp); }

    // Catches a wrong order of the passes, a letter serving twice or a case- or accent-blind
    // comparison, on boards checked by hand (hidden word, proposal, marks).
    void plateaux() {
        const char* plateaux[][3] = {
            {"TERRE", "RETRO", "YGYG-"}, {"TERRE", "ERRER", "YYGY-"}, {"SALUT", "PASSE", "-GY--"},
            {"SALON", "SALSA", "GGG--"}, {"MAMAN", "AAAAA", "-G-G-"}, {"TIGRE", "EVADE", "----G"},
            {"ALLER", "BELLE", "-YGY-"}, {"ARBRE", "TERRE", "--YGG"}, {"ELEVE", "VEXEE", "YY-YG"},
            {"RADAR", "ARBRE", "YY-Y-"}, {"TERRE", "terre", "-----"}, {"TERRE", "TÉRRE", "G-GGG"}};
        for (const auto& [cherche, propose, marques] : plateaux)
            QVERIFY2(marquer(cherche, propose) == marques, propose);
    }

    // One player from before the first game to the end of the tenth word. Catches a tick
    // submitting a line before any word, a wrong first letter, box or colour at the start of a
    // word; a draw not uniform over the list or not reseeded from the time of day; keys or clicks
    // acted upon while the solution is spelled; Enter evaluating after the word is over; a sixth
    // cell or a lost caret rule; the keyboard path to the next word broken; "MOT suivant" scoring
    // an abandoned word; or a game not ending with its tenth word (nobody qualifies: the notice).
    void unJoueur() {
        P p({"ARBRE", "BALLE", "CANNE"});
        p.f->Minuterie1->start(); // no word drawn yet: a tick submits nothing
        p.tic(120'000);
        QVERIFY(p.e.Ligne == 0 && p.d.son.bips == 0 && p.focus() == p.f->Nouveau);
        p.d.horloge.heure = 1234.5;
        p.d.hasard.valeurs = {0.999999};
        p.cliquer(p.f->Nouveau); // before any game: starts one
        QCOMPARE(p.ligne(1) + p.couleurs(1) + p.boite()->text() + p.places(), "C    G----CBI");
        QVERIFY(p.d.son.bips == 1 && p.boite()->cursorPosition() == 1 && p.focus() == p.boite());
        QVERIFY(p.f->Num_Mot(1)->text() == "1" && p.d.hasard.graines.back() == 1234.5);
        p.tic();
        QLineEdit* b = p.boite();
        b->setText(QStringLiteral("abcde"));
        b->setCursorPosition(1);
        p.taper(QStringLiteral("x"));
        QCOMPARE(b->text() + QString::number(b->cursorPosition()) + p.ligne(1), "xbcde5XBCDE");
        QTest::keyClick(b, Qt::Key_Backspace);
        QCOMPARE(p.ligne(1) + p.e.Mot_Propose.texte(), QStringLiteral("XBCD XBCD "));
        QTimer::singleShot(0, p.f.get(), [&p] { // keys and clicks during the spelled solution
            QTest::keyClick(p.f->Nouveau, Qt::Key_Return);
            p.cliquer(p.f->Nouv_Partie);
        });
        for (int l = 1; l <= 5; ++l)
            p.proposer(QStringLiteral("canon"));
        p.boite()->setFocus();
        p.taper(QStringLiteral("abc")); // the word is over
        p.entree();
        QVERIFY(p.ligne(5) + p.e.Mot_Propose.texte() == "CANONCANON" && p.e.Ligne == 5);
        QVERIFY(p.solution() == "CANNE" && p.focus() == p.f->Nouveau);
        for (const auto& [r, mot] : {std::pair{0.5, "BALLE"}, {0.0, "ARBRE"}}) {
            p.d.hasard.valeurs = {r}; // the keypad's Enter on "MOT suivant", then a click
            r > 0 ? QTest::keyClick(p.f->Nouveau, Qt::Key_Enter) : p.cliquer(p.f->Nouveau);
            QVERIFY(p.e.Mot_Cherche.texte() == mot && p.focus() == p.boite());
        }
        for (int mot = 4; mot <= 10; ++mot) {
            p.proposer(QStringLiteral("arbra"));
            p.cliquer(p.f->Nouveau); // the word abandoned
            QVERIFY(p.f->Num_Mot(1)->text() == QString::number(mot) && p.e.Score_J(1) == 0);
        }
        QString fenetre;
        quandModale([&](QWidget* w) { fenetre = w->objectName(), w->close(); });
        p.cliquer(p.f->Nouveau); // during word 10
        QCOMPARE(fenetre + p.f->Num_Mot(1)->text(), QStringLiteral("Form51"));
    }

    // Catches a mark on the wrong cell or in the wrong colour in any column of either pass, a
    // miss that does not prepare the next line, or typing not folded to the list's capitals;
    // a cell a screen reader hears otherwise than its colour shows, or lagging behind typing
    // or marking; a gauge or score said without its value, or the window said as a filler.
    void marquage() {
        P p;
        QCOMPARE(QAccessible::queryAccessibleInterface(p.f.get())->role(), QAccessible::Window);
        p.cliquer(p.f->Nouv_Partie);
        p.taper(QStringLiteral("retro")); // "T" + "retro": the first of six drops out
        QCOMPARE(p.ligne(1) + p.boite()->text() + nom(p.f->Mot(5)),
                 "RETROretroligne 1, colonne 5 : O");
        p.entree();
        QCOMPARE(p.couleurs(1) + p.couleurs(2), QStringLiteral("YGYG-C----"));
        QVERIFY(p.boite()->text().isEmpty() && p.e.Mot_Propose.texte() == "     ");
        QStringList lus;
        for (int k = 1; k <= 7; ++k)
            lus << nom(p.f->Mot(k)).mid(k < 6 ? 21 : 0);
        QCOMPARE(lus.join('|'),
                 QStringLiteral("R, mal placée|E, bien placée|T, mal placée|R, bien "
                                "placée|O, absente|ligne 2, colonne 1 : vide, "
                                "début de la ligne à jouer|ligne 2, colonne 2 : vide"));
        p.proposer(QStringLiteral("errer"));
        QCOMPARE(p.couleurs(2), QStringLiteral("YYGY-")); // the cyan cell was reset first
        p.entree();                                       // an empty box uses up a line too
        QCOMPARE(p.couleurs(3) + p.couleurs(4), QStringLiteral("-----C----"));
        p.tic(12'000);
        QCOMPARE(nom(p.f->Temps), QStringLiteral("temps écoulé : 12 sur 60 secondes"));
        p.proposer(QStringLiteral("eterr"));
        QCOMPARE(p.couleurs(4) + p.couleurs(5), QStringLiteral("YYYGYC----"));
        p.taper(QStringLiteral("térré"));
        QCOMPARE(p.ligne(5) + p.boite()->text(), "TERREtérré");
        p.entree();
        QCOMPARE(p.couleurs(5), QStringLiteral("GGGGG"));
        QCOMPARE(nom(p.f->Mot(25)) + " / " + nom(p.f->Score(1)) + " / " + nom(p.f->Réponse(1)),
                 QStringLiteral("ligne 5, colonne 5 : E, bien placée / score du joueur 1 : 5 / "
                                "solution, lettre 1 : T"));
    }

    // Catches a cell, a colour or a letter of the solution left from the last word when the
    // next one starts, by "MOT suivant" or by a new game.
    void plateauEfface() {
        P p;
        for (Bouton* suivant : {p.f->Nouveau, p.f->Nouv_Partie}) {
            p.cliquer(p.f->Nouv_Partie);
            p.tic();
            for (const char* mot : {"etrer", "rrete", "eterr", "reter", "ertre"})
                p.proposer(QString::fromLatin1(mot)); // every cell lettered and coloured
            QVERIFY(!p.plateau().contains(u'-') && p.solution() == "TERRE");
            p.cliquer(suivant);
            p.tic();
            QCOMPARE(p.plateau(), "T    G" + QString(24, u'-'));
            QVERIFY(p.solution() == "_____" && p.vu(p.f->Cadre_Temps));
        }
    }

    // Catches points read from the wrong label, scale or line, a lead colour wrong, or a word
    // not spelled (one beep a letter) when found or missed; the applause only with the sound
    // on, which its switch turns on and off, showing its state.
    void pointsParLigneEtNiveau() {
        const QString mots[4] = {"", "terre", "salut", "maman"};
        P p;
        for (const auto& [niveau, ligne, points] :
             {std::tuple{1, 5, " 5GR"}, {2, 1, " 35GR"}, {3, 3, " 24GR"}, {3, 6, "000NN"}}) {
            p.cliquer(p.f->Difficulté(niveau));
            p.cliquer(p.f->Nouv_Partie);
            p.tic(); // clears the end of the previous word
            const int bips = p.d.son.bips;
            for (int l = 1; l < ligne && l <= 5; ++l)
                p.proposer(QStringLiteral("xxxxx"));
            if (ligne <= 5) // 6: missed on line 5
                p.proposer(mots[niveau]);
            QCOMPARE(p.f->Score(1)->text() + p.meneur() + p.solution(),
                     points + mots[niveau].toUpper());
            QVERIFY(p.d.son.bips - bips == 5 && p.e.Mot_Fini && !p.vu(p.f->Cadre_Temps));
            QVERIFY(!p.f->Minuterie1->isActive() && p.focus() == p.f->Nouveau);
        }
        QVERIFY(p.d.son.joues.isEmpty() && !p.vu(p.f->Son_On));     // sound off: no applause
        for (QWidget* interrupteur : {p.f->Son_Off, p.f->Son_On}) { // on, then off again
            p.cliquer(p.f->Nouv_Partie);
            p.tic();
            p.cliquer(interrupteur);
            const bool actif = interrupteur == p.f->Son_Off;
            QVERIFY(p.e.Son_Actif == actif && p.vu(p.f->Son_On) == actif);
            QVERIFY(p.vu(p.f->Son_Off) != actif && p.focus() == p.boite());
            QCOMPARE(p.d.son.preparations, 1); // the module made ready when it is turned on
            p.proposer(QStringLiteral("maman"));
        }
        QCOMPARE(p.d.son.joues, QStringList{QStringLiteral("applaudi.wav:attente")});
        for (const auto& [niveau, k] : {std::pair(0, 1), {4, 1}, {1, 0}, {1, 6}})
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, legendeRep_H(niveau, k)); // no such label
    }

    // Catches a wrong turn order, counter, box or lead colour with two players (a tie shows
    // both green), a game that does not end after player 2's tenth word on the score table
    // (the fanfare started first, without waiting).
    void deuxJoueurs() {
        P p;
        p.cliquer(p.f->Nb_J(2));
        p.tic();
        for (int mot = 1; mot <= 10; ++mot)
            for (int j = 1; j <= 2; ++j) {
                if (mot > 1 || j == 2)
                    QTest::keyClick(p.f->Nouveau, Qt::Key_Return);
                QCOMPARE(p.places() + p.f->Num_Mot(j)->text(),
                         (j == 1 ? "BI" : "IB") + QString::number(mot));
                QVERIFY(p.e.Joueur == j && p.focus() == p.boite());
                if (j == 2 && mot == 10)
                    break;
                p.proposer(QStringLiteral("terre")); // player 1 leads, then a tie
                QVERIFY(p.meneur() == (j == 1 ? "GR" : "GG") && p.focus() == p.f->Nouveau);
            }
        QStringList sons;
        quandModale([&](QWidget* w) { sons = p.d.son.joues, w->close(); }, "Form4");
        p.e.Son_Actif = true;
        p.proposer(QStringLiteral("terre")); // both qualify with 250; the fanfare does not wait
        QCOMPARE(sons, QStringList({"applaudi.wav:attente", "fanfare.wav:async"}));
        QCOMPARE(p.e.Mots_Joues(1) * 10 + p.e.Mots_Joues(2), 10); // a new game: 1 and 0
        QCOMPARE(p.f->Score(1)->text() + p.f->Score(2)->text() + p.places(), "000000BI");
        p.tic();
        p.cliquer(p.f->Nouveau);
        p.proposer(QStringLiteral("terre")); // player 2 leads
        QVERIFY(p.meneur() == "RG" && p.e.Score_J(2) == 25);
    }

    // Catches a time-out that does not submit the typed text, or that submits a line after
    // the word is over; a limit not applied at once, out of 0..300 or by other steps; a gauge
    // out of range.
    void delaiDepasse() {
        P p;
        p.f->BH_Temps->setValue(999); // held at 300 s, then a click in the groove: 5 s less
        p.f->BH_Temps->triggerAction(QAbstractSlider::SliderPageStepSub);
        const QString haut = p.f->Etiq_Temps->text();
        p.f->BH_Temps->setValue(5);
        QCOMPARE(haut + p.f->Etiq_Temps->text() + QString::number(p.f->Temps->maximum()), "29554");
        p.cliquer(p.f->Nouv_Partie);
        p.tic(3500);
        QCOMPARE(p.f->Temps->value(), 3);
        p.tic(1500); // 5 s: line 1 goes in as typed
        QCOMPARE(p.couleurs(1) + p.couleurs(2) + QString::number(p.d.son.bips), "G----C----2");
        QVERIFY(p.f->Minuterie1->isActive() && p.f->Temps->value() == 0);
        p.tic(4900);
        p.f->BH_Temps->setValue(60); // raised mid-line: no time-out at the old limit
        p.tic(1000);
        QVERIFY(p.e.Ligne == 2 && p.f->Temps->value() == 5);
        p.f->BH_Temps->setValue(5);
        QCOMPARE(p.f->Temps->value(), 4); // held in range, not dropped
        for (int l = 2; l <= 5; ++l)
            p.tic(5000);
        QVERIFY(p.e.Mot_Fini && !p.f->Minuterie1->isActive() && p.solution() == "TERRE");
        p.f->Minuterie1->start(); // as the score table restarts it after a word
        const int avant = p.d.son.bips;
        p.tic(6000);
        QVERIFY(p.d.son.bips == avant && !p.f->Minuterie1->isActive());
    }

    // Catches a click target that does not give the focus back, one that focuses a hidden
    // box, a first tick that does not take the focus to player 1, or the Tab order broken.
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
        QStringList tab; // the Tab order, from "MOT suivant" round to it
        p.f->Nouveau->setFocus();
        for (int k = 0; k < 12; ++k, QTest::keyClick(p.focus(), Qt::Key_Tab))
            tab << p.focus()->objectName();
        QCOMPARE(tab.join(u' '), QStringLiteral("Nouveau Mot_J(1) Aide Quitter A_Propos Scores "
                                                "Nouv_Partie Difficulté(1) Nb_J(1) BH_Temps "
                                                "Avec_Tirage Nouveau"));
        p.f->Nouveau->setFocus();
        p.f->BH_Temps->setValue(30);
        QCOMPARE(p.focus(), p.boite());
        p.f->Nouveau->setFocus();
        p.tic();
        QCOMPARE(p.focus(), p.boite());
        quandModale([](QWidget* tirage) { tirage->close(); }); // the bonus draw opens
        p.proposer(QStringLiteral("terre")); // the bonus toggle keeps the game as it is
        p.cliquer(p.f->Avec_Tirage);
        QVERIFY(!p.e.Tirage_Actif && p.e.Score_J(1) == 25);
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
        p.cliquer(p.f->Nb_J(1)); // back to one: player 1's box, player 2's icon
        QVERIFY(p.e.Nb_Joueurs == 1 && p.places() == "BI" && p.d.son.bips == 5);
    }
};

QTEST_MAIN(TestJeu)
#include "tst_jeu.moc"
