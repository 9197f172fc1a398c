// Start-up's loading: what a list file's lines become in the lists, the shared texts, the
// score file, the files left beside it, and the way out when a list cannot be read.

#include "Etat.h"
#include "Fichiers.h"
#include "demarrage/DialoguesChargement.h"

#include <QtTest>

using namespace Qt::StringLiterals;

// What stands at list 2's name ($f), the dialog's answers in turn (none left: Cancel), whether
// the list is put back while it is up, the file each message names, and where the score table
// goes (empty: start-up ends).
struct Illisible {
    QString preparation;
    QStringList reponses;
    bool remis;
    QStringList nommes;
    QString scores;
};
Q_DECLARE_METATYPE(Illisible)

class TestDemarrage : public QObject {
    Q_OBJECT

    QTemporaryDir dossier; // the program's folder, the current one as start-up makes it

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // The three lists, of 3 words, 1, and 1401 among blank lines (1400 are kept); a table.
    void init() {
        QVERIFY(QDir::setCurrent(dossier.path()));
        QVERIFY(
            shell("rm -rf -- * .[!.]*; printf 'MOTAA\\r\\nMOTAB\\r\\nMOTAC\\r\\n' >5L-1.txt; "
                  "printf 'MOTAA\\r\\n' >5L-2.txt; printf '\"Marc\",\" 75\"\\r\\n' >VERLO-SB.SCO; "
                  "seq -w 0 1400 | tr 0-9 A-J | sed 's/^/\\r\\nM/; s/$/\\r/' >5L-3.txt"));
    }

    // What stands in the program's folder before start-up ($f: list 2), the words of list 2
    // after it, and the files then left beside the table (of the names the game might use).
    void demarrage_data() {
        // clang-format off
        QTest::addColumn<QString>("preparation");
        QTest::addColumn<QString>("mots");
        QTest::addColumn<QString>("restants");
        QTest::newRow("trop longue, courte, vide, blanche, minuscules, Z, chiffre, fin sans CR LF") << u"printf 'TERRESTRE\\r\\nAMI\\r\\n\\r\\n     \\r\\npomme\\nZEBRE\\nT3RRE\\r\\nFLEUR' >$f"_s << u"TERRE POMME ZEBRE FLEUR"_s << u"VERLO-SB.SCO"_s;
        QTest::newRow("UTF-8 et sa marque d'ordre") << u"printf '\\357\\273\\277ÉCOLE\\r\\nglaçon\\r\\nœuvre\\r\\nÊtres\\r\\n' >$f"_s << u"ECOLE GLACO ETRES"_s << u"VERLO-SB.SCO"_s;
        QTest::newRow("marque d'ordre devant du Windows-1252, CR seul") << u"printf '\\357\\273\\277\\311COLE\\rGLA\\307ON\\r\\rt\\351t\\351s\\r' >$f"_s << u"ECOLE GLACO TETES"_s << u"VERLO-SB.SCO"_s;
        QTest::newRow("lien vers une liste") << u"printf 'MAISON\\r\\nVELO\\r\\nARBRE' >l; ln -sf l $f"_s << u"MAISO ARBRE"_s << u"VERLO-SB.SCO"_s;
        QTest::newRow("copies du joueur, noms presque du jeu, temporaires du jeu") << u"for n in VERLO-SB.SCO.backup VERLO-SB.SCO.Copie1 VERLO-SB.SCO.2024ok verlo-tmp-"
               "Ab12Cd-VERLO-SB.SCO .verlo-tmp-Ab1-VERLO-SB.SCO .verlo-tmp-Ab12Cd-VERLO-SB.SCO; do "
               "echo >$n; done; touch -d '1 day ago' *SCO* .*SCO; echo >.verlo-tmp-Xy34Zw-VERLO-SB.SCO"_s
            << u"MOTAA"_s << u".verlo-tmp-Ab1-VERLO-SB.SCO .verlo-tmp-Xy34Zw-VERLO-SB.SCO VERLO-SB.SCO "
               "VERLO-SB.SCO.2024ok VERLO-SB.SCO.backup VERLO-SB.SCO.Copie1 "
               "verlo-tmp-Ab12Cd-VERLO-SB.SCO"_s;
        // clang-format on
    }
    // Catches a line kept that can never be the hidden word, a line end read as a letter or as
    // an extra word or not seen at all (two words merged), lower case or accents left as they
    // are, UTF-8 read as the code page or the reverse, the mark some editors put first taken
    // into the first word, a list refused through a link; a list loaded into the wrong slot,
    // more than 1400 words kept or skipped lines counted against them, the rank texts built
    // wrong, the score file not read or read from elsewhere, the options left unset; a trial
    // file left behind, a file the player named deleted (a backup of the table, whatever its
    // name or age), the game's own temporary files kept for ever, or one deleted that another
    // running copy may be writing.
    void demarrage() {
        QFETCH(QString, preparation);
        QFETCH(QString, mots);
        QFETCH(QString, restants);
        QVERIFY(shell("f=5L-2.txt; " + preparation));
        EtatJeu e;
        Emplacements lieux;
        DialoguesFactices ui;
        QVERIFY(Charger_Donnees(e, dossier.path(), ui, lieux));
        QStringList lus;
        for (int k = 1; k <= e.Nb_Mots(2); ++k)
            lus << e.Liste_Mots(2, k).texte();
        QCOMPARE(lus, mots.split(u' '));
        QCOMPARE(int{e.Nb_Mots(1)}, 3);
        QCOMPARE(int{e.Nb_Mots(3)}, 1400);
        QCOMPARE(e.Texte_Rangs, u"1  \r\n2  \r\n3  \r\n4  \r\n5  \r\n6  \r\n7  \r\n8  \r\n9  \r\n"
                                "10  \r\n11  \r\n12  "_s);
        QCOMPARE(e.Tab_Scores(1, 1), u"Marc"_s);
        QCOMPARE(int{e.Niveau}, 1);
        QCOMPARE(int{e.Joueur}, 1);
        QCOMPARE(int{e.Nb_Joueurs}, 1);
        // Lists beside the program, folder writable: the table lives there too.
        QCOMPARE(lieux.scores, dossier.filePath("VERLO-SB.SCO"));
        QCOMPARE(QDir().entryList({"*verlo*"}, QDir::Files | QDir::Hidden), restants.split(u' '));
    }

