// Points text, the ranking of a finished game, the saving of the players' names; the score
// file: the characters a name may hold, the bytes written and read, and a hostile
// environment: a full disk, a size limit, another copy of the game saving the same file,
// huge files and links.

#include "Blocage.h"
#include "app/Points.h"
#include "scores/Classement.h"
#include "scores/EnregistrementPartie.h"
#include "scores/FichierScores.h"
#include "scores/Verrou.h"

#include <QtTest>
#include <csignal>
#include <tuple>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A state whose stored rows are given as "name:points text" or bare points (then named A, B,
// C... by row), separated by '|', with the players' scores.
EtatJeu etat(const QString& lignes, int score1 = 0, int score2 = 0) {
    EtatJeu e;
    for (int r = 1; const QString& l : lignes.split(u'|', Qt::SkipEmptyParts)) {
        e.Tab_Scores(r, 1) = l.contains(u':') ? l.section(u':', 0, 0) : QString(QChar(u'@' + r));
        e.Tab_Scores(r++, 2) = l.contains(u':') ? l.section(u':', 1) : Points_En_Texte(l.toInt());
    }
    e.Score_J(1) = static_cast<std::int16_t>(score1);
    e.Score_J(2) = static_cast<std::int16_t>(score2);
    return e;
}

// Tab_Scores rows 1..12 as "name:points", joined by '|'.
QString tableau(const EtatJeu& e) {
    QStringList l;
    for (int r = 1; r <= LIGNES_SCORES; ++r)
        l << e.Tab_Scores(r, 1) + u':' + e.Tab_Scores(r, 2);
    return l.join(u'|');
}

// Ranks a game, qualifications of an earlier one left set, and shows Classement rows 1..14 as
// "name:points", the players' own rows as J1 and J2, then who qualified ("Q:12", "Q:"); a
// final "!" flags the stored table touched or Nb_Scores not 14.
QString classer(const QString& table, int score1, int score2) {
    EtatJeu e = etat(table, score1, score2);
    e.Qualifie(1) = e.Qualifie(2) = true;
    Classer_Partie(e);
    QString s;
    for (int r = 1; r <= LIGNES_SCORES + 2; ++r) // a player's row is named by his number
        s += (e.Classement_Joueur(r) ? "J" : "") + e.Classement(r, 1) + u':' +
             e.Classement(r, 2).trimmed() + u' ';
    const bool intact = tableau(e) == tableau(etat(table)) && e.Nb_Scores == 14;
    return s + "Q:" + (e.Qualifie(1) ? "1" : "") + (e.Qualifie(2) ? "2" : "") + (intact ? "" : "!");
}

// Ranks the game and saves the names typed: whether anything was saved, the names as left in
// the boxes, then the table.
QString inscrire(EtatJeu e, QString nom1, QString nom2) {
    Classer_Partie(e);
    const bool inscrit = Inscrire_Noms(e, nom1, nom2);
    return (inscrit ? "oui " : "non ") + nom1 + u'/' + nom2 + u' ' + tableau(e);
}

const QString dix = "120|110|100|90|80|70|60|50|40|30|20|10";

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

// Saves the table and gives back the file's bytes, "?" when the saving failed; also how a
// test writes a table file.
QByteArray ecrit(const EtatJeu& e) {
    static const QTemporaryDir ailleurs; // out of the way of the folder under test
    const QString fichier = ailleurs.filePath(QStringLiteral("ecrit.sco"));
    return Enregistrer_Scores(e, fichier, {}) ? lire(fichier) : "?";
}

