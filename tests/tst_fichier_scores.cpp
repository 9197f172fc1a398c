// The score file: the characters a name may hold, the bytes written and read, where it lives,
// and a hostile environment: a full disk, a size limit, another copy of the game saving the
// same file, FIFOs, devices, huge files, links and left-overs.

#include "scores/Classement.h"
#include "scores/EnregistrementPartie.h"
#include "scores/FichierScores.h"

#include <QLockFile>
#include <QtTest>
#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

const QTemporaryDir dossier;
QString chemin(const char* nom = "VERLO-SB.SCO") {
    return dossier.filePath(nom);
}

QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

// Appends the bytes, after a hole of `trouAvant` bytes (no disk used).
bool ecrire(const QString& chemin, const QByteArray& octets, qint64 trouAvant = 0) {
    QFile f(chemin);
    return f.open(QIODevice::ReadWrite) && f.seek(f.size() + trouAvant) &&
           f.write(octets) == octets.size();
}

// A state whose Tab_Scores rows 1.. are the "name|points" given; Nb_Scores counts them.
EtatJeu etat(const QStringList& lignes) {
    EtatJeu e;
    for (int r = 1; const QString& l : lignes) {
        e.Tab_Scores(r, 1) = l.section(u'|', 0, 0);
        e.Tab_Scores(r++, 2) = l.section(u'|', 1);
    }
    e.Nb_Scores = static_cast<std::int16_t>(lignes.size());
    return e;
}

// Records "name"," points" for "name:points|...".
QByteArray fichier(const QString& fiches) {
    QByteArray o;
    for (const QString& f : fiches.split(u'|'))
        o += "\"" + f.section(u':', 0, 0).toLatin1() + "\",\" " + f.section(u':', 1).toLatin1() +
             "\"\r\n";
    return o;
}

// Saves the table and gives back the file's bytes, "?" when the saving failed.
QByteArray ecrit(const EtatJeu& e) {
    return Enregistrer_Scores(e, chemin("ecrit.sco"), {}) ? lire(chemin("ecrit.sco")) : "?";
}

// Reads the file into a state full of an earlier table's leftovers and shows what it holds:
// Nb_Scores, then each row as "/name|points", free rows at the end left off.
QString charger(const QString& chemin) {
    EtatJeu e = etat(QStringList(LIGNES_SCORES, "Vieux| 1"));
    Charger_Scores(e, chemin);
    QString s = QString::number(e.Nb_Scores);
    for (int r = 1; r <= LIGNES_SCORES; ++r)
        s += u'/' + e.Tab_Scores(r, 1) + u'|' + e.Tab_Scores(r, 2);
    return s.remove(QRegularExpression("(/\\|)+$"));
}

// The same, from a file holding these bytes.
QString relire(const QByteArray& octets) {
    QFile::remove(chemin("lu.sco"));
    return ecrire(chemin("lu.sco"), octets) ? charger(chemin("lu.sco")) : "<échec>";
}

// A copy of the game that read the table at start-up and ends a game with these scores.
struct Copie {
    EtatJeu e;
    Copie(std::int16_t score1, std::int16_t score2) {
        Charger_Scores(e, chemin());
        e.Nb_Joueurs = 2, e.Score_J(1) = score1, e.Score_J(2) = score2;
        Classer_Partie(e);
    }
    bool valider(QString nom, QString* erreur = nullptr) {
        QString autre;
        return Enregistrer_Partie(e, nom, autre, chemin(), erreur, 0);
    }
};

} // namespace

