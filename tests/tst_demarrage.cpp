// Start-up's loading: what a list file's lines become in the lists and which files are read,
// the shared texts, the score file, and the way out when a list is missing.

#include "Etat.h"
#include "app/ListesMots.h"
#include "demarrage/Demarrage.h"

#include <QDateTime>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include <sys/stat.h>

namespace {

void ecrire(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(octets) == octets.size());
}

QStringList textes(const std::vector<Texte5>& mots) {
    QStringList l;
    for (const auto& m : mots)
        l << m.texte();
    return l;
}

} // namespace

class TestDemarrage : public QObject {
    Q_OBJECT

    QTemporaryDir dossier;
    QString fichier(const char* nom) const { return dossier.filePath(QString::fromUtf8(nom)); }
    static QString donnees() {
        return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/verlo";
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QDir(donnees()).removeRecursively();
    }

    void init() {
        QDir(dossier.path()).removeRecursively();
        QDir().mkpath(dossier.path());
        QByteArray mots;
        for (int i = 0; i < 1400; ++i)
            mots += "MOT" + QByteArray(1, char('A' + i % 26)) + char('A' + i / 26 % 26) + "\r\n";
        ecrire(fichier("5L-1.txt"), mots.left(21));
        ecrire(fichier("5L-2.txt"), mots.left(7));
        ecrire(fichier("5L-3.txt"), mots);
    }