// Reads the file into a state full of an earlier table's leftovers and shows what it holds:
// Nb_Scores, then each row as "/name|points", free rows at the end left off.
QString charger(const QString& chemin) {
    EtatJeu e = etat(QString("Vieux: 1|").repeated(LIGNES_SCORES));
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

// What `appel` returns when run by the user nobody, in a child process: what a player who
// does not own the folder or the file meets.
QString commeAutreUtilisateur(const std::function<QString()>& appel) {
    int tube[2];
    if (::pipe(tube) != 0)
        return "<pipe>";
    const pid_t enfant = ::fork();
    if (enfant == 0) {
        ::close(tube[0]);
        QByteArray reponse = "<setuid>";
        if (::setgid(65534) == 0 && ::setuid(65534) == 0)
            reponse = appel().toUtf8();
        [[maybe_unused]] const auto n = ::write(tube[1], reponse.constData(), reponse.size());
        ::_exit(0);
    }
    ::close(tube[1]);
    QByteArray lu;
    char morceau[512];
    for (ssize_t n; (n = ::read(tube[0], morceau, sizeof morceau)) > 0;)
        lu.append(morceau, n);
    ::close(tube[0]);
    ::waitpid(enfant, nullptr, 0);
    return QString::fromUtf8(lu);
}

} // namespace

