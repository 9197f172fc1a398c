// The options only the context menu offers, and the menu and keys themselves: colours told
// apart by every colour vision, hidden words not given again (the draw's memory across runs),
// the settings file that remembers both, and the keys that reach the buttons' handlers.

#include "Blocage.h"
#include "PartieDeTest.h"
#include "app/Attente.h"
#include "app/Reglages.h"
#include "extras/Form3.h"
#include "game/MotsTires.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

void ecrire(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(octets), octets.size());
}

QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

// A state whose level 1 list holds these words.
EtatJeu liste(const QStringList& mots) {
    EtatJeu e;
    for (int k = 0; k < mots.size(); ++k)
        e.Liste_Mots(1, k + 1) = Texte5(mots[k]);
    e.Nb_Mots(1) = static_cast<std::int16_t>(mots.size());
    return e;
}

// `n` draws from the list with draws spread over [0, 1): the words, in order.
QStringList tirages(MotsTires& m, const EtatJeu& e, int n, double depart = 0.1) {
    QStringList mots;
    for (int i = 0; i < n; ++i)
        mots << e.Liste_Mots(1, m.tirer(e, 1, std::fmod(depart + 0.618034 * i, 1.0))).texte();
    return mots;
}

const QStringList cinq{"ARBRE", "BALLE", "CANNE", "DROIT", "ECRIT"};

} // namespace

class TestOptions : public QObject {
    Q_OBJECT

    QTemporaryDir dossier;
    QString chemin(const char* nom) const { return dossier.filePath(QString::fromUtf8(nom)); }

private slots:
    void initTestCase() { appliquerApparence(*qApp); }
    void init() {
        QDir(dossier.path()).removeRecursively();
        QDir().mkpath(dossier.path());
    }

    // Catches a word given twice in a round, a round that never ends or starts with the word
    // just drawn, or a one-word list that gives nothing.
    void tourDesMots() {
        const EtatJeu e = liste(cinq);
        MotsTires m(chemin("VERLO-MOTS.DAT"));
        for (int tour = 1; tour <= 4; ++tour) {
            const QStringList mots = tirages(m, e, 5, 0.1 * tour);
            QCOMPARE(QSet<QString>(mots.cbegin(), mots.cend()).size(), 5);
            const QString dernier = mots.last();
            QVERIFY2(tirages(m, e, 1, 0.1 * tour).first() != dernier, qPrintable(dernier));
            for (int reste = 1; reste < 5; ++reste) // the rest of that round
                tirages(m, e, 1);
        }
        const EtatJeu seul = liste({"TERRE"});
        MotsTires un(chemin("un.dat"));
        QCOMPARE(tirages(un, seul, 3), QStringList(3, "TERRE"));
    }

    // Catches draws forgotten at a restart (a copy of the program that starts afresh), a
    // word no longer in the list still counted, or the uniform pick among the words left
    // computed wrong.
    void memoireEntreDeuxParties() {
        EtatJeu e = liste(cinq);
        {
            MotsTires avant(chemin("VERLO-MOTS.DAT"));
            QCOMPARE(e.Liste_Mots(1, avant.tirer(e, 1, 0.0)).texte(), "ARBRE");
            QCOMPARE(e.Liste_Mots(1, avant.tirer(e, 1, 0.99)).texte(), "ECRIT");
        }
        e.Liste_Mots(1, 5) = Texte5(QStringLiteral("FLEUR")); // ECRIT left the list
        MotsTires apres(chemin("VERLO-MOTS.DAT"));
        QCOMPARE(e.Liste_Mots(1, apres.tirer(e, 1, 0.0)).texte(), "BALLE");
        QCOMPARE(e.Liste_Mots(1, apres.tirer(e, 1, 0.99)).texte(), "FLEUR");
        QCOMPARE(e.Liste_Mots(1, apres.tirer(e, 1, 0.5)).texte(), "DROIT");
    }

