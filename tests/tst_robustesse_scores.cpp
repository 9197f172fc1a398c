// The score table against a hostile environment: a full disk, a size limit, another copy
// of the game saving the same file, FIFOs, devices, huge files, links and left-overs.

#include "app/Points.h"
#include "scores/Classement.h"
#include "scores/EnregistrementPartie.h"
#include "scores/FichierScores.h"

#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

void ecrire(const QString& chemin, const QByteArray& octets, qint64 trouAvant = 0) {
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::ReadWrite) && f.seek(f.size() + trouAvant)); // a hole: no disk used
    QVERIFY(f.write(octets) == octets.size());
}

// Records "name"," points" for "name:points|...".
QByteArray fichier(const QString& fiches) {
    QByteArray o;
    for (const QString& f : fiches.split(u'|'))
        o += "\"" + f.section(u':', 0, 0).toLatin1() + "\",\" " + f.section(u':', 1).toLatin1() +
             "\"\r\n";
    return o;
}

// A copy of the game that read the table at start-up and ends a game with these scores.
struct Copie {
    EtatJeu e;
    Copie(const QString& chemin, int score1, int score2 = 0) {
        Charger_Scores(e, chemin);
        e.Nb_Joueurs = 2;
        e.Score_J(1) = static_cast<std::int16_t>(score1);
        e.Score_J(2) = static_cast<std::int16_t>(score2);
        Classer_Partie(e);
    }
    bool valider(const QString& chemin, QString nom, QString* erreur = nullptr, int attente = 0) {
        QString autre;
        return Enregistrer_Partie(e, nom, autre, chemin, erreur, attente);
    }
};

// A save under a limit on file sizes (what a full disk does to the write, in one process).
bool enregistrerLimite(const QString& chemin, QString* erreur) {
    rlimit avant{};
    getrlimit(RLIMIT_FSIZE, &avant);
    rlimit limite = avant;
    limite.rlim_cur = 10;
    setrlimit(RLIMIT_FSIZE, &limite);
    EtatJeu e;
    for (int r = 1; r <= LIGNES_SCORES; ++r)
        e.Tab_Scores(r, 1) = "Joueur", e.Tab_Scores(r, 2) = Points_En_Texte(100 - r);
    const bool ok = Enregistrer_Scores(e, chemin, erreur);
    setrlimit(RLIMIT_FSIZE, &avant);
    return ok;
}

} // namespace

class TestRobustesseScores : public QObject {
    Q_OBJECT

    QTemporaryDir dossier;
    QString chemin(const char* nom = "VERLO-SB.SCO") const { return dossier.filePath(nom); }

private slots:
    void init() {
        QDir(dossier.path()).removeRecursively();
        QDir().mkpath(dossier.path());
    }

    // Catches a write error of the last flush ignored and an empty or cut file renamed over
    // the table as if saved, a temporary file left, or the program killed by SIGXFSZ.
    void disquePleinEtLimite() {
        ecrire(chemin(), fichier("Ancien:40"));
        for (const auto disposition : {SIG_IGN, SIG_DFL}) {
            std::signal(SIGXFSZ, disposition);
            QString erreur;
            QVERIFY(!enregistrerLimite(chemin(), &erreur));
            QVERIFY2(erreur.endsWith(" : la taille des fichiers est limitée"), qPrintable(erreur));
            QCOMPARE(lire(chemin()), fichier("Ancien:40"));
            QCOMPARE(QDir(dossier.path()).entryList(QDir::Files), {"VERLO-SB.SCO"});
        }
    }