class TestFichierScores : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QDir(dossier.path()).removeRecursively();
        QDir().mkpath(dossier.path());
    }

    // Catches a name box letting through what the file cannot hold back intact (a quote, a
    // control character, one outside the code page) or refusing what it can, a wrong record
    // layout, line end or code page, a row without points written, rows after a free one lost,
    // an empty table not replacing the file with an empty one, or a reading that disagrees
    // with the writing.
    void ecriture() {
        const QString acceptes = "Azé€Œ’ ,'-", refuses = "\"\t\r\x7F\u0081Ł中★";
        for (const QChar c : acceptes + refuses)
            QVERIFY2(Caractere_Nom_Accepte(c) == acceptes.contains(c), qPrintable(QString(c)));
        QCOMPARE(ecrit(etat({"Anonyme| 125", "Hélène| 90", "Nul| 0", "Łukasz €| 12", "Moins|-5",
                             "|", "Dernier, \"vu\"| 7"})),
                 "\"Anonyme\",\" 125\"\r\n\"H\xE9l\xE8ne\",\" 90\"\r\n\"?ukasz \x80\",\" 12\"\r\n"
                 "\"Dernier, \"vu\"\",\" 7\"\r\n");
        QCOMPARE(ecrit(etat({"Nul| 0"})), QByteArray());
        QCOMPARE(relire(ecrit(etat({"Hélène| 300", " Zoé  | 250", "a,b| 20", "Œdipe| 5"}))),
                 "4/Hélène| 300/ Zoé  | 250/a,b| 20/Œdipe| 5");
    }

    // Catches a reading that takes a malformed line, stops there or at a NUL, an undecodable
    // byte, a blank or LF-only line or random bytes, misses a last line without line end or
    // cuts a name holding the separator, keeps more than twelve records, the wrong ones among
    // equal points or reordered, or keeps leftovers of an earlier table.
    void lecture() {
        QCOMPARE(relire("Anonyme\",\" 5\"\r\n\"Anonyme\",\" 5\r\n\"Seul\"\r\n\"A\" \"5\"\r\n"
                        "\"A\", \" 5\"\r\n\",\"\r\n\",\"x\"\r\n\"\",\r\n \"A\",\" 5\"\r\n"
                        "\"A\",\" 5\" \r\n\"Bon\",\" 8\"\r\n\"\",\"\"\r\n\"B\",\"\"\r\n"
                        "\"A\",\" 5\"\n\n\"B\",\" 50\"\n\r\n\"a\",\"b\",\" 7\""),
                 "6/Bon| 8/|/B|/A| 5/B| 50/a\",\"b| 7");
        QByteArray lot; // fourteen records named A, B, C...
        for (const auto& p : QByteArray("50 10 60 10 70 10 80 90 10 100 110 10 120 10").split(' '))
            lot += '"' + QByteArray(1, char('A' + lot.count('\n'))) + "\",\"" + p + "\"\n";
        QCOMPARE(relire(lot), "12/A|50/B|10/C|60/D|10/E|70/F|10/G|80/H|90/I|10/J|100/K|110/M|120");
        QCOMPARE(relire(QByteArray("\"A\x81\x8D\",\" 5\"\r\n\0\0\r\n\"N\0L\",\" 3\"\r\n\0", 29)),
                 QString("2/A\uFFFD\uFFFD| 5/N") + QChar(0) + "L| 3");
        QRandomGenerator hasard(1252);
        for (int essai = 0; essai < 10; ++essai) { // odd files are made of a record's characters
            QByteArray bruit;
            while (bruit.size() < 65536)
                bruit += essai % 2 ? "\"\",\r\n 9-"[hasard.bounded(8)] : char(hasard.bounded(256));
            QVERIFY(relire(bruit + "\r\n\"Fin\",\" 999999999999\"").endsWith("/Fin| 999999999999"));
        }
        QCOMPARE(charger(chemin("absent.sco")) + relire(""), "00");
    }

    // Catches a write error of the last flush ignored and a cut file renamed over the table
    // as if saved, a temporary file left, or the program killed by SIGXFSZ.
    void disquePleinEtLimite() {
        QVERIFY(ecrire(chemin(), fichier("Ancien:40")));
        const EtatJeu e = etat(QStringList(LIGNES_SCORES, "Joueur| 99"));
        rlimit avant{};
        getrlimit(RLIMIT_FSIZE, &avant);
        for (const auto disposition : {SIG_IGN, SIG_DFL}) {
            std::signal(SIGXFSZ, disposition);
            rlimit limite = avant; // what a full disk does to the write, in one process
            limite.rlim_cur = 10;
            setrlimit(RLIMIT_FSIZE, &limite);
            QString erreur;
            const bool ok = Enregistrer_Scores(e, chemin(), &erreur);
            setrlimit(RLIMIT_FSIZE, &avant);
            QVERIFY(!ok && erreur.endsWith(" : la taille des fichiers est limitée"));
            QCOMPARE(lire(chemin()), fichier("Ancien:40"));
            QCOMPARE(QDir(dossier.path()).entryList(QDir::Files), {"VERLO-SB.SCO"});
        }
    }

    // Catches a save that writes the table read at start-up over what another copy saved
    // meanwhile, a file not what a single copy gives when nobody else wrote (ties included),
    // a lock held elsewhere not reported, or one left by a dead copy blocking for ever.
    void deuxCopies() {
        QVERIFY(ecrire(chemin(), fichier("A:50|B:50|C:50|D:50|E:50|F:50|G:50|H:50|I:50|J:50|K:50|"
                                         "L:50")));
        Copie premiere(60, 50), seconde(55, 0);
        QVERIFY(premiere.valider("Premier"));
        QCOMPARE(lire(chemin()),
                 fichier("Premier:60|A:50|B:50|D:50|E:50|C:50|G:50|H:50|I:50|J:50|K:50|L:50"));
        {
            QLockFile autre(chemin() + ".lock");
            QVERIFY(autre.tryLock(0));
            QString erreur;
            QVERIFY(!seconde.valider("Second", &erreur) &&
                    erreur.endsWith(" : une autre copie du jeu l'enregistre en ce moment"));
            QCOMPARE(lire(chemin()).left(15), "\"Premier\",\" 60\"");
        }
        QVERIFY(ecrire(chemin() + ".lock", "2147483646\n")); // no such process
        QVERIFY(seconde.valider("Second"));
        const QList<QByteArray> lignes = lire(chemin()).split('\n');
        QCOMPARE(QByteArray::number(lignes.size()) + lignes[0] + lignes[1], // twelve records
                 "13\"Premier\",\" 60\"\r\"Second\",\" 55\"\r");
        QCOMPARE(seconde.e.Tab_Scores(1, 1), "Premier"); // the window shows the table saved
    }

    // Catches a FIFO that blocks the reading for ever, a device or a huge file read whole
    // (the record after its first 100 MB is read), or a link to a regular table refused; a
    // save that replaces a link's target or creates a dangling link's target, or that reports
    // success there.
    void fichiersHostiles() {
        QCOMPARE(::mkfifo(QFile::encodeName(chemin("fifo")).constData(), 0600), 0);
        QVERIFY(QFile::link("/dev/zero", chemin("zero")));
        QVERIFY(ecrire(chemin("enorme"), fichier("Debut:5")));
        QVERIFY(ecrire(chemin("enorme"), "\r\n" + fichier("Loin:9"), qint64{100} << 20));
        QVERIFY(QFile::link(chemin("enorme"), chemin("lien")));
        QCOMPARE(charger(chemin("fifo")) + charger(chemin("zero")) + charger(chemin("lien")),
                 "001/Debut| 5");
        QVERIFY(ecrire(chemin("cible"), fichier("Cible:7")));
        for (const char* cible : {"cible", "absente"}) {
            QFile::remove(chemin());
            QVERIFY(QFile::link(chemin(cible), chemin()));
            QString erreur;
            QVERIFY(!Enregistrer_Scores(etat({"Nouveau| 9"}), chemin(), &erreur) &&
                    erreur.contains("lien symbolique") && QFileInfo(chemin()).isSymLink());
        }
        QVERIFY(lire(chemin("cible")) == fichier("Cible:7") && !QFile::exists(chemin("absente")));
    }

    // Catches left-over temporary files kept, or anything else removed: a younger one (a save
    // in progress), another name, the lock, a link or a folder.
    void temporairesAbandonnes() {
        const QStringList anciens{"VERLO-SB.SCO.aB3xYz", "VERLO-SB.SCO.QWERTY"};
        QStringList gardes{"VERLO-SB.SCO",        "VERLO-SB.SCO.jeune1",  "VERLO-SB.SCO.lock",
                           "VERLO-SB.SCO.abcde",  "VERLO-SB.SCO.abcdefg", "VERLO-SB.SCX.abcdef",
                           "VERLO-SB.SCO.lien01", "VERLO-SB.SCO.dossie"};
        for (const QString& nom : anciens + gardes.mid(0, 6)) {
            QFile f(dossier.filePath(nom));
            QVERIFY(f.open(QIODevice::WriteOnly));
            if (anciens.contains(nom) || nom.endsWith("lock"))
                f.setFileTime(QDateTime::currentDateTime().addSecs(-61),
                              QFileDevice::FileModificationTime);
        }
        QVERIFY(QFile::link(dossier.filePath(anciens[0]), dossier.filePath(gardes[6])));
        QVERIFY(QDir(dossier.path()).mkdir(gardes[7]));
        Nettoyer_Temporaires_Scores(dossier.path());
        QStringList restants =
            QDir(dossier.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
        restants.sort(), gardes.sort();
        QCOMPARE(restants, gardes);
    }
};

QTEST_GUILESS_MAIN(TestFichierScores)
#include "tst_fichier_scores.moc"
