// The options only the context menu offers, and the menu and keys themselves: colours told
// apart by every colour vision, hidden words not given again (the draw's memory across runs),
// the settings file that remembers both, and the keys that reach the buttons' handlers.

#include "Fichiers.h"
#include "PartieDeTest.h"
#include "app/Attente.h"
#include "extras/Form3.h"

namespace {

// A state whose level 1 list holds these words.
EtatJeu liste(const QStringList& mots) {
    EtatJeu e;
    for (int k = 0; k < mots.size(); ++k)
        e.Liste_Mots(1, k + 1) = Texte5(mots[k]);
    e.Nb_Mots(1) = static_cast<std::int16_t>(mots.size());
    return e;
}

// `n` draws from the list, from `depart` by steps of `pas` round [0, 1): the words, in order.
QStringList tirages(MotsTires& m, const EtatJeu& e, int n, double depart = 0.1,
                    double pas = 0.618034) {
    QStringList mots;
    for (int i = 0; i < n; ++i)
        mots << e.Liste_Mots(1, m.tirer(e, 1, std::fmod(depart + pas * i, 1.0))).texte();
    return mots;
}

qsizetype differents(const QStringList& mots) {
    return QSet<QString>(mots.cbegin(), mots.cend()).size();
}

const QStringList cinq{"ARBRE", "BALLE", "CANNE", "DROIT", "ECRIT"};

} // namespace

class TestOptions : public QObject {
    Q_OBJECT

    QTemporaryDir dossier; // the current folder: the files are named relative to it

private slots:
    void initTestCase() { appliquerApparence(*qApp); }
    void init() { QVERIFY(QDir::setCurrent(dossier.path()) && shell("rm -rf -- * .[!.]*")); }

    // Catches a word given twice in a round, a round that never ends or starts with the word
    // just drawn, a one-word list that gives nothing; draws forgotten at a restart, a word no
    // longer in the list still counted, a copy blind to another's draws since it last wrote,
    // or the pick among the words left not uniform.
    void tourDesMots() {
        EtatJeu e = liste(cinq);
        MotsTires m(QStringLiteral("VERLO-MOTS.DAT"));
        for (int tour = 1; tour <= 4; ++tour) {
            const QStringList mots = tirages(m, e, 5, 0.1 * tour);
            QCOMPARE(differents(mots), 5);
            QVERIFY(tirages(m, e, 1, 0.1 * tour).first() != mots.last());
            tirages(m, e, 4); // the rest of that round
        }
        MotsTires un(QStringLiteral("un.dat"));
        QCOMPARE(tirages(un, liste({"TERRE"}), 3), QStringList(3, "TERRE"));
        MotsTires avant(QStringLiteral("M.DAT"));
        QCOMPARE(e.Liste_Mots(1, avant.tirer(e, 1, 0.0)).texte(), "ARBRE");
        QCOMPARE(e.Liste_Mots(1, avant.tirer(e, 1, 0.99)).texte(), "ECRIT");
        e.Liste_Mots(1, 5) = Texte5(QStringLiteral("FLEUR")); // ECRIT left the list
        MotsTires apres(QStringLiteral("M.DAT"));             // a new run
        QCOMPARE(e.Liste_Mots(1, apres.tirer(e, 1, 0.0)).texte(), "BALLE");
        QCOMPARE(e.Liste_Mots(1, apres.tirer(e, 1, 0.99)).texte(), "FLEUR");
        QCOMPARE(e.Liste_Mots(1, apres.tirer(e, 1, 0.5)).texte(), "DROIT");
        // The first copy, still running, goes on from the other's draws: one word left.
        QCOMPARE(e.Liste_Mots(1, avant.tirer(e, 1, 0.0)).texte(), "CANNE");
    }