    void listeIllisible_data() {
        // clang-format off
        QTest::addColumn<Illisible>("t");
        const QString f = dossier.filePath("5L-2.txt"), mauvais = dossier.filePath("absent.txt"),
                      perso = dossier.filePath("ailleurs/5l-perso.txt");
        const QStringList fin{f, f};
        QTest::newRow("absente: un fichier choisi ailleurs, après un mauvais") << Illisible{u"rm $f; mkdir ailleurs; printf PERSO >ailleurs/5l-perso.txt"_s, {mauvais, perso}, false, {f, mauvais}, QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/verlo/VERLO-SB.SCO"};
        QTest::newRow("absente: Annuler, la liste remise entre-temps") << Illisible{u"rm $f"_s, {}, true, {f}, dossier.filePath(u"VERLO-SB.SCO"_s)};
        QTest::newRow("tube nommé") << Illisible{u"rm $f; mkfifo $f"_s, {}, false, fin, {}};
        QTest::newRow("lien vers /dev/zero") << Illisible{u"rm $f; ln -s /dev/zero $f"_s, {}, false, fin, {}};
        QTest::newRow("dossier") << Illisible{u"rm $f; mkdir $f"_s, {}, false, fin, {}};
        // clang-format on
    }
    // Catches a list read from a FIFO (start-up hangs) or a device (it fills memory) or a
    // folder; a message that does not say which file, or not as five lines, the dialog without
    // every list in its filter, a chosen file that fails taken for success, a chosen file
    // ignored, the table kept beside lists taken from elsewhere rather than in the per-user
    // folder, a Cancel that does not look again in the program's folder (the list may have been
    // put back), or the endless cycle when the list still cannot be read.
    void listeIllisible() {
        QFETCH(Illisible, t);
        QVERIFY(shell("f=5L-2.txt; " + t.preparation));
        EtatJeu e;
        Emplacements lieux;
        DialoguesFactices ui;
        ui.reponse = [&t]() -> std::optional<QString> {
            if (t.remis)
                shell("printf 'REMIS\\r\\n' >5L-2.txt");
            return t.reponses.isEmpty() ? std::nullopt : std::optional(t.reponses.takeFirst());
        };
        QCOMPARE(Charger_Donnees(e, dossier.path(), ui, lieux), !t.scores.isEmpty());
        QCOMPARE(
            ui.messages.value(0).split(u"\r\n"_s),
            (QStringList{"Défaut au chargement de", t.nommes[0], "Sélectionner le Répertoire",
                         "contenant ce Fichier", "chemin courant actuel = " + dossier.path()}));
        QStringList fichiers;
        for (const QString& m : ui.messages)
            fichiers << m.section(u"\r\n"_s, 1, 1);
        QCOMPARE(fichiers, t.nommes);
        QCOMPARE(ui.choix.value(1), "Dictionnaire (" + t.nommes[0] + ") (5l*.txt 5L*.txt)");
        QCOMPARE(lieux.scores, t.scores);
    }

    // Catches Qt's own texts, the buttons of the start-up dialogs among them, left in English.
    void traductionsQt() {
        installerTraductionsQt();
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Annuler"_s);
    }
};

QTEST_GUILESS_MAIN(TestDemarrage)
#include "tst_demarrage.moc"
