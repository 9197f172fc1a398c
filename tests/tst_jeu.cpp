// The word game played on the real main window: turns, typing, marking, points,
// the time limit and the focus, with the clock and the draws under control.

#include "Doubles.h"
#include "app/Apparence.h"
#include "bonus/Carte.h"
#include "game/Bouton.h"
#include "game/Form1.h"
#include "game/Panel3D.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

const QColor vert(0, 255, 0), jaune(255, 255, 0), gris(192, 192, 192), cyan(0, 255, 255),
    rouge(255, 0, 0), noir(0, 0, 0);

struct Partie {
    EtatJeu e;
    ServicesDeTest d;
    std::unique_ptr<Form1> f;
    QTimer fermeur;       // closes the end-of-game window as soon as it is up
    QStringList fenetres; // the windows it closed, by name

    explicit Partie(const QStringList& liste1 = {"TERRE"}, const QStringList& liste2 = {"SALUT"},
                    const QStringList& liste3 = {"MAMAN"}) {
        e.Saut_Ligne = QStringLiteral("\r\n");
        e.Niveau = 1;
        e.Joueur = 1;
        e.Nb_Joueurs = 1;
        const QStringList* listes[] = {&liste1, &liste2, &liste3};
        for (int n = 1; n <= 3; ++n) {
            for (int k = 0; k < listes[n - 1]->size(); ++k)
                e.Liste_Mots(n, k + 1) = Texte5(listes[n - 1]->at(k));
            e.Nb_Mots(n) = static_cast<std::int16_t>(listes[n - 1]->size());
        }
        Remplir_Alignements(e);
        f = std::make_unique<Form1>(e, d.services());
        f->setPauseLettresMs(0);
        e.Fichier_Scores = QStringLiteral("/nonexistent/VERLO-SB.SCO");
        fermeur.setInterval(5);
        QObject::connect(&fermeur, &QTimer::timeout, [this] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                fenetres << w->objectName();
                w->close();
            }
        });
        fermeur.start();
        f->show();
        f->activateWindow();
        if (!QTest::qWaitForWindowActive(f.get()))
            qWarning("window not active: focus checks will fail");
    }

    QLineEdit* boite() const { return f->Mot_J(e.Joueur); }
    void cliquer(QWidget* w) const { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(3, 3)); }
    // Key by key, each carrying its text, as a keyboard (dead keys included) delivers it.
    void taper(const QString& texte) const {
        for (const QChar c : texte) {
            QKeyEvent appui(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(boite(), &appui);
            QKeyEvent relache(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(boite(), &relache);
        }
    }
    void entree() const { QTest::keyClick(boite(), Qt::Key_Return); }
    void proposer(const QString& texte) const {
        boite()->selectAll();
        taper(texte);
        entree();
    }
    // One tick of the answer timer, as its period would have given.
    void tic() const {
        QTimerEvent ev(f->Minuterie1->timerId());
        QCoreApplication::sendEvent(f->Minuterie1, &ev);
    }
    QString ligne(int l) const {
        QString s;
        for (int c = 1; c <= 5; ++c)
            s += f->Mot((l - 1) * 5 + c)->text();
        return s;
    }
    QString couleurs(int l) const {
        QString s;
        for (int c = 1; c <= 5; ++c) {
            const QColor col = f->Mot((l - 1) * 5 + c)->backColor();
            s += col == vert    ? 'G'
                 : col == jaune ? 'Y'
                 : col == gris  ? '-'
                 : col == cyan  ? 'C'
                                : '?';
        }
        return s;
    }
    QString solution() const {
        QString s;
        for (int c = 1; c <= 5; ++c)
            s += f->Réponse(c)->isVisibleTo(f.get()) ? f->Réponse(c)->text() : QStringLiteral("_");
        return s;
    }
};

} // namespace