    // What stands at the name ($f) of the drawn words' memory or of the settings file (or at its
    // lock's), and what is read from it: the word said drawn, the option said on.
    void fichiersHostiles_data() {
        // clang-format off
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("preparation");
        QTest::addColumn<QString>("lu");
        const auto ligne = [](const char* rang, const char* nom, const char* preparation, const char* lu) {
            QTest::newRow(rang) << nom << preparation << lu;
        };
        ligne("mémoire brouillée", "M.DAT", "printf 'VERLO-MOTS 1\\n1 ARBRE\\n9 BALLE\\n1 X\\n1 CANNE 2\\n' >$f", "ARBRE");
        ligne("mémoire sans en-tête", "M.DAT", "printf '1 ARBRE\\n' >$f", "");
        // Read but never written: the round goes on in memory, not from the file again.
        ligne("mémoire en lecture seule", "M.DAT", "printf 'VERLO-MOTS 1\\n1 ARBRE\\n' >$f; chmod 444 $f", "ARBRE");
        ligne("mémoire: lien vers une mémoire", "M.DAT", "printf 'VERLO-MOTS 1\\n1 ARBRE\\n' >c; ln -s c $f", "ARBRE");
        ligne("mémoire en tube nommé", "M.DAT", "mkfifo $f", "");
        ligne("mémoire en dossier", "M.DAT", "mkdir $f", "");
        ligne("mémoire dans un dossier absent", "absent/M.DAT", ":", "");
        ligne("réglages absents", "verlo.conf", ":", "");
        ligne("réglages écrits à la main", "verlo.conf", "printf '[Autre]\\nmotsSansRetour=false\\n[General]\\r\\nmotsSansRetour = true\\r\\n' >$f", "mots");
        ligne("réglages brouillés", "verlo.conf", "printf '\\0\\377[General\\ncouleursAdaptees=oui\\n' >$f", "");
        ligne("réglages démesurés: rien n'est lu après 64 Kio", "verlo.conf", "head -c 65536 /dev/zero | tr '\\0' '\\n' >$f; printf '[General]\\nmotsSansRetour=true\\n' >>$f", "");
        ligne("réglages en tube nommé", "verlo.conf", "mkfifo $f", "");
        ligne("réglages en dossier", "verlo.conf", "mkdir $f", "");
        ligne("verrou des réglages en tube nommé", "verlo.conf.lock", "mkfifo $f", "");
        ligne("verrou des réglages, lien vers un tube", "verlo.conf.lock", "mkfifo t; ln -s t $f", "");
        // clang-format on
    }
    // Catches a file that blocks the game (a FIFO), stops the draw, is believed when it is not
    // a regular file of the game's or not believed when it is, a memory that cannot be written
    // read again over the round kept in memory (a word given twice), a settings file written
    // by hand misread, or its other lines lost at a write: draws go on, in memory if need be.
    void fichiersHostiles() {
        QFETCH(QString, nom);
        QFETCH(QString, preparation);
        QFETCH(QString, lu);
        QVERIFY(shell("f=" + nom + "; " + preparation));
        if (nom.endsWith("DAT")) {
            MotsTires m(nom);
            QStringList mots;
            const int n = lu.isEmpty() ? 5 : 4;
            // The same value each time: only the memory keeps a word from coming back.
            QVERIFY(finitSansBlocage([&] { mots = tirages(m, liste(cinq), n, 0.0, 0.0); }, 3000,
                                     {nom}));
            QCOMPARE(differents(mots), n);
            QVERIFY(lu.isEmpty() || !mots.contains(lu));
            return;
        }
        const QString fichier = QStringLiteral("verlo.conf");
        Reglages r;
        QVERIFY(finitSansBlocage([&] { r = Lire_Reglages(fichier); }, 3000, {fichier}));
        QCOMPARE(r.couleursAdaptees, lu == "couleurs");
        QCOMPARE(r.motsSansRetour, lu == "mots");
        Ecrire_Reglages(fichier, {true, false});
        const bool utilisable = nom == "verlo.conf" && !preparation.contains("mk");
        QCOMPARE(Lire_Reglages(fichier), (utilisable ? Reglages{true, false} : Reglages{}));
        QVERIFY(!preparation.contains("[Autre]") ||
                lire(fichier).startsWith("[Autre]\nmotsSansRetour=false\n[General]\n"));
    }