class TestScores : public QObject {
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
        const QString acceptes = "Azé€Œ’ ,'-\u00A0", refuses = "\"\t\r\x7F\u0081Ł中★";
        for (const QChar c : acceptes + refuses)
            QVERIFY2(Caractere_Nom_Accepte(c) == acceptes.contains(c), qPrintable(QString(c)));
        QCOMPARE(ecrit(etat(
                     "Anonyme: 125|Hélène: 90|Nul: 0|Łukasz €: 12|Moins:-5|:|Dernier, \"vu\": 7")),
                 "\"Anonyme\",\" 125\"\r\n\"H\xE9l\xE8ne\",\" 90\"\r\n\"?ukasz \x80\",\" 12\"\r\n"
                 "\"Dernier, \"vu\"\",\" 7\"\r\n");
        QCOMPARE(ecrit(etat("Nul: 0")), QByteArray());
        QCOMPARE(relire(ecrit(etat("Hélène: 300| Zoé  : 250|a,b: 20|Œdipe: 5"))),
                 "4/Hélène| 300/ Zoé  | 250/a,b| 20/Œdipe| 5");
    }

    // Catches a reading that takes a malformed line, stops there or at a NUL, an undecodable
    // byte, a blank or LF-only line, misses a last line without line end or
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
        QCOMPARE(charger(chemin("absent.sco")) + relire(""), "00");
        // A byte-order mark before the code page's bytes, and a lone CR as line end.
        QCOMPARE(relire("\xEF\xBB\xBF\"H\xE9l\xE8ne\",\" 120\"\r\"Marc\",\" 75\"\r"),
                 "2/Hélène| 120/Marc| 75");
    }

    // Catches a write error of the last flush ignored and a cut file renamed over the table
    // as if saved, a temporary file left, or the program killed by SIGXFSZ.
    void disquePleinEtLimite() {
        QVERIFY(ecrire(chemin(), ecrit(etat("Ancien: 40"))));
        const EtatJeu e = etat(QString("Joueur: 99|").repeated(LIGNES_SCORES));
        rlimit avant{};
        getrlimit(RLIMIT_FSIZE, &avant);
        std::signal(SIGXFSZ, SIG_DFL); // the signal's default would end the program
        rlimit limite = avant;         // what a full disk does to the write, in one process
        limite.rlim_cur = 10;
        setrlimit(RLIMIT_FSIZE, &limite);
        QString erreur;
        const bool ok = Enregistrer_Scores(e, chemin(), &erreur);
        setrlimit(RLIMIT_FSIZE, &avant);
        QVERIFY(!ok && erreur.endsWith(" : la taille des fichiers est limitée"));
        QCOMPARE(lire(chemin()), ecrit(etat("Ancien: 40")));
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden), {"VERLO-SB.SCO"});
    }

    // Catches a save that writes the table read at start-up over what another copy saved
    // meanwhile, a file not what a single copy gives when nobody else wrote (ties included),
    // a lock held elsewhere not reported, or one left by a dead copy blocking for ever.
    void deuxCopies() {
        QVERIFY(ecrire(chemin(), ecrit(etat(QString("50|").repeated(12)))));
        Copie premiere(60, 50), seconde(55, 0);
        QVERIFY(premiere.valider("Premier"));
        QCOMPARE(
            lire(chemin()),
            ecrit(etat(
                "Premier: 60|A: 50|B: 50|D: 50|E: 50|C: 50|G: 50|H: 50|I: 50|J: 50|K: 50|L: 50")));
        {
            Verrou autre(chemin() + ".lock"); // another copy saving
            QVERIFY(autre.prendre(0, nullptr));
            QString erreur;
            QVERIFY(!seconde.valider("Second", &erreur));
            QVERIFY2(erreur.endsWith(" : une autre copie du jeu l'enregistre en ce moment"),
                     qPrintable(erreur));
            QCOMPARE(lire(chemin()).left(15), "\"Premier\",\" 60\"");
        }
        QVERIFY(!QFile::exists(chemin() + ".lock")); // given back
        QVERIFY(seconde.valider("Second"));
        const QList<QByteArray> lignes = lire(chemin()).split('\n');
        QCOMPARE(QByteArray::number(lignes.size()) + lignes[0] + lignes[1], // twelve records
                 "13\"Premier\",\" 60\"\r\"Second\",\" 55\"\r");
    }

    // Catches a huge file read whole (the record after its first 100 MB is read), or a link to
    // a regular table refused; a
    // save that replaces a link's target or creates a dangling link's target, or that reports
    // success there.
    void fichiersHostiles() {
        QVERIFY(ecrire(chemin("enorme"), ecrit(etat("Debut: 5"))));
        QVERIFY(ecrire(chemin("enorme"), "\r\n" + ecrit(etat("Loin: 9")), qint64{100} << 20));
        QVERIFY(QFile::link(chemin("enorme"), chemin("lien")));
        QCOMPARE(charger(chemin("lien")), "1/Debut| 5");
        QVERIFY(ecrire(chemin("cible"), ecrit(etat("Cible: 7"))));
        for (const char* cible : {"cible", "absente"}) {
            QFile::remove(chemin());
            QVERIFY(QFile::link(chemin(cible), chemin()));
            QString erreur;
            QVERIFY(!Enregistrer_Scores(etat("Nouveau: 9"), chemin(), &erreur) &&
                    erreur.contains("lien symbolique") && QFileInfo(chemin()).isSymLink());
        }
        QVERIFY(lire(chemin("cible")) == ecrit(etat("Cible: 7")) &&
                !QFile::exists(chemin("absente")));
    }

    // What may stand at the lock's name when "Valider" saves: how the lock is prepared, then
    // the end of the message given, empty when the save goes on.
    void verrouHostile_data() {
        QTest::addColumn<QString>("preparation");
        QTest::addColumn<QString>("message");
        const QString hote = QSysInfo::machineHostName();
        QTest::newRow("tube nommé") << "tube"
                                    << "VERLO-SB.SCO.lock » est un tube nommé, pas un fichier";
        QTest::newRow("lien vers /dev/zero")
            << "zero"
            << "VERLO-SB.SCO.lock » est un lien symbolique, pas un fichier";
        QTest::newRow("dossier") << "dossier"
                                 << "VERLO-SB.SCO.lock » est un dossier, pas un fichier";
        QTest::newRow("verrou d'un jour, d'une autre machine") << "4242\nverlo\nailleurs\n@-86400"
                                                               << "";
        QTest::newRow("verrou d'une copie disparue de cette machine")
            << "2147483646\nverlo\n" + hote + "\n@0"
            << "";
        QTest::newRow("verrou d'une copie en vie")
            << QString::number(QCoreApplication::applicationPid()) + "\nverlo\n" + hote + "\n@0"
            << "une autre copie du jeu l'enregistre en ce moment";
        QTest::newRow("verrou vide d'un instant")
            << "@0"
            << "une autre copie du jeu l'enregistre en ce moment";
        QTest::newRow("verrou vide d'un jour") << "@-86400"
                                               << "";
        QTest::newRow("fichier d'une autre application, d'un jour")
            << "mes notes\n@-86400"
            << "VERLO-SB.SCO.lock » n'est pas un verrou du jeu, et le jeu ne retire pas un "
               "fichier qu'il n'a pas fait";
    }
    // Catches a lock read through a FIFO (the save hangs) or a link to a device (it reads
    // for ever), anything but a regular file taken for a lock, a stale lock left blocking
    // every save, a live one ignored, or a file the game did not make removed.
    void verrouHostile() {
        QFETCH(QString, preparation);
        QFETCH(QString, message);
        const QString verrou = chemin() + ".lock";
        if (preparation == "tube")
            QCOMPARE(::mkfifo(QFile::encodeName(verrou).constData(), 0600), 0);
        else if (preparation == "zero")
            QVERIFY(QFile::link("/dev/zero", verrou));
        else if (preparation == "dossier")
            QVERIFY(QDir().mkdir(verrou));
        else {
            const qsizetype arobase = preparation.lastIndexOf(u'@');
            QVERIFY(ecrire(verrou, preparation.left(arobase).toUtf8()));
            QFile f(verrou);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(
                QDateTime::currentDateTime().addSecs(preparation.mid(arobase + 1).toInt()),
                QFileDevice::FileModificationTime));
        }
        Copie copie(55, 0);
        QString erreur;
        bool enregistre = false;
        QVERIFY(
            finitSansBlocage([&] { enregistre = copie.valider("Nom", &erreur); }, 3000, {verrou}));
        QCOMPARE(enregistre, message.isEmpty());
        QVERIFY2(message.isEmpty() ? erreur.isEmpty() : erreur.endsWith(message),
                 qPrintable(erreur));
        QCOMPARE(lire(chemin()), enregistre ? ecrit(etat("Nom: 55")) : "<absent>");
        // A stale lock goes; nothing else is removed.
        QCOMPARE(QFileInfo::exists(verrou) || QFileInfo(verrou).isSymLink(), !enregistre);
    }

    // As another user, what the folder's owner refuses: the message names the real cause.
    void droitsRefuses_data() {
        QTest::addColumn<QString>("cas");
        QTest::addColumn<QString>("message");
        QTest::newRow("verrou périmé, dossier partagé où seul son auteur le retire")
            << "verrou"
            << "VERLO-SB.SCO.lock », laissé par une copie du jeu arrêtée, ne peut pas être "
               "retiré (l'accès au dossier est refusé)";
        QTest::newRow("tableau en lecture seule dans un dossier ouvert")
            << "tableau"
            << "VERLO-SB.SCO » : le fichier est protégé en écriture";
    }
    // Catches a lock that cannot be removed reported as another copy saving (every save then
    // waits and fails for ever), or a read-only table reported as a folder refusing access.
    void droitsRefuses() {
        QFETCH(QString, cas);
        QFETCH(QString, message);
        if (::geteuid() != 0)
            QSKIP("acting as another user needs root");
        const QString partage = dossier.filePath("partage");
        QVERIFY(QDir().mkpath(partage));
        QVERIFY(::chmod(QFile::encodeName(dossier.path()).constData(), 0755) == 0);
        // Sticky, as /tmp: anyone may add a file, only its owner remove it.
        QVERIFY(::chmod(QFile::encodeName(partage).constData(), cas == "verrou" ? 01777 : 0777) ==
                0);
        const QString table = partage + "/VERLO-SB.SCO";
        if (cas == "verrou") {
            QVERIFY(ecrire(table + ".lock", "4242\nverlo\nailleurs\n"));
            QFile f(table + ".lock");
            QVERIFY(f.open(QIODevice::ReadWrite) &&
                    f.setFileTime(QDateTime::currentDateTime().addDays(-1),
                                  QFileDevice::FileModificationTime));
        } else {
            QVERIFY(ecrire(table, ecrit(etat("Ancien: 40"))));
            QVERIFY(::chmod(QFile::encodeName(table).constData(), 0444) == 0);
        }
        const QString erreur = commeAutreUtilisateur([&] {
            EtatJeu e;
            Charger_Scores(e, table);
            e.Nb_Joueurs = 1;
            e.Score_J(1) = 55;
            Classer_Partie(e);
            QString nom1 = "Nom", nom2, raison;
            Enregistrer_Partie(e, nom1, nom2, table, &raison, 0);
            return raison;
        });
        QVERIFY2(erreur.endsWith(message), qPrintable(erreur));
        QCOMPARE(lire(table), cas == "verrou" ? QByteArray("<absent>") : ecrit(etat("Ancien: 40")));
    }

    // Catches a sort that is not decreasing, reads hand-edited points otherwise than the game
    // (no digits: 0), breaks ties otherwise than by its own steps, or leaves Nb_Scores unset.
    void trierScores() {
        EtatJeu e = etat("A: 5|B:-3|C: 0|D: 17|E:|F: 8|G:abc|H:8|I:-|J:x 9|K: 12|L: 3");
        Trier_Scores(e);
        QCOMPARE(QString::number(e.Nb_Scores) + tableau(e),
                 "12D: 17|K: 12|F: 8|H:8|A: 5|L: 3|G:abc|E:|C: 0|J:x 9|I:-|B:-3");
    }

    // Catches a tie broken otherwise than by the sort's own steps (the players see it), a
    // player's row losing its mark in an exchange, a qualification on points equal to a stored
    // score, on 0 or less, or from row 13 or 14, one left from an earlier game, a stored "1" or
    // "2" taken for a player, or the stored table touched. "*" stands for any rows.
    void classerPartie() {
        const std::tuple<QString, int, int, QString> parties[] = {
            {QString("100|").repeated(12), 100, 0, "* J1:100 J2:0 Q:"},
            {QString("100|").repeated(12), 101, 0, "J1:101 * J2:0 Q:1"},
            {dix, 11, 11, "* K:20 J1:11 J2:11 L:10 Q:1"},
            {"40|40|35|35|30|30|25|15|15|15|15|0", 15, 35,
             "A:40 B:40 C:35 D:35 J2:35 E:30 F:30 G:25 I:15 J:15 H:15 J1:15 K:15 L:0 Q:12"},
            {dix, 60, 0,
             "A:120 B:110 C:100 D:90 E:80 F:70 G:60 J1:60 H:50 I:40 J:30 K:20 L:10 J2:0 Q:1"},
            {dix, 120, 0, "A:120 J1:120 B:110 * Q:1"},
            {dix, 10, 0, "* K:20 L:10 J1:10 J2:0 Q:"},
            {"", 50, 0, "J1:50 * Q:1"},
            {"", 1, 30, "J2:30 J1:1 * Q:12"},
            {"", 0, 0, "* Q:"},
            {"", -5, 7, "J2:7 * J1:-5 Q:2"},
            {"1: 200|2: 150|" + dix.section(u'|', 2), 5, 5, "1:200 2:150 * Q:"}};
        for (const auto& [table, score1, score2, motif] : parties) {
            const QString lu = classer(table, score1, score2);
            QVERIFY2(QRegularExpression::fromWildcard(motif).match(lu).hasMatch(), qPrintable(lu));
        }
    }

    // Catches names swapped, trimmed or recased, a typed name put on a stored row named "1" or
    // "2", a player's single point not enough, rows 13 and 14 kept, or anything changed when
    // nobody qualified.
    void inscrireNoms() {
        QCOMPARE(inscrire(etat(dix, 60, 115), " zoé ", "BRUNO"),
                 "oui  zoé /BRUNO A: 120|BRUNO: 115|B: 110|C: 100|D: 90|E: 80|F: 70|G: 60|"
                 " zoé : 60|H: 50|I: 40|J: 30");
        QCOMPARE(inscrire(etat(dix, 10), "", "Bruno"), "non /Bruno " + tableau(etat(dix)));
        QVERIFY(inscrire(etat("1: 200|2: 150|" + dix.section(u'|', 2), 5, 95), "Alice", "Bruno")
                    .startsWith("oui Alice/Bruno 1: 200|2: 150|C: 100|Bruno: 95|D: 90|"));
        QVERIFY(inscrire(etat("", 1, 1), "", "Deux") // one point is enough
                    .startsWith("oui Anonyme/Deux Deux: 1|Anonyme: 1|:|"));
    }
};

QTEST_GUILESS_MAIN(TestScores)
#include "tst_scores.moc"