    // Catches a save that writes the table read at start-up over what another copy saved
    // meanwhile, a file not what a single copy gives when nobody else wrote (ties included),
    // a lock held elsewhere not reported, or one left by a dead copy blocking for ever.
    void deuxCopies() {
        ecrire(chemin(), fichier("A:50|B:50|C:50|D:50|E:50|F:50|G:50|H:50|I:50|J:50|K:50|L:50"));
        Copie premiere(chemin(), 60, 50), seconde(chemin(), 55);
        QVERIFY(premiere.e.Qualifie(1) && !premiere.e.Qualifie(2) && seconde.e.Qualifie(1));
        QVERIFY(premiere.valider(chemin(), "Premier"));
        QCOMPARE(lire(chemin()),
                 fichier("Premier:60|A:50|B:50|D:50|E:50|C:50|G:50|H:50|I:50|J:50|K:50|L:50"));
        {
            QLockFile autre(chemin() + ".lock");
            QVERIFY(autre.tryLock(0));
            QString erreur;
            QVERIFY(!seconde.valider(chemin(), "Second", &erreur));
            QVERIFY(erreur.endsWith(" : une autre copie du jeu l'enregistre en ce moment"));
            QCOMPARE(lire(chemin()).left(15), "\"Premier\",\" 60\"");
        }
        ecrire(chemin() + ".lock", "2147483646\n"); // no such process
        QVERIFY(seconde.valider(chemin(), "Second"));
        const QList<QByteArray> lignes = lire(chemin()).split('\n');
        QCOMPARE(lignes.size(), 13); // twelve records
        QCOMPARE(lignes[0] + lignes[1], "\"Premier\",\" 60\"\r\"Second\",\" 55\"\r");
        QCOMPARE(seconde.e.Tab_Scores(1, 1), "Premier"); // the window shows the table saved

        init(); // the other tie case: ranked right after the stored score it equals
        ecrire(chemin(), fichier("A:120|B:110|C:100|D:90|E:80|F:70|G:60|H:50|I:40|J:30|K:20|L:10"));
        QVERIFY(Copie(chemin(), 60).valider(chemin(), "P"));
        QCOMPARE(lire(chemin()),
                 fichier("A:120|B:110|C:100|D:90|E:80|F:70|G:60|P:60|H:50|I:40|J:30|K:20"));
    }

    // Catches a FIFO that blocks the reading for ever, a device or a huge file read whole
    // (the record after its first 100 MB is read), or a link to a regular table refused.
    void lecturesHostiles() {
        QCOMPARE(::mkfifo(QFile::encodeName(chemin("fifo")).constData(), 0600), 0);
        QVERIFY(QFile::link("/dev/zero", chemin("zero")));
        ecrire(chemin("enorme"), fichier("Debut:5"));
        ecrire(chemin("enorme"), "\r\n" + fichier("Loin:9"), qint64{100} << 20); // after 100 MB
        QVERIFY(QFile::link(chemin("enorme"), chemin("lien")));
        for (const auto& [nom, attendu] : {std::pair{"fifo", 0}, {"zero", 0}, {"lien", 1}}) {
            EtatJeu e;
            Charger_Scores(e, chemin(nom));
            QCOMPARE(e.Nb_Scores, attendu);
        }
    }

    // Catches a save that replaces a link's target or creates a dangling link's target,
    // or that reports success there.
    void ecritureParUnLien() {
        ecrire(chemin("cible"), fichier("Cible:7"));
        EtatJeu e;
        e.Tab_Scores(1, 1) = "Nouveau", e.Tab_Scores(1, 2) = " 9";
        for (const char* cible : {"cible", "absente"}) {
            QFile::remove(chemin());
            QVERIFY(QFile::link(chemin(cible), chemin()));
            QString erreur;
            QVERIFY(!Enregistrer_Scores(e, chemin(), &erreur));
            QVERIFY(erreur.contains("lien symbolique"));
            QVERIFY(QFileInfo(chemin()).isSymLink());
        }
        QCOMPARE(lire(chemin("cible")), fichier("Cible:7"));
        QVERIFY(!QFile::exists(chemin("absente")));
    }

    // Catches left-over temporary files kept, or anything else removed: a younger one (a save
    // in progress), another name, the lock, a link or a folder.
    void temporairesAbandonnes() {
        const QStringList anciens{"VERLO-SB.SCO.aB3xYz", "VERLO-SB.SCO.QWERTY"};
        const QStringList gardes{"VERLO-SB.SCO",         "VERLO-SB.SCO.jeune1",
                                 "VERLO-SB.SCO.lock",    "VERLO-SB.SCO.abcde",
                                 "VERLO-SB.SCO.abcdefg", "VERLO-SB.SCX.abcdef",
                                 "VERLO-SB.SCO.lien01",  "VERLO-SB.SCO.dossie"};
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
        QDir d(dossier.path());
        d.setFilter(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
        QStringList restants = d.entryList(), attendus = gardes;
        restants.sort(), attendus.sort();
        QCOMPARE(restants, attendus);
    }
};

QTEST_GUILESS_MAIN(TestRobustesseScores)
#include "tst_robustesse_scores.moc"