    // Catches Ctrl+N, Ctrl+Q or the entry "Son" doing other than the button or picture they
    // stand for (a key triggers its menu entry), the entry "Son" not following the picture, or
    // the sound switch not showing or setting its state.
    void actions() {
        PartieDeTest p({"TERRE", "TAPIS"});
        cliquer(p.f->Nouv_Partie);
        p.proposer(QStringLiteral("tapis"));
        QTest::keyClick(p.boite(), Qt::Key_N, Qt::ControlModifier); // line 2 given up
        QCOMPARE(p.e.Ligne, 1);
        QCOMPARE(p.d.son.bips, 2);
        QCOMPARE(p.focus(), p.boite());
        p.f->Action_Son->trigger();
        QVERIFY(p.vu(p.f->Son_On));
        QCOMPARE(p.d.son.preparations, 1); // the sound made ready when it is wanted
        cliquer(p.f->Son_On);
        QVERIFY(!p.f->Action_Son->isChecked());
        QVERIFY(!p.e.Son_Actif);
        QTest::keyClick(p.boite(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(Fermeture_Signalee());
        Signaler_Fermeture(false);
    }

    // How the menu is asked for.
    void ouvrirMenu_data() {
        QTest::addColumn<QString>("comment");
        QTest::newRow("touche Menu dans la boîte") << "menu";
        QTest::newRow("bouton droit sur une case") << "clic";
        QTest::newRow("Maj+F10") << "maj";
    }
    // Catches the answer box's own edit menu shown instead of the window's, a way that opens
    // nothing, entries out of order or unnamed for a screen reader; then, during a wait that
    // takes no input, any key, click, shortcut or menu acted upon.
    void ouvrirMenu() {
        QFETCH(QString, comment);
        PartieDeTest p;
        cliquer(p.f->Nouv_Partie);
        const auto demander = [&] {
            if (comment == "maj")
                return QTest::keyClick(p.boite(), Qt::Key_F10, Qt::ShiftModifier);
            QWidget* cible = comment == "menu" ? static_cast<QWidget*>(p.boite()) : p.f->Mot(7);
            QContextMenuEvent ev(comment == "menu" ? QContextMenuEvent::Keyboard
                                                   : QContextMenuEvent::Mouse,
                                 QPoint(2, 2), cible->mapToGlobal(QPoint(2, 2)));
            QCoreApplication::sendEvent(cible, &ev);
        };
        demander();
        QTRY_COMPARE(QApplication::activePopupWidget(), p.f->Menu_Contexte());
        QStringList entrees;
        QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(p.f->Menu_Contexte());
        for (int i = 0; i < menu->childCount(); ++i)
            entrees << menu->child(i)->text(QAccessible::Name);
        QCOMPARE(entrees,
                 QStringList({"Aide", "Nouvelle partie", "Scores...", "Son",
                              "Couleurs adaptées au daltonisme", "Ne pas redonner un mot déjà tiré",
                              "", "A propos...", "Quitter"}));
        p.f->Menu_Contexte()->close();
        const long bips = p.d.son.bips;
        bool premiere = true, ouverte = false;
        p.d.horloge.pendantAttente = [&](qint64) { // the first letter of the solution
            if (!std::exchange(premiere, false))
                return;
            demander();
            QTest::keyClick(p.f->Nouveau, Qt::Key_Return);
            cliquer(p.f->Nouv_Partie);
            QTest::keyClick(p.boite(), Qt::Key_F1);
            QTest::keyClick(p.boite(), Qt::Key_N, Qt::ControlModifier);
            QCoreApplication::processEvents();
            ouverte = QApplication::activePopupWidget() || QApplication::activeModalWidget();
        };
        for (int l = 1; l <= 5; ++l)
            p.proposer(QStringLiteral("xxxxx"));
        QVERIFY(!ouverte);
        QCOMPARE(p.d.son.bips, bips + 5); // five letters spelled, no new game's beep
        QCOMPARE(p.lettre(1, 2), "X");    // the board not cleared by a new word or game
    }

    // Catches the colour option changing anything but the marks, the Help example and the
    // lead, a mark recoloured otherwise than the table says, a lead coloured before a new
    // game's first points, the Help sentences not naming
    // the colours shown, or the option not written and read back across a restart.
    void couleursAdaptees() {
        const Emplacements lieux{"/nonexistent/S.SCO", {}, QStringLiteral("verlo.conf")};
        PartieDeTest p({"TERRE"}, {"SALUT"}, {"MAMAN"}, lieux);
        cliquer(p.f->Nouv_Partie);
        p.proposer(QStringLiteral("retro")); // Y G Y G -
        p.proposer(QStringLiteral("terre"));
        QCOMPARE(p.f->Mot(1)->backColor(), couleurs::jaune);
        QCOMPARE(p.f->Mot(2)->backColor(), couleurs::vert);
        p.f->Action_Couleurs->trigger();
        QCOMPARE(p.f->Mot(1)->backColor(), couleurs::adapteeMalPlacee);
        QCOMPARE(p.f->Mot(2)->backColor(), couleurs::adapteeBienPlacee);
        QCOMPARE(p.f->Mot(5)->backColor(), couleurs::gris);
        QCOMPARE(p.f->Score(1)->foreColor(), couleurs::adapteeDevant);
        QCOMPARE(p.f->Score(2)->foreColor(), couleurs::adapteeDerriere);
        QCOMPARE(p.f->Mot(25)->backColor(), couleurs::gris); // a cell still to play
        QCOMPARE(Lire_Reglages(lieux.reglages), (Reglages{true, false}));
        Form3 aide(nullptr, true);
        QCOMPARE(aide.Etiquette1->text(),
                 "Les Lettres à leur place sont signalées dans un fond orange");
        QCOMPARE(aide.Etiquette4->text(),
                 "Les lettres mal placées sont signalées par un fond bleu.");
        QCOMPARE(aide.Panel3D7(0)->backColor(), couleurs::adapteeBienPlacee); // T of TENTE
        QCOMPARE(aide.Panel3D7(5)->backColor(), couleurs::adapteeMalPlacee);  // L of LACET
        p.f->Action_Couleurs->trigger();
        QCOMPARE(p.f->Mot(1)->backColor(), couleurs::jaune);
        QCOMPARE(p.f->Score(1)->foreColor(), couleurs::vert);
        QCOMPARE(Lire_Reglages(lieux.reglages), (Reglages{false, false}));
        cliquer(p.f->Nouv_Partie);
        p.f->Action_Couleurs->trigger(); // on again, before any points: nobody leads
        QCOMPARE(p.f->Score(1)->foreColor(), couleurs::noir);
        // A new run reads it back.
        PartieDeTest apres({"TERRE"}, {"SALUT"}, {"MAMAN"}, lieux, Lire_Reglages(lieux.reglages));
        QVERIFY(apres.f->Action_Couleurs->isChecked());
        cliquer(apres.f->Nouv_Partie);
        QCOMPARE(apres.f->Mot(1)->backColor(), couleurs::adapteeBienPlacee); // the given letter
    }

    // Catches the draw without repeats taken while the option is off, or the option not
    // switching it: off, the design's draw and no memory written; on, every word once.
    void tirageSansRetour() {
        const QString memoire = QStringLiteral("VERLO-MOTS.DAT");
        PartieDeTest p(cinq, {"SALUT"}, {"MAMAN"}, {"/nonexistent/S.SCO", memoire, {}});
        p.d.hasard.valeurs = {0.99, 0.99};
        cliquer(p.f->Nouv_Partie);
        cliquer(p.f->Nouveau);
        QCOMPARE(p.e.Mot_Cherche.texte(), "ECRIT"); // drawn twice: k = floor(5 r + 1)
        QVERIFY(!QFile::exists(memoire));
        p.f->Action_Mots->trigger();
        p.d.hasard.journal.clear();
        QStringList mots;
        for (int i = 0; i < 5; ++i) {
            p.d.hasard.valeurs = {0.99};
            cliquer(p.f->Nouveau);
            mots << p.e.Mot_Cherche.texte();
        }
        QCOMPARE(mots, QStringList({"ECRIT", "DROIT", "CANNE", "BALLE", "ARBRE"}));
        QVERIFY(QFile::exists(memoire));
        QCOMPARE(p.d.hasard.journal, QString(" graine 36000 tirage").repeated(5)); // reseeded first
    }
};

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