    // What may stand at the memory's name, and the word it says was drawn: draws go on,
    // in memory when the file cannot serve, without a hang.
    void memoireHostile_data() {
        QTest::addColumn<QString>("preparation");
        QTest::addColumn<QString>("deja");
        QTest::newRow("absent") << ""
                                << "";
        QTest::newRow("brouillé") << "brouille"
                                  << "ARBRE";
        QTest::newRow("sans en-tête") << "sans"
                                      << "";
        QTest::newRow("tube nommé") << "tube"
                                    << "";
        QTest::newRow("dossier") << "dossier"
                                 << "";
        QTest::newRow("en lecture seule") << "lecture"
                                          << "ARBRE";
        QTest::newRow("dossier absent") << "absent/"
                                        << "";
    }
    // Catches a memory file that blocks the draw (a FIFO), stops it, is believed when it is
    // not the game's, or is not believed when it is.
    void memoireHostile() {
        QFETCH(QString, preparation);
        QFETCH(QString, deja);
        const QString memoire = chemin(preparation == "absent/" ? "absent/M.DAT" : "M.DAT");
        if (preparation == "brouille")
            ecrire(memoire, "VERLO-MOTS 1\n1 ARBRE\n9 BALLE\n1 X\nn'importe\n1 CANNE 2\n");
        else if (preparation == "sans")
            ecrire(memoire, "1 ARBRE\n");
        else if (preparation == "tube")
            QCOMPARE(::mkfifo(QFile::encodeName(memoire).constData(), 0600), 0);
        else if (preparation == "dossier")
            QVERIFY(QDir().mkdir(memoire));
        else if (preparation == "lecture") {
            ecrire(memoire, "VERLO-MOTS 1\n1 ARBRE\n");
            QVERIFY(QFile::setPermissions(memoire, QFileDevice::ReadOwner));
        }
        const EtatJeu e = liste(cinq);
        MotsTires m(memoire);
        QStringList mots;
        const int n = deja.isEmpty() ? 5 : 4;
        QVERIFY(finitSansBlocage([&] { mots = tirages(m, e, n); }, 3000, {memoire}));
        QCOMPARE(QSet<QString>(mots.cbegin(), mots.cend()).size(), n);
        QVERIFY(deja.isEmpty() || !mots.contains(deja));
    }

    // Catches an option lost at a restart, another key of the file lost, or a settings file
    // (or its lock) that blocks start-up or is believed when it is not a regular file.
    void reglages_data() {
        QTest::addColumn<QString>("preparation");
        QTest::addColumn<bool>("couleurs");
        QTest::addColumn<bool>("mots");
        QTest::newRow("absent") << "" << false << false;
        QTest::newRow("écrit par le jeu") << "ecrit" << true << false;
        QTest::newRow("écrit à la main, CR LF") << "main" << false << true;
        QTest::newRow("brouillé") << "brouille" << false << false;
        QTest::newRow("tube nommé") << "tube" << false << false;
        QTest::newRow("dossier") << "dossier" << false << false;
        QTest::newRow("verrou en tube nommé") << "verrou" << false << false;
    }
    void reglages() {
        QFETCH(QString, preparation);
        QFETCH(bool, couleurs);
        QFETCH(bool, mots);
        const QString fichier = chemin("config/verlo/verlo.conf");
        QVERIFY(QDir().mkpath(chemin("config/verlo")));
        if (preparation == "ecrit")
            Ecrire_Reglages(fichier, {true, false});
        else if (preparation == "main")
            ecrire(fichier, "[Autre]\r\nmotsSansRetour=false\r\n[General]\r\nmotsSansRetour = "
                            "true\r\nautre=1\r\n");
        else if (preparation == "brouille")
            ecrire(fichier, QByteArray("\0\xff[General\ncouleursAdaptees=oui\n", 32));
        else if (preparation == "tube" || preparation == "verrou")
            QCOMPARE(::mkfifo(QFile::encodeName(fichier + (preparation == "verrou" ? ".lock" : ""))
                                  .constData(),
                              0600),
                     0);
        else if (preparation == "dossier")
            QVERIFY(QDir().mkdir(fichier));
        Reglages lus;
        QVERIFY(finitSansBlocage([&] { lus = Lire_Reglages(fichier); }, 3000, {fichier}));
        QCOMPARE(lus.couleursAdaptees, couleurs);
        QCOMPARE(lus.motsSansRetour, mots);
        if (preparation == "main") { // the rest of the file stays as it was
            Ecrire_Reglages(fichier, {true, true});
            QVERIFY(lire(fichier).contains("autre=1"));
            QVERIFY(lire(fichier).contains("[Autre]\nmotsSansRetour=false"));
            QCOMPARE(Lire_Reglages(fichier), (Reglages{true, true}));
        }
    }
};

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
