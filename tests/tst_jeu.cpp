// Marking a proposal, and the word game played on the real main window: turns, typing,
// marking, points, the time limit, the focus, the options and what a screen reader hears, with
// the clock and the draws under control.

#include "PartieDeTest.h"

#include "app/Pliage.h"

using namespace Qt::StringLiterals;
using enum Marque;
constexpr Marque V = BienPlacee, J = MalPlacee, G = Absente; // green, yellow, grey

static void plateau(const char* cherche, const char* propose, QList<Marque> m, const char* note) {
    QTest::addRow("%s / %s: %s", cherche, propose, note)
        << QString(cherche) << QString(propose) << m;
}

class TestJeu : public QObject {
    Q_OBJECT
private slots:
    // Catches right places not settled before wrong ones, a hidden letter serving twice, the
    // leftmost free occurrence not used first, blots that match each other, or a proposal
    // marked before its capitals are folded.
    void marquage_data() {
        QTest::addColumn<QString>("cherche");
        QTest::addColumn<QString>("propose"); // as typed: the game folds it
        QTest::addColumn<QList<Marque>>("marques");
        plateau("TERRE", "RETRO", {J, V, J, V, G}, "two R, each used once");
        plateau("TERRE", "ERRER", {J, J, V, J, G}, "three R proposed, two in the word");
        plateau("SALUT", "PASSE", {G, V, J, G, G}, "only the first S is yellow");
        plateau("SALON", "SALSA", {V, V, V, G, G}, "S and A matched green count no more");
        plateau("MAMAN", "AAAAA", {G, V, G, V, G}, "the greens take both A");
        plateau("TERRE", "T    ", {V, G, G, G, G}, "blanks match nothing");
        plateau("TIGRE", "EVADE", {G, G, G, G, V}, "the green E is not spent on a yellow");
        plateau("ARBRE", "TERRE", {G, G, J, V, V}, "the free R, not the green one");
        plateau("ELEVE", "VEXEE", {J, J, G, J, V}, "the leftmost free E first");
        plateau("TERRE", "tÉrRÊ", {V, V, V, V, V}, "lower case and accents folded");
    }
    void marquage() {
        QFETCH(QString, cherche);
        QFETCH(QString, propose);
        QFETCH(QList<Marque>, marques);
        const auto m = Marquer(Texte5(cherche), Texte5(plierMajuscules(propose)));
        QCOMPARE(QList<Marque>(m.begin(), m.end()), marques);
    }

    // Catches a level's scale wrong beside any line (the caption beside a line shows its
    // points), points read from another line's label or another level's scale, or a level not
    // drawing from its own list.
    void echelles_data() {
        QTest::addColumn<int>("niveau");
        QTest::addColumn<QList<int>>("points"); // a word found on line 1..5
        QTest::newRow("Débutant") << 1 << QList{25, 20, 15, 10, 5};
        QTest::newRow("Compétent: 40 % more") << 2 << QList{35, 28, 21, 14, 7};
        QTest::newRow("Expert: 60 % more") << 3 << QList{40, 32, 24, 16, 8};
    }
    void echelles() {
        QFETCH(int, niveau);
        QFETCH(QList<int>, points);
        PartieDeTest p;
        cliquer(p.f->Difficulté(niveau % 3 + 1)); // from another level
        cliquer(p.f->Difficulté(niveau));
        QList<int> gagnes;
        for (int ligne = 1; ligne <= 5; ++ligne) {
            QCOMPARE(p.f->Rep_H(6 - ligne)->text(), QString::number(points[ligne - 1]));
            cliquer(p.f->Nouv_Partie);
            p.tic(); // the last word over: the box takes a proposal from the first tick on
            for (int l = 1; l < ligne; ++l)
                p.proposer(u"xxxxx"_s);
            p.proposer(QStringList{"terre", "salut", "maman"}[niveau - 1]); // its list's word
            gagnes << p.e.Score_J(1);
        }
        QCOMPARE(gagnes, points);
    }