    // Catches a list loaded into the wrong slot, a shared text built wrong, the
    // score file not read, or the winning lines or the options left unset.
    void demarrageComplet() {
        ecrire(fichier("VERLO-SB.SCO"), "\"Lucie\",\" 120\"\r\n\"Marc\",\" 75\"\r\n");
        EtatJeu e;
        Emplacements lieux;
        DialoguesFactices ui;
        QVERIFY(Charger_Donnees(e, dossier.path(), ui, lieux) && ui.messages.isEmpty());
        QCOMPARE(QList<int>({e.Nb_Mots(0), e.Nb_Mots(1), e.Nb_Mots(2), e.Nb_Mots(3), e.Niveau,
                             e.Joueur, e.Nb_Joueurs, e.Nb_Scores}),
                 QList<int>({0, 3, 1, 1400, 1, 1, 1, 2}));
        QCOMPARE(e.Texte_Rangs.split("\r\n").join('/') + e.Alignements(1) + e.Alignements(12) +
                     e.Tab_Scores(1, 1) + e.Tab_Scores(2, 2),
                 "1  /2  /3  /4  /5  /6  /7  /8  /9  /10  /11  /12  01020304050107131925Lucie 75");
        // Lists beside the program, folder writable: the table lives there too, no trial left.
        QVERIFY(lieux.scores == fichier("VERLO-SB.SCO") &&
                QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden).size() == 4);
    }

    // Catches a message that does not say which file, a chosen file that fails taken for
    // success, a chosen file ignored, or the table kept beside lists taken from elsewhere
    // rather than in ~/.local/share/verlo; a Cancel that does not look again in the program's
    // folder (the file may have been put back), or the endless cycle when it is still missing:
    // start-up then ends with a message that names the file.
    void listeManquante() {
        QTemporaryDir ailleurs;
        const QString choisi = ailleurs.filePath(QStringLiteral("5l-perso.txt"));
        ecrire(choisi, "PERSO\r\nAUTRE\r\n");
        for (const int cas : {0, 1, 2}) { // a file chosen; Cancel, the file put back; Cancel
            QFile::remove(fichier("5L-2.txt"));
            EtatJeu e;
            Emplacements lieux;
            DialoguesFactices ui;
            QStringList reponses{fichier("absent.txt"), choisi};
            ui.reponse = [&]() -> std::optional<QString> {
                if (cas == 1)
                    ecrire(fichier("5L-2.txt"), "REMIS\r\n");
                if (cas > 0 || e.Nb_Mots(1) != 3) // the message comes after list 1 has loaded
                    return std::nullopt;
                return reponses.takeFirst();
            };
            QCOMPARE(Charger_Donnees(e, dossier.path(), ui, lieux), cas < 2);
            QVERIFY(ui.messages[0].contains(fichier("5L-2.txt")) &&
                    ui.messages.last().contains(cas ? "5L-2.txt" : "absent.txt"));
            QCOMPARE(ui.messages.size() * 10 + ui.choix.size(), (QList{24, 12, 22}[cas]));
            QVERIFY(ui.choix[0] == dossier.path() && ui.choix[1].endsWith("(5l*.txt 5L*.txt)"));
            if (cas < 2) // the per-user folder the README gives, made, for lists from elsewhere
                QCOMPARE(e.Liste_Mots(2, 1).texte() + lieux.scores,
                         cas ? "REMIS" + fichier("VERLO-SB.SCO")
                             : "PERSO" + donnees() + "/VERLO-SB.SCO");
        }
        QVERIFY(QFileInfo(donnees()).isDir());
    }

    // A list file's bytes, and the playable words they give.
    void motsJouables_data() {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QStringList>("mots");
        QTest::newRow("trop longue, courte, vide, blanche, minuscules, chiffre, fin sans CR LF")
            << QByteArray("TERRESTRE\r\nAMI\r\n\r\n     \r\npomme\nT3RRE\r\nFLEUR")
            << QStringList{"TERRE", "POMME", "FLEUR"};
        QTest::newRow("Windows-1252 accentué")
            << QByteArray("\xC9\x43OLE\r\nGLA\xC7ON\r\nt\xE9t\xE9s\r\n")
            << QStringList{"ECOLE", "GLACO", "TETES"};
        QTest::newRow("UTF-8 et sa marque d'ordre")
            << QByteArray("\xEF\xBB\xBF"
                          "ÉCOLE\r\nglaçon\r\nœuvre\r\nÊtres\r\n")
            << QStringList{"ECOLE", "GLACO", "ETRES"};
        QTest::newRow("marque d'ordre devant du Windows-1252")
            << QByteArray("\xEF\xBB\xBF\xC9\x43OLE\r\nGLA\xC7ON\r\n")
            << QStringList{"ECOLE", "GLACO"};
        QTest::newRow("CR seul en fin de ligne")
            << QByteArray("TERRE\rPOMME\r\rFLEUR\r") << QStringList{"TERRE", "POMME", "FLEUR"};
        QTest::newRow("CR LF, LF et CR mêlés") << QByteArray("TERRE\r\nPOMME\nFLEUR\rARBRE\n\r")
                                               << QStringList{"TERRE", "POMME", "FLEUR", "ARBRE"};
        QTest::newRow("cent mille lignes vides") << QByteArray(100000, '\n') << QStringList{};
    }
    // Catches a line kept that can never be the hidden word, a line end read as a letter or
    // as an extra word or not seen at all (two words merged), lower case or accents left as
    // they are, UTF-8 read as the code page or the reverse, or the mark some editors put first
    // taken into the first word.
    void motsJouables() {
        QFETCH(QByteArray, octets);
        QFETCH(QStringList, mots);
        QCOMPARE(textes(lireListe(octets)), mots);
    }

    // Catches more than 1400 words kept, or skipped lines counted against them.
    void motsPlafonnes() {
        QByteArray o("\r\n\r\n");
        for (int i = 0; i < 1401; ++i) // ABAAA, ABAAB...
            o += "AB" + QByteArray(1, char('A' + i / 676)) + char('A' + i / 26 % 26) +
                 char('A' + i % 26) + "\n\r\n";
        const auto mots = lireListe(o);
        QCOMPARE(mots.size(), 1400u);
        QCOMPARE(mots.back().texte(), "ABCBV");
    }

    // Files beside the score table at start-up: name, age in seconds, whether it stays.
    void nettoyage_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("age");
        QTest::addColumn<bool>("reste");
        const int deuxJours = 2 * 86400;
        QTest::newRow("copie de secours d'un joueur") << "VERLO-SB.SCO.backup" << deuxJours << true;
        QTest::newRow("copie nommée Copie1") << "VERLO-SB.SCO.Copie1" << deuxJours << true;
        QTest::newRow("copie nommée 2024ok") << "VERLO-SB.SCO.2024ok" << deuxJours << true;
        QTest::newRow("nom du jeu sans le point")
            << "verlo-tmp-Ab12Cd-VERLO-SB.SCO" << deuxJours << true;
        QTest::newRow("nom du jeu, partie unique trop courte")
            << ".verlo-tmp-Ab1-VERLO-SB.SCO" << deuxJours << true;
        QTest::newRow("temporaire du jeu abandonné")
            << ".verlo-tmp-Ab12Cd-VERLO-SB.SCO" << deuxJours << false;
        QTest::newRow("temporaire du jeu en cours d'écriture")
            << ".verlo-tmp-Ab12Cd-VERLO-SB.SCO" << 10 << true;
    }
    // Catches start-up deleting a file the player named (a backup of the table, whatever its
    // name or age), or keeping the game's own temporary files for ever, or deleting one that
    // another running copy may be writing.
    void nettoyage() {
        QFETCH(QString, nom);
        QFETCH(int, age);
        QFETCH(bool, reste);
        ecrire(dossier.filePath(nom), "\"Lucie\",\" 120\"\r\n");
        QFile f(dossier.filePath(nom));
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-age),
                              QFileDevice::FileModificationTime));
        f.close();
        EtatJeu e;
        Emplacements lieux;
        DialoguesFactices ui;
        QVERIFY(Charger_Donnees(e, dossier.path(), ui, lieux));
        QCOMPARE(lieux.scores, fichier("VERLO-SB.SCO")); // the folder cleaned is the table's
        QCOMPARE(QFileInfo::exists(dossier.filePath(nom)), reste);
    }

    // Catches a loader that reports success for an empty, missing, unplayable or non-regular
    // file (a FIFO would hold start-up for ever, a device fill memory), refuses a link to a
    // list, or keeps the counter of an earlier attempt; a reset keeping a list, or an index
    // slip in the shared arrays.
    void chargementFichier() {
        QTemporaryDir ici;
        EtatJeu e;
        const QString chemin = ici.filePath(QStringLiteral("5L-2.txt"));
        const auto charger = [&](const QByteArray& octets) {
            ecrire(chemin, octets);
            return Charger_Liste(e, 2, chemin);
        };
        QVERIFY(!Charger_Liste(e, 2, chemin));
        QVERIFY(charger("MAISON\r\nVELO\r\nARBRE\r\n") && e.Nb_Mots(2) == 2);
        QCOMPARE(e.Liste_Mots(2, 1).texte() + e.Liste_Mots(2, 2).texte(), "MAISOARBRE");
        QVERIFY(QFile::link(chemin, ici.filePath("lien.txt")));
        QVERIFY(Charger_Liste(e, 2, ici.filePath("lien.txt")) && e.Nb_Mots(2) == 2);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, e.Nb_Mots(4)); // list 4 does not exist
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, e.Liste_Mots(1, 1401));
        for (const QByteArray& vide : {QByteArray(), QByteArray("\r\n\r\n\r\n12345\r\n")})
            QVERIFY(!charger(vide) && e.Nb_Mots(2) == 0);
        const QString fifo = ici.filePath("5L-3.txt");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(QFile::link("/dev/zero", ici.filePath("zero.txt")));
        for (const QString& special : {fifo, ici.filePath("zero.txt"), ici.path()})
            QVERIFY2(!Charger_Liste(e, 3, special) && e.Nb_Mots(3) == 0, qPrintable(special));
    }
};

QTEST_GUILESS_MAIN(TestDemarrage)
#include "tst_demarrage.moc"