class TestJeu : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { appliquerApparence(*qApp); }

    // Catches a wrong first letter, box or colour at the start of a game.
    void nouvellePartie() {
        Partie p;
        QCOMPARE(p.f->focusWidget(), p.f->Nouveau); // before any game
        p.cliquer(p.f->Nouv_Partie);
        QCOMPARE(p.d.son.bips, 1);
        QCOMPARE(p.f->Mot(1)->text(), QStringLiteral("T"));
        QCOMPARE(p.f->Mot(1)->backColor(), vert);
        QCOMPARE(p.couleurs(1), QStringLiteral("G----"));
        QCOMPARE(p.f->Mot_J(1)->text(), QStringLiteral("T"));
        QCOMPARE(p.f->Mot_J(1)->cursorPosition(), 1);
        QVERIFY(p.f->Mot_J(1)->isVisibleTo(p.f.get()));
        QVERIFY(!p.f->Image1(1)->isVisibleTo(p.f.get()));
        QVERIFY(!p.f->Mot_J(2)->isVisibleTo(p.f.get()));
        QVERIFY(p.f->Image1(2)->isVisibleTo(p.f.get()));
        QCOMPARE(p.f->Num_Mot(1)->text(), QStringLiteral("1"));
        QCOMPARE(p.f->Num_Mot(2)->text(), QString());
        QVERIFY(p.f->Minuterie1->isActive());
        QVERIFY(p.f->Cadre_Temps->isVisibleTo(p.f.get()));
        QCOMPARE(p.solution(), QStringLiteral("_____"));
        QCOMPARE(p.e.Ligne, 1);
        QCOMPARE(p.e.Mot_Propose.texte(), QStringLiteral("T    "));
        QCOMPARE(p.f->focusWidget(), p.f->Mot_J(1));
    }

    // Catches the draw leaving its range or skipping the fresh reseed.
    void tirageDuMot() {
        Partie p({"ARBRE", "BALLE", "CANNE"});
        p.d.horloge.heure = 1234.5;
        p.cliquer(p.f->Nouv_Partie);
        QCOMPARE(p.e.Mot_Cherche.texte(), QStringLiteral("ARBRE"));
        p.d.hasard.valeurs = {0.999999};
        p.cliquer(p.f->Nouveau);
        QCOMPARE(p.e.Mot_Cherche.texte(), QStringLiteral("CANNE"));
        p.d.hasard.valeurs = {0.5};
        p.cliquer(p.f->Nouveau);
        QCOMPARE(p.e.Mot_Cherche.texte(), QStringLiteral("BALLE"));
        // Each draw reseeds from the time of day (the deals of new cards do too).
        QVERIFY(p.d.hasard.graines.size() >= 3);
        QCOMPARE(p.d.hasard.graines.back(), 1234.5);
    }

    // Catches marks applied to the wrong cells or in the wrong colours, and a
    // miss that does not prepare the next line.
    void marquageDuneLigne() {
        Partie p;
        p.cliquer(p.f->Nouv_Partie);
        p.taper(QStringLiteral("retro")); // "T" + "retro": the first of six drops out
        QCOMPARE(p.f->Mot_J(1)->text(), QStringLiteral("retro"));
        QCOMPARE(p.ligne(1), QStringLiteral("RETRO"));
        QCOMPARE(p.e.Mot_Propose.texte(), QStringLiteral("RETRO"));
        p.entree();
        QCOMPARE(p.couleurs(1), QStringLiteral("YGYG-"));
        QCOMPARE(p.e.Ligne, 2);
        QCOMPARE(p.couleurs(2), QStringLiteral("C----"));
        QCOMPARE(p.f->Mot_J(1)->text(), QString());
        QCOMPARE(p.e.Mot_Propose.texte(), QStringLiteral("     "));
        QVERIFY(p.f->Minuterie1->isActive());

        p.taper(QStringLiteral("errer"));
        p.entree();
        QCOMPARE(p.couleurs(2), QStringLiteral("YYGY-")); // the cyan cell was reset first
        // An empty box uses up a line too.
        p.entree();
        QCOMPARE(p.couleurs(3), QStringLiteral("-----"));
        QCOMPARE(p.e.Ligne, 4);
        QCOMPARE(p.couleurs(4), QStringLiteral("C----"));
        // Accented letters fold to the list's capitals; the box keeps what was typed.
        p.taper(QStringLiteral("térré"));
        QCOMPARE(p.ligne(4), QStringLiteral("TERRE"));
        QCOMPARE(p.f->Mot_J(1)->text(), QStringLiteral("térré"));
        p.entree();
        QCOMPARE(p.couleurs(4), QStringLiteral("GGGGG"));
        QCOMPARE(p.f->Score(1)->text(), QStringLiteral(" 10"));
    }

    // Catches points read from the wrong label, a wrong level scale, wrong lead
    // colours, or a solution not spelled.
    void motTrouveAChaqueLigneEtNiveau() {
        const int points[4][6] = {
            {}, {0, 25, 20, 15, 10, 5}, {0, 35, 28, 21, 14, 7}, {0, 40, 32, 24, 16, 8}};
        const QString mots[4] = {{}, "TERRE", "SALUT", "MAMAN"};
        Partie p;
        for (int niveau = 1; niveau <= 3; ++niveau) {
            p.cliquer(p.f->Difficulté(niveau));
            QCOMPARE(p.e.Niveau, niveau);
            for (int k = 1; k <= 5; ++k)
                QCOMPARE(p.f->Rep_H(k)->text(), QString::number(points[niveau][6 - k]));
            for (int ligne = 1; ligne <= 5; ++ligne) {
                p.cliquer(p.f->Nouv_Partie);
                p.tic(); // clears the end of the previous word
                for (int l = 1; l < ligne; ++l)
                    p.proposer(QStringLiteral("xxxxx"));
                const int bips = p.d.son.bips;
                p.proposer(mots[niveau].toLower());
                QCOMPARE(p.e.Score_J(1), points[niveau][ligne]);
                QCOMPARE(p.f->Score(1)->text(), QStringLiteral(" %1").arg(points[niveau][ligne]));
                QCOMPARE(p.f->Score(1)->foreColor(), vert);
                QCOMPARE(p.f->Score(2)->foreColor(), rouge);
                QCOMPARE(p.solution(), mots[niveau]);
                QCOMPARE(p.d.son.bips - bips, 5); // one per letter
                QVERIFY(!p.f->Cadre_Temps->isVisibleTo(p.f.get()));
                QVERIFY(p.e.Mot_Fini);
                QVERIFY(!p.f->Minuterie1->isActive());
                QCOMPARE(p.f->focusWidget(), p.f->Nouveau);
            }
        }
        QVERIFY(p.d.son.joues.isEmpty()); // sound off: no applause
        p.e.Son_Actif = true;
        p.cliquer(p.f->Nouv_Partie);
        p.tic();
        p.proposer(QStringLiteral("maman"));
        QCOMPARE(p.d.son.joues, QStringList{QStringLiteral("applaudi.wav:attente")});
    }

    // Catches points or colour changes for a missed word, and a fifth miss that
    // does not end the word.
    void motManque() {
        Partie p;
        p.cliquer(p.f->Nouv_Partie);
        for (int l = 1; l <= 4; ++l) {
            p.proposer(QStringLiteral("poire"));
            QVERIFY(!p.e.Mot_Fini);
        }
        const int bips = p.d.son.bips;
        p.proposer(QStringLiteral("poire"));
        QVERIFY(p.e.Mot_Fini);
        QCOMPARE(p.e.Score_J(1), 0);
        QCOMPARE(p.f->Score(1)->text(), QStringLiteral("000"));
        QCOMPARE(p.f->Score(1)->foreColor(), noir);
        QCOMPARE(p.solution(), QStringLiteral("TERRE"));
        QCOMPARE(p.d.son.bips - bips, 5);
        QVERIFY(!p.f->Minuterie1->isActive());
        QCOMPARE(p.f->focusWidget(), p.f->Nouveau);
    }

    // Catches a wrong turn order, counters or boxes in a two-player game, and a
    // game that does not end after player 2's tenth word.
    void deuxJoueurs() {
        Partie p;
        p.cliquer(p.f->Nb_J(2));
        QCOMPARE(p.e.Nb_Joueurs, 2);
        QCOMPARE(p.e.Joueur, 1);
        QCOMPARE(p.f->Num_Mot(1)->text(), QStringLiteral("1"));
        QCOMPARE(p.f->Num_Mot(2)->text(), QString());
        p.tic();
        for (int mot = 1; mot <= 10; ++mot) {
            for (int j = 1; j <= 2; ++j) {
                if (mot > 1 || j == 2)
                    QTest::keyClick(p.f->Nouveau, Qt::Key_Return);
                QCOMPARE(p.e.Joueur, j);
                QVERIFY(p.f->Mot_J(j)->isVisibleTo(p.f.get()));
                QVERIFY(!p.f->Image1(j)->isVisibleTo(p.f.get()));
                QVERIFY(!p.f->Mot_J(3 - j)->isVisibleTo(p.f.get()));
                QVERIFY(p.f->Image1(3 - j)->isVisibleTo(p.f.get()));
                QCOMPARE(p.f->Num_Mot(j)->text(), QString::number(mot));
                QCOMPARE(p.f->Mot_J(j)->text(), QStringLiteral("T"));
                QCOMPARE(p.f->focusWidget(), p.f->Mot_J(j));
                if (j == 2 && mot == 10)
                    break;
                p.proposer(QStringLiteral("terre"));
                QCOMPARE(p.e.Score_J(j), 25 * mot);
                // Player 1 leads after his word, then the scores are equal.
                QCOMPARE(p.f->Score(1)->foreColor(), vert);
                QCOMPARE(p.f->Score(2)->foreColor(), j == 1 ? rouge : vert);
                QCOMPARE(p.f->focusWidget(), p.f->Nouveau);
            }
        }
        // Player 2's tenth word ends the game; the next one starts at once.
        p.proposer(QStringLiteral("terre"));
        QCOMPARE(p.fenetres, QStringList{QStringLiteral("Form4")}); // both qualify
        QCOMPARE(p.e.Mots_Joues(1), 1);
        QCOMPARE(p.e.Mots_Joues(2), 0);
        QCOMPARE(p.e.Joueur, 1);
        QCOMPARE(p.f->Score(1)->text(), QStringLiteral("000"));
        QCOMPARE(p.f->Score(2)->text(), QStringLiteral("000"));
        QCOMPARE(p.f->Num_Mot(1)->text(), QStringLiteral("1"));
        QCOMPARE(p.f->Num_Mot(2)->text(), QString());
        QVERIFY(p.f->Mot_J(1)->isVisibleTo(p.f.get()));
        QVERIFY(!p.f->Mot_J(2)->isVisibleTo(p.f.get()));
        QCOMPARE(p.e.Nb_Joueurs, 2);

        // Back to one player in the middle of a game.
        p.cliquer(p.f->Nouveau);
        QCOMPARE(p.e.Joueur, 2);
        p.cliquer(p.f->Nb_J(1));
        QCOMPARE(p.e.Joueur, 1);
        QVERIFY(p.f->Mot_J(1)->isVisibleTo(p.f.get()));
        QVERIFY(!p.f->Mot_J(2)->isVisibleTo(p.f.get()));
        QVERIFY(p.f->Image1(2)->isVisibleTo(p.f.get()));
    }

    // Catches "MOT suivant" scoring an abandoned word, showing its solution, or
    // letting a one-player game run past ten words.
    void motSuivant() {
        Partie p;
        p.cliquer(p.f->Nouv_Partie);
        p.proposer(QStringLiteral("poire"));
        p.cliquer(p.f->Nouveau);
        QCOMPARE(p.e.Score_J(1), 0);
        QCOMPARE(p.solution(), QStringLiteral("_____"));
        QCOMPARE(p.ligne(1), QStringLiteral("T    "));
        QCOMPARE(p.couleurs(1), QStringLiteral("G----"));
        QCOMPARE(p.couleurs(2), QStringLiteral("-----"));
        QCOMPARE(p.e.Ligne, 1);
        QCOMPARE(p.f->Num_Mot(1)->text(), QStringLiteral("2"));
        for (int mot = 3; mot <= 10; ++mot) {
            p.cliquer(p.f->Nouveau);
            QCOMPARE(p.f->Num_Mot(1)->text(), QString::number(mot));
        }
        p.cliquer(p.f->Nouveau); // during word 10: the game ends, a new one starts
        QCOMPARE(p.fenetres, QStringList{QStringLiteral("Form5")}); // 0 points
        QCOMPARE(p.f->Num_Mot(1)->text(), QStringLiteral("1"));
        QCOMPARE(p.e.Mots_Joues(1), 1);

        // One player, before any game: the box replaces the icon.
        Partie q;
        q.cliquer(q.f->Nouveau);
        QVERIFY(q.f->Mot_J(1)->isVisibleTo(q.f.get()));
        QVERIFY(!q.f->Image1(1)->isVisibleTo(q.f.get()));
        QVERIFY(q.f->Image1(2)->isVisibleTo(q.f.get()));
    }

    // Catches a time-out that does not submit the typed text, or that submits
    // a line after the word is over or before any word.
    void delaiDepasse() {
        Partie p;
        p.f->BH_Temps->setValue(5);
        QCOMPARE(p.f->Etiq_Temps->text(), QStringLiteral("5"));
        QCOMPARE(p.f->Temps->maximum(), 4);
        p.cliquer(p.f->Nouv_Partie);
        p.d.horloge.avancer(3500);
        p.tic();
        QCOMPARE(p.f->Temps->value(), 3);
        QCOMPARE(p.e.Ligne, 1);
        const int bips = p.d.son.bips;
        p.d.horloge.avancer(1500);
        p.tic(); // 5 s: line 1 goes in as typed
        QCOMPARE(p.d.son.bips - bips, 1);
        QCOMPARE(p.couleurs(1), QStringLiteral("G----"));
        QCOMPARE(p.e.Ligne, 2);
        QCOMPARE(p.f->Temps->value(), 0);
        QVERIFY(p.f->Minuterie1->isActive()); // a fresh 5 s for line 2
        p.d.horloge.avancer(4900);
        p.tic();
        QCOMPARE(p.e.Ligne, 2);
        // Raising the limit mid-line: no time-out at the old limit.
        p.f->BH_Temps->setValue(60);
        QCOMPARE(p.f->Temps->maximum(), 59);
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
        QVERIFY(p.e.Mot_Fini); // line 5 timed out: the word is over
        QCOMPARE(p.solution(), QStringLiteral("TERRE"));
        QVERIFY(!p.f->Minuterie1->isActive());
        // Restarted while the word is over (as the score table does): nothing submitted.
        p.f->Minuterie1->start();
        p.d.horloge.avancer(6000);
        const int avant = p.d.son.bips;
        p.tic();
        QCOMPARE(p.d.son.bips, avant);
        QVERIFY(!p.f->Minuterie1->isActive());

        // A limit of 0 shows an empty bar, never Qt's busy animation.
        p.f->BH_Temps->setValue(0);
        QCOMPARE(p.f->Temps->minimum(), 0);
        QVERIFY(p.f->Temps->maximum() > 0);
        QCOMPARE(p.f->Temps->value(), 0);

        // No word drawn yet: a tick submits nothing.
        Partie q;
        q.f->Minuterie1->start();
        q.d.horloge.avancer(120000);
        q.tic();
        QCOMPARE(q.e.Ligne, 0);
        QCOMPARE(q.d.son.bips, 0);
    }

    // Catches a sixth cell, a lost caret rule, or a character turning into two.
    void saisie() {
        Partie p;
        p.cliquer(p.f->Nouv_Partie);
        QLineEdit* b = p.f->Mot_J(1);
        b->clear();
        p.taper(QStringLiteral("abcde"));
        b->setCursorPosition(1);
        p.taper(QStringLiteral("x"));
        QCOMPARE(b->text(), QStringLiteral("xbcde"));
        QCOMPARE(b->cursorPosition(), 5);
        QCOMPARE(p.ligne(1), QStringLiteral("XBCDE"));
        QTest::keyClick(b, Qt::Key_Backspace);
        QTest::keyClick(b, Qt::Key_Backspace);
        QCOMPARE(p.ligne(1), QStringLiteral("XBC  "));
        QCOMPARE(p.e.Mot_Propose.texte(), QStringLiteral("XBC  "));
        b->setText(QStringLiteral("straße"));
        QCOMPARE(b->text(), QStringLiteral("traße"));
        QCOMPARE(p.ligne(1), QStringLiteral("TRAßE"));
        b->setText(QStringLiteral("cœur"));
        QCOMPARE(p.ligne(1), QStringLiteral("CŒUR "));
        QCOMPARE(b->maxLength(), 32767); // no limit of the box's own
    }

    // Catches Enter evaluating after the word is over, a held Enter submitting
    // several lines, or the keyboard path to the next word broken.
    void entreeApresMotFini() {
        Partie p({"TERRE", "BALLE"});
        p.d.hasard.defaut = 0.0;
        p.cliquer(p.f->Nouv_Partie);
        p.proposer(QStringLiteral("terre"));
        QCOMPARE(p.f->focusWidget(), p.f->Nouveau);
        p.f->Mot_J(1)->setFocus();
        p.taper(QStringLiteral("abc"));
        QCOMPARE(p.ligne(1), QStringLiteral("TERRE"));
        QCOMPARE(p.e.Mot_Propose.texte(), QStringLiteral("TERRE"));
        const int score = p.e.Score_J(1);
        p.entree();
        QCOMPARE(p.e.Score_J(1), score);
        QCOMPARE(p.f->focusWidget(), p.f->Nouveau);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // the second Enter
        QCOMPARE(p.f->Num_Mot(1)->text(), QStringLiteral("2"));
        QCOMPARE(p.f->focusWidget(), p.f->Mot_J(1));

        // Held Enter: only the first press validates.
        QTest::keyPress(p.boite(), Qt::Key_Return);
        QKeyEvent repete(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QCoreApplication::sendEvent(p.boite(), &repete);
        QTest::keyRelease(p.boite(), Qt::Key_Return);
        QCOMPARE(p.e.Ligne, 2);
    }

    // Catches a reveal shown without arming, kept after release, or dropped by
    // an auto-repeated release.
    void revelationCachee() {
        Partie p;
        p.cliquer(p.f->Nouv_Partie);
        QLineEdit* b = p.f->Mot_J(1);
        QTest::keyPress(b, Qt::Key_Insert);
        QCOMPARE(p.f->Solution->text().trimmed(), QString());
        QTest::keyRelease(b, Qt::Key_Insert);
        QTest::keyClick(b, Qt::Key_PageUp);
        QTest::keyPress(b, Qt::Key_Insert);
        QCOMPARE(p.f->Solution->text(), QStringLiteral("TERRE"));
        QKeyEvent repete(QEvent::KeyRelease, Qt::Key_Insert, Qt::NoModifier, QString(), true);
        QCoreApplication::sendEvent(b, &repete);
        QCOMPARE(p.f->Solution->text(), QStringLiteral("TERRE"));
        QTest::keyRelease(b, Qt::Key_Insert);
        QCOMPARE(p.f->Solution->text(), QString());
        // Armed across games, until Page Down.
        p.cliquer(p.f->Nouv_Partie);
        QTest::keyPress(b, Qt::Key_Insert);
        QCOMPARE(p.f->Solution->text(), QStringLiteral("TERRE"));
        QTest::keyRelease(b, Qt::Key_Insert);
        QTest::keyClick(b, Qt::Key_PageDown);
        QTest::keyPress(b, Qt::Key_Insert);
        QCOMPARE(p.f->Solution->text(), QString());
        QTest::keyRelease(b, Qt::Key_Insert);
        QCOMPARE(p.ligne(1), QStringLiteral("T    ")); // the keys typed nothing
    }

    // Catches a click target that does not give the focus back, or one that
    // focuses a hidden box.
    void reglesDuFocus() {
        Partie p;
        p.cliquer(p.f->Mot(7));
        QCOMPARE(p.f->focusWidget(), p.f->Nouveau); // no box shown yet
        p.cliquer(p.f->Nouv_Partie);
        const QList<QWidget*> cibles{p.f->Mot(7),
                                     p.f->Rep_H(2),
                                     p.f->Score(2),
                                     p.f->Panel3D1,
                                     p.f->Panel3D4,
                                     p.f->Panel3D5(1),
                                     static_cast<QWidget*>(p.f->Frame3D1),
                                     static_cast<QWidget*>(p.f->Frame3D2),
                                     static_cast<QWidget*>(p.f->Temps),
                                     p.f->Diff_Titre};
        for (QWidget* w : cibles) {
            p.f->Nouveau->setFocus();
            p.cliquer(w);
            QVERIFY2(p.f->focusWidget() == p.f->Mot_J(1), qPrintable(w->objectName()));
        }
        // The scroll bar and the bonus toggle hand the focus back too.
        p.f->BH_Temps->setValue(30);
        QCOMPARE(p.f->focusWidget(), p.f->Mot_J(1));
        p.f->Nouveau->setFocus();
        p.cliquer(p.f->Avec_Tirage);
        QVERIFY(p.e.Tirage_Actif);
        QCOMPARE(p.f->focusWidget(), p.f->Mot_J(1));
        // The first tick after a new game puts the focus in player 1's box.
        p.cliquer(p.f->Nouv_Partie);
        p.f->Nouveau->setFocus();
        p.tic();
        QCOMPARE(p.f->focusWidget(), p.f->Mot_J(1));
        QCOMPARE(p.e.Focus_Attente, 0);
        // Toggling the bonus keeps the game as it is.
        p.proposer(QStringLiteral("terre"));
        p.cliquer(p.f->Avec_Tirage);
        QVERIFY(!p.e.Tirage_Actif);
        QCOMPARE(p.e.Score_J(1), 25);
    }

    // Catches a new game, started right after a finished word, evaluating the
    // previous word's last proposal.
    void nouvellePartieApresMotFini() {
        Partie p({"TERRE", "BALLE"});
        p.cliquer(p.f->Nouv_Partie);
        p.proposer(QStringLiteral("terre"));
        QVERIFY(p.e.Mot_Fini);
        p.cliquer(p.f->Nouv_Partie);
        p.entree(); // before the first tick: nothing is evaluated
        QCOMPARE(p.e.Ligne, 1);
        QCOMPARE(p.couleurs(1), QStringLiteral("G----"));
        p.tic();
        QVERIFY(!p.e.Mot_Fini);
        QCOMPARE(p.e.Mot_Propose.texte(), QStringLiteral("T    "));
        p.entree();
        QCOMPARE(p.e.Score_J(1), 0);
        QCOMPARE(p.e.Ligne, 2);
    }
};

QTEST_MAIN(TestJeu)
#include "tst_jeu.moc"