    // Catches a click on a panel, a frame, the gauge, a switch, an option already selected or a
    // command whose window is then closed, or its entry of the context menu or its key, that
    // opens another window or none, leaves the focus elsewhere than in the current player's
    // answer box, ends the running word, or stops or restarts its clock; the score table
    // leaving the clock running while it is up. The time spent in a window counts.
    void clics_data() {
        QTest::addColumn<QString>("cible");
        for (const char* nom :
             {"Panel3D1",     "Panel3D4", "Panel3D5(0)",     "Panel3D5(1)",   "Score(1)",
              "Score(2)",     "Frame3D1", "Frame3D2",        "Temps",         "Diff_Titre",
              "Mot(1)",       "Mot(25)",  "Rep_H(1)",        "Rep_H(5)",      "Avec_Tirage",
              "Son_Off",      "BH_Temps", "Nb_J(2)",         "Difficulté(1)", "A_Propos",
              "Aide",         "Scores",   "Action_A_Propos", "Action_Aide",   "F1",
              "Action_Scores"})
            QTest::newRow(nom) << QString(nom);
    }
    void clics() {
        QFETCH(QString, cible);
        PartieDeTest p;
        cliquer(p.f->Nb_J(2));
        cliquer(p.f->Nouveau); // player 2's turn
        p.tic(10'000);
        bool enMarche = true;
        QString ouverte;
        p.quandModale([&](QWidget* w) {
            enMarche = p.f->Minuterie1->isActive(), ouverte = w->objectName(), w->close();
        });
        p.f->Nouveau->setFocus();
        if (auto* entree = p.f->findChild<QAction*>(cible))
            entree->trigger();
        else if (cible == u"F1"_s)
            QTest::keyClick(p.f->Nouveau, Qt::Key_F1);
        else
            cliquer(p.f->findChild<QWidget*>(cible));
        const QString attendue = cible.contains(u"Propos"_s)                     ? u"Form2"_s
                                 : cible.contains(u"Aide"_s) || cible == u"F1"_s ? u"Form3"_s
                                 : cible.contains(u"Scores"_s)                   ? u"Form4"_s
                                                                                 : QString();
        QCOMPARE(ouverte, attendue);
        QCOMPARE(enMarche, attendue != u"Form4"_s);
        QCOMPARE(p.focus(), p.f->Mot_J(2));
        QVERIFY(p.f->Minuterie1->isActive());
        p.tic(20'000);
        QCOMPARE(p.f->Temps->value(), 30); // neither restarted nor a new game
    }

    // Catches typing not mirrored on the current line in folded capitals, a sixth cell or the
    // wrong one of six dropped, the caret left mid-word, a shortened proposal not blanked; the
    // keypad's Enter not validating; marks on the wrong line, a cell not in its mark's colour
    // or said otherwise than it shows; an empty box not using up its line, a held Enter using
    // up more; the hidden reveal shown unarmed, or not hidden on Insert's release.
    void saisie() {
        PartieDeTest p;
        cliquer(p.f->Nouv_Partie);
        QLineEdit* b = p.boite();
        p.taper(u"rétro"_s); // after the given T: the first of six drops out
        b->setCursorPosition(1);
        p.taper(u"x"_s);
        QCOMPARE(b->text(), u"xétro"_s);
        QCOMPARE(b->cursorPosition(), 5);
        QTest::keyClick(b, Qt::Key_Backspace);
        QCOMPARE(p.lettre(1, 5), " ");
        QTest::keyClick(b, Qt::Key_Enter);
        QCOMPARE(p.marques(1), (QList{G, V, J, V, G}));
        QCOMPARE(p.f->Mot(6)->backColor(), QColor(0, 255, 255));
        QCOMPARE(p.dit(p.f->Mot(1)), "ligne 1, colonne 1 : X, absente");
        QCOMPARE(p.dit(p.f->Mot(2)), "ligne 1, colonne 2 : E, bien placée");
        QCOMPARE(p.dit(p.f->Mot(3)), "ligne 1, colonne 3 : T, mal placée");
        QCOMPARE(p.dit(p.f->Mot(5)), "ligne 1, colonne 5 : vide");
        QCOMPARE(p.dit(p.f->Mot(6)), "ligne 2, colonne 1 : vide, début de la ligne à jouer");
        touche(b, QEvent::KeyPress, Qt::Key_Return, 1000); // held on the empty box
        touche(b, QEvent::KeyRelease, Qt::Key_Return, 1030);
        touche(b, QEvent::KeyPress, Qt::Key_Return, 1030);
        touche(b, QEvent::KeyPress, Qt::Key_Return, 1060, true);
        QCOMPARE(p.marques(2), (QList{G, G, G, G, G}));
        QCOMPARE(p.marque(3, 1), Debut); // one line, not one a repeat
        QTest::keyClick(b, Qt::Key_PageUp);
        QTest::keyPress(b, Qt::Key_Insert);
        QCOMPARE(p.f->Solution->text(), "TERRE");
        QTest::keyRelease(b, Qt::Key_Insert);
        QCOMPARE(p.f->Solution->text(), QString());
        QTest::keyClick(b, Qt::Key_PageDown);
        QTest::keyPress(b, Qt::Key_Insert);
        QCOMPARE(p.f->Solution->text(), QString());
    }

    // One player. Catches a tick submitting a line before any word; "MOT suivant" before a
    // game not starting one; a wrong first letter, mark or caret at the start of a word; a
    // draw not uniform over the list or not reseeded from the time of day first; Enter (either
    // key) after the word
    // evaluating, or typing mirrored, instead of the focus going to "MOT suivant"; a board
    // left from the last word; an abandoned word scored; a game not ending with its tenth word
    // (nobody qualifies: the notice).
    void unJoueur() {
        PartieDeTest p({"ARBRE", "BALLE", "CANNE"});
        p.tic(120'000);
        QCOMPARE(p.d.son.bips, 0);
        p.d.horloge.heure = 1234.5;
        p.d.hasard.valeurs = {0.999999, 0.5};
        p.d.hasard.journal.clear();
        cliquer(p.f->Nouveau);
        QCOMPARE(p.d.hasard.journal, " graine 1234.5 tirage");
        QCOMPARE(p.marques(1), (QList{V, Aucune, Aucune, Aucune, Aucune}));
        QCOMPARE(p.lettre(1, 1), "C");
        QCOMPARE(p.boite()->cursorPosition(), 1);
        for (int l = 1; l <= 5; ++l)
            p.proposer(u"canon"_s);
        QCOMPARE(p.f->Réponse(5)->text(), "E");
        p.taper(u"ab"_s);
        for (const int touche : {Qt::Key_Return, Qt::Key_Enter}) {
            p.boite()->setFocus();
            QTest::keyClick(p.boite(), Qt::Key(touche));
            QCOMPARE(p.focus(), p.f->Nouveau);
        }
        QCOMPARE(p.lettre(5, 1), "C");
        QCOMPARE(p.d.son.bips, 6); // the word's, then one a letter: nothing else acted
        QTest::keyClick(p.f->Nouveau, Qt::Key_Enter);
        QCOMPARE(p.e.Mot_Cherche.texte(), "BALLE");
        QCOMPARE(p.marque(5, 5), Aucune);
        QVERIFY(!p.vu(p.f->Réponse(5)));
        p.taper(u"alle"_s);
        for (int mot = 3; mot <= 10; ++mot)
            cliquer(p.f->Nouveau); // abandoned, the first one found but not validated
        QCOMPARE(p.f->Num_Mot(1)->text(), "10");
        QString fenetre;
        p.quandModale([&](QWidget* w) { fenetre = w->objectName(), w->close(); });
        cliquer(p.f->Nouveau);
        QCOMPARE(fenetre, "Form5");
    }

    // Two players. Catches a wrong turn order, counter, box, Tab order or icon; a wrong lead
    // colour (a tie shows both green); a score said without its value; the applause played
    // with the sound off, the draw not
    // opened for a found word; a game ending before player 2's tenth word or not on the score
    // table then, the fanfare not started before it; a new game not resetting scores and
    // counters.
    void deuxJoueurs() {
        PartieDeTest p;
        cliquer(p.f->Nb_J(2));
        p.proposer(u"terre"_s); // player 1 leads
        QCOMPARE(p.dit(p.f->Score(1)), "score du joueur 1 : 25");
        QCOMPARE(p.f->Score(1)->foreColor(), couleurs::vert);
        QCOMPARE(p.f->Score(2)->foreColor(), couleurs::rouge);
        cliquer(p.f->Nouveau);
        QCOMPARE(p.focus(), p.f->Mot_J(2));
        QTest::keyClick(p.f->Mot_J(2), Qt::Key_Tab);
        QCOMPARE(p.focus(), p.f->Aide); // player 2's box in the Tab order too
        cliquer(p.f->Panel3D1);         // the focus back to the box
        QVERIFY(p.vu(p.f->Image1(1)));
        QCOMPARE(p.f->Num_Mot(2)->text(), "1");
        p.proposer(u"terre"_s); // a tie
        QCOMPARE(p.f->Score(1)->foreColor(), couleurs::vert);
        cliquer(p.f->Nouveau);
        QVERIFY(!p.vu(p.f->Mot_J(2)));
        QCOMPARE(p.f->Num_Mot(1)->text(), "2");
        QStringList fenetres, sons;
        p.quandModale(
            [&](QWidget* w) { fenetres << w->objectName(), sons = p.d.son.joues, w->close(); });
        for (int mot = 0; mot < 17; ++mot) { // player 1's words 2 to 10, found by player 2 only
            if (mot % 2)
                p.proposer(u"terre"_s);
            cliquer(p.f->Nouveau);
        }
        QCOMPARE(fenetres, QStringList()); // not after player 1's tenth word
        cliquer(p.f->Son_Off);
        cliquer(p.f->Avec_Tirage);
        for (int r = 1; r <= 12; ++r)
            p.e.Tab_Scores(r, 2) = u" 30"_s; // player 1's 25 no longer enters
        p.proposer(u"terre"_s);              // player 2 alone qualifies
        QCOMPARE(fenetres, QStringList({"Form6", "Form4"}));
        QCOMPARE(sons, QStringList({"applaudi.wav:attente", "fanfare.wav:async"}));
        QCOMPARE(p.e.Mots_Joues(2), 0);
        QCOMPARE(p.f->Score(2)->text(), "000");
    }

    // Catches a limit out of 0..300 or moved by other steps, its label or the gauge's range
    // not following, a limit of 0 showing a busy or a full bar; a change of level by arrow
    // key not starting a new game; the Tab order broken; the first tick of a game not taking
    // the focus to the box; a gauge said otherwise; a time-out that does not submit the typed
    // text, or comes a tick late; a limit raised mid-line not applied at once; a gauge value
    // dropped rather than held in range; a tick after the word that submits, beeps or opens
    // the box again.
    void delai() {
        PartieDeTest p;
        QCOMPARE(p.f->Temps->value(), 0);
        p.f->BH_Temps->setValue(999);
        QCOMPARE(p.f->Etiq_Temps->text(), "300");
        p.f->BH_Temps->triggerAction(QAbstractSlider::SliderPageStepSub); // a click in the groove
        QCOMPARE(p.f->BH_Temps->value(), 295);
        p.f->BH_Temps->setValue(0);
        QCOMPARE(p.f->BH_Temps->value(), 0);
        QCOMPARE(p.f->Temps->maximum(), 1); // not 0..0, a busy bar
        QCOMPARE(p.f->Temps->value(), 0);   // an empty bar, not a full one
        p.f->BH_Temps->setValue(5);
        QCOMPARE(p.f->Temps->maximum(), 4);
        p.f->Difficulté(1)->setFocus();
        QTest::keyClick(p.f->Difficulté(1), Qt::Key_Down);
        QCOMPARE(p.lettre(1, 1), "S");
        QStringList ordre;
        p.f->Nouveau->setFocus();
        for (int k = 0; k < 12; ++k, QTest::keyClick(p.focus(), Qt::Key_Tab))
            ordre << p.focus()->objectName();
        QCOMPARE(ordre, QStringList({"Nouveau", "Mot_J(1)", "Aide", "Quitter", "A_Propos", "Scores",
                                     "Nouv_Partie", "Difficulté(2)", "Nb_J(1)", "BH_Temps",
                                     "Avec_Tirage", "Nouveau"}));
        p.taper(u"x"_s);
        p.tic(3500);
        QCOMPARE(p.focus(), p.boite());
        QCOMPARE(p.dit(p.f->Temps), "temps écoulé : 3 sur 5 secondes");
        p.f->BH_Temps->setValue(0);
        QCOMPARE(p.f->Temps->value(), 0); // an empty bar, not a full one
        p.f->BH_Temps->setValue(5);
        p.tic(1500); // 5 s: line 1 goes in as typed
        QCOMPARE(p.marque(1, 2), G);
        QCOMPARE(p.f->Temps->value(), 0);
        QVERIFY(p.f->Minuterie1->isActive());
        p.tic(4900);
        p.f->BH_Temps->setValue(60);
        p.tic(1000);
        QCOMPARE(p.f->Temps->value(), 5);
        p.f->BH_Temps->setValue(5);
        QCOMPARE(p.f->Temps->value(), 4);
        for (int l = 2; l <= 5; ++l)
            p.tic(5000);
        p.f->Minuterie1->start(); // as closing the score table does after a word
        p.tic(6000);
        QCOMPARE(p.d.son.bips, 11); // a beep a time-out and a letter, none after the word
        QVERIFY(p.e.Mot_Fini);
    }

    // Catches a close of the main window while the solution is spelled that lets the game go
    // on: the spelling, the draw, the end of the game with its score table.
    void fermetureEnEpelant() {
        PartieDeTest p;
        cliquer(p.f->Nouv_Partie);
        for (int mot = 2; mot <= 10; ++mot)
            cliquer(p.f->Nouveau);
        cliquer(p.f->Avec_Tirage);
        QStringList ouvertes;
        p.quandModale([&](QWidget* w) { ouvertes << w->objectName(), w->close(); });
        p.d.horloge.pendantAttente = [&p](std::int64_t) {
            p.f->close();
        };
        p.proposer(u"terre"_s);
        QCOMPARE(p.f->Réponse(2)->text(), QString());
        QCOMPARE(ouvertes, QStringList());
    }
};

QTEST_MAIN(TestJeu)
#include "tst_jeu.moc"
