// The score file and the ranking: the bytes written and read, a finished game ranked against
// the table and its ties, the names saved; the saving under a lock against another copy of
// the game, a full disk, another user, and whatever stands at the table's or the lock's name.
// The score windows: the table's name entry and "Valider"; the low-score notice's rhythm on
// the steady clock, with and without the bleat, and "D'ACCORD !" in the middle of it.

#include "Doubles.h"
#include "Etat.h"
#include "Fichiers.h"
#include "app/controles/Bouton.h"
#include "app/controles/Image.h"
#include "app/controles/Panel3D.h"
#include "scores/EnregistrementPartie.h"
#include "scores/FichierScores.h"
#include "scores/Form4.h"
#include "scores/Form5.h"
#include "scores/Verrou.h"

#include <QtTest>
#include <QtWidgets>
#include <csignal>
#include <thread>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

const QTemporaryDir dossier; // the current folder: the files are named relative to it

// Stored rows named A, B, C... with these points (after a blank), as preparerEtat takes them.
QStringList rangees(const QList<int>& points) {
    QStringList l;
    for (const int p : points)
        l << QString(QChar('A' + int(l.size()) / 2)) << u" "_s + QString::number(p);
    return l;
}
const QStringList dix = rangees({120, 110, 100, 90, 80, 70, 60, 50, 40, 30, 20, 10});

// Tab_Scores rows 1 to 12 as name, points, name, points...
QStringList cellules(const EtatJeu& e) {
    QStringList l;
    for (int r = 1; r <= LIGNES_SCORES; ++r)
        l << e.Tab_Scores(r, 1) << e.Tab_Scores(r, 2);
    return l;
}

// The bytes the game saves for a table given as preparerEtat takes it.
QByteArray ecrit(const QStringList& table) {
    EtatJeu e;
    preparerEtat(e, table);
    return Enregistrer_Scores(e, "ecrit.sco", nullptr) ? lire("ecrit.sco") : "?";
}

// A finished game against the stored table: the fourteen rows as ranked (the players'
// marked 1 and 2), and who qualifies.
struct Partie {
    QStringList table;
    QList<int> scores;
    QString ordre;
    bool qualifie1, qualifie2;
};
Q_DECLARE_METATYPE(Partie)

// A copy of the game that read the table at start-up and ends a game with these scores.
struct Copie {
    EtatJeu e;
    Copie(const QString& table, std::int16_t score1, std::int16_t score2 = 0) {
        Charger_Scores(e, table);
        e.Nb_Joueurs = 2, e.Score_J(1) = score1, e.Score_J(2) = score2;
        Classer_Partie(e);
    }
    // What "Valider" reports; nothing when saved.
    QString valider(const QString& table, QString nom, int attenteMs = 0) {
        QString autre, erreur;
        Enregistrer_Partie(e, nom, autre, table, &erreur, attenteMs);
        return erreur;
    }
};

class TestScores : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(QDir::setCurrent(dossier.path())); }

    void partie_data() {
        // clang-format off
        QTest::addColumn<Partie>("p");
        QTest::newRow("douze 50, joueurs à 60 et 50") << Partie{rangees(QList<int>(12, 50)), {60, 50}, "1 A B D E C G H I J K L F 2", true, false};
        QTest::newRow("120 à 10, joueurs à 11 et 11: le second 13e") << Partie{dix, {11, 11}, "A B C D E F G H I J K 1 2 L", true, false};
        QTest::newRow("égalités de part et d'autre, joueurs à 15 et 35") << Partie{rangees({40, 40, 35, 35, 30, 30, 25, 15, 15, 15, 15, 0}), {15, 35}, "A B C D 2 E F G I J H 1 K L", true, true};
        QTest::newRow("120 à 10, joueur à 60: juste après le 60") << Partie{dix, {60, 0}, "A B C D E F G 1 H I J K L 2", true, false};
        QTest::newRow("douze à -1, joueurs à 0 et 0: 0 n'entre jamais") << Partie{rangees(QList<int>(12, -1)), {0, 0}, "2 1 B A E C D H I J K L F G", false, false};
        // clang-format on
    }
    // Catches a tie broken otherwise than by the sort's own steps (the players see it), a
    // player's mark lost in an exchange, a qualification on points equal to a stored score, on
    // 0, or from row 13 or 14, one left from an earlier game, or the stored table touched before
    // the names are saved.
    void partie() {
        QFETCH(Partie, p);
        EtatJeu e;
        e.Qualifie(1) = e.Qualifie(2) = true; // an earlier game's
        preparerEtat(e, p.table, p.scores);
        QStringList rangs;
        for (int r = 1; r <= LIGNES_SCORES + 2; ++r)
            rangs << e.Classement(r, 1);
        QCOMPARE(rangs, p.ordre.split(u' '));
        QCOMPARE(e.Qualifie(1), p.qualifie1);
        QCOMPARE(e.Qualifie(2), p.qualifie2);
        QCOMPARE(cellules(e), p.table);
    }

    // Catches a wrong record layout, line end or code page, a row of 0 points or less written,
    // rows after a free one lost, or an empty table not replacing the file with an empty one.
    void ecriture() {
        QCOMPARE(ecrit({"Anonyme", " 125", "Nul", " 0", "Moins", "-5", "", "",
                        "\"L\"\u00A0€Œ’Ł\u0080", " 7"}),
                 QByteArray("\"Anonyme\",\" 125\"\r\n\"\"L\"\xA0\x80\x8C\x92??\",\" 7\"\r\n"));
        QCOMPARE(ecrit({"Nul", " 0"}), QByteArray());
    }

    // A file's bytes and the table start-up reads from them.
    void lecture_data() {
        // clang-format off
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QStringList>("lu");
        QTest::newRow("marque d'ordre devant du Windows-1252, CR seul, dernière ligne sans fin") << QByteArray("\xEF\xBB\xBF\"H\xE9l\xE8ne\",\" 120\"\r\"Marc\",\" 75\"") << QStringList{"Hélène", " 120", "Marc", " 75"};
        QTest::newRow("lignes malformées; champs vides, séparateur dans le nom") << QByteArray("A\",\" 5\"\r\n\"A\",\" 5\r\n\"Seul\"\r\n\"A\" \" 5\"\r\n\",\"x\"\r\n"
                          "\"a\",\"\r\n\",\"\r\n \"A\",\" 5\"\r\n\"A\", \" 5\"\r\n\"\",\"\"\n"
                          "\"B\",\"\"\r\n\"a\",\"b\",\" 7\"\r\n") << QStringList{"", "", "B", "", "a\",\"b", " 7"};
        QTest::newRow("octets sans caractère, NUL") << QByteArray("\"A\x81\x8D\",\" 5\"\r\n\0\0\r\n\"N\0L\",\" 3\"\r\n\0", 29) << QStringList{"A\uFFFD\uFFFD", " 5", QStringLiteral("N") + QChar() + "L", " 3"};
        QTest::newRow("quatorze fiches: les douze meilleures dans l'ordre du fichier") << ecrit(rangees(QList<int>(12, 10))) + "\"M\",\" 20\"\r\n\"N\",\" 10\"\r\n" << rangees(QList<int>(11, 10)) + QStringList{"M", " 20"};
        QTest::newRow("une fiche au-delà du premier Mo") << ecrit({"Debut", " 5"}) + QByteArray(1 << 20, '\n') + ecrit({"Loin", " 9"}) << QStringList{"Debut", " 5"};
        // clang-format on
    }
    // Catches a reading that takes a malformed line, stops at one, at a NUL or an undecodable
    // byte, reads a line end (CR, LF, CR LF) or the byte-order mark otherwise, misses a last
    // line without line end, reads past the first megabyte, cuts a name holding the separator,
    // keeps more than twelve records or the wrong ones among equal points or reorders them, or
    // keeps an earlier table's rows.
    void lecture() {
        QFETCH(QByteArray, octets);
        QFETCH(QStringList, lu);
        QVERIFY(ecrire("VERLO-SB.SCO", octets));
        EtatJeu e;
        preparerEtat(e, rangees(QList<int>(12, 1)));
        Charger_Scores(e, "VERLO-SB.SCO");
        QCOMPARE(cellules(e), lu + QStringList(24 - lu.size(), QString())); // the rest free
        QCOMPARE(int{e.Nb_Scores}, lu.size() / 2);
    }

    // Catches a save that writes the table read at start-up over what another copy saved
    // meanwhile, ranks ties otherwise through the file than in memory, a name changed or put
    // on the wrong row (player 2's when player 1 has no points), no "Anonyme" for an empty box,
    // a row after the twelfth kept, a new table its owner cannot read or write, or a save that
    // does not wait for another copy's to end.
    void deuxCopies() {
        QVERIFY(ecrire("VERLO-SB.SCO", ecrit(dix)));
        Copie premiere("VERLO-SB.SCO", 60), seconde("VERLO-SB.SCO", 0, 115);
        QCOMPARE(premiere.valider("VERLO-SB.SCO", " zoé "), QString());
        QCOMPARE(seconde.valider("VERLO-SB.SCO", ""), QString());
        QCOMPARE(lire("VERLO-SB.SCO"),
                 ecrit({"A", " 120", "Anonyme", " 115", "B", " 110", "C",     " 100",
                        "D", " 90",  "E",       " 80",  "F", " 70",  " zoé ", " 60",
                        "G", " 60",  "H",       " 50",  "I", " 40",  "J",     " 30"}));
        QCOMPARE(Copie("seul.sco", 0, 1).valider("seul.sco", "Un"), QString()); // one point
        QCOMPARE(lire("seul.sco"), ecrit({"Anonyme", " 1"}));
        QVERIFY(
            QFileInfo("seul.sco").permissions().testFlags(QFile::ReadOwner | QFile::WriteOwner));
        auto autreCopie = std::make_unique<Verrou>("seul.sco.lock"); // saving for 0.3 s
        QVERIFY(autreCopie->prendre(0, nullptr));
        std::thread fin([&autreCopie] { QThread::msleep(300), autreCopie.reset(); });
        const QString raison = Copie("seul.sco", 5).valider("seul.sco", "Deux", 10'000);
        fin.join();
        QCOMPARE(raison, QString());
        QVERIFY(Copie("absent/T.SCO", 9).valider("absent/T.SCO", "X").endsWith("n'existe pas"));
    }

    // What is left at the lock's ($v) or the table's ($t) name in a folder open to all when
    // another player saves there, and the end of the message he is given (empty: saved).
    void enregistrementHostile_data() {
        // clang-format off
        QTest::addColumn<QString>("preparation");
        QTest::addColumn<QString>("message");
        const QString occupe = "une autre copie du jeu l'enregistre en ce moment";
        const QString lien = "ce nom est un lien symbolique, au travers duquel le jeu n'écrit pas";
        const QString perime = "printf '4242\\nverlo\\nailleurs\\n' >$v; touch -d '1 day ago' $v";
        QTest::newRow("verrou: tube nommé") << u"mkfifo $v"_s << "un tube nommé, pas un fichier";
        QTest::newRow("verrou: /dev/zero") << u"ln -s /dev/zero $v"_s << "lien symbolique, pas un fichier";
        QTest::newRow("verrou: dossier") << u"mkdir $v"_s << "un dossier, pas un fichier";
        QTest::newRow("verrou d'un jour, d'une autre machine") << perime << "";
        QTest::newRow("verrou d'une copie disparue de cette machine, sans fin de ligne") << u"printf '2147483646\\nverlo\\n%s' $(uname -n) >$v"_s << "";
        QTest::newRow("verrou d'une copie en vie") << u": tenu par le test"_s << occupe;
        QTest::newRow("verrou vide d'un instant") << u": >$v"_s << occupe;
        QTest::newRow("fichier d'une autre application, d'un jour") << u"echo mes notes >$v; touch -d '1 day ago' $v"_s << "le jeu ne retire pas un fichier qu'il n'a pas fait";
        QTest::newRow("verrou périmé, dossier où seul son auteur le retire") << u"chmod +t .; "_s + perime << "ne peut pas être retiré (l'accès au dossier est refusé)";
        QTest::newRow("tableau en lecture seule") << u"echo 1 >$t; chmod 444 $t"_s << "protégé en écriture";
        QTest::newRow("taille des fichiers limitée, comme un disque plein") << u"echo 1 >$t; chmod 666 $t; prlimit --pid $PPID --fsize=100:"_s << "la taille des fichiers est limitée";
        QTest::newRow("tableau: lien vers un tableau") << u"echo '\"Cible\",\" 7\"' >../cible; ln -s ../cible $t"_s << lien;
        QTest::newRow("tableau: lien brisé") << u"ln -s ../absente $t"_s << lien;
        // clang-format on
    }
    // Catches a lock read through a FIFO (the save hangs) or a link to a device (it reads for
    // ever), anything but a regular file taken for a lock, a stale lock left blocking every
    // save, a live one ignored or made so that another user cannot read it, a file the game did
    // not make removed; a stale lock that cannot be removed reported as another copy saving
    // (every save would fail for ever), a read-only table as a folder refusing access; the write
    // error of a full disk ignored and the cut file renamed over the table, or the program
    // killed by SIGXFSZ; a save that replaces a link or writes through it; a failed save
    // touching the table or leaving a temporary file.
    void enregistrementHostile() {
        QFETCH(QString, preparation);
        QFETCH(QString, message);
        if (preparation.contains("chmod +t") && ::geteuid() != 0)
            QSKIP("a lock of another user's needs the test to run as root");
        const QString table = "partage/VERLO-SB.SCO", verrou = table + ".lock";
        const QString nom(200, u'N'); // a record longer than a lock
        rlimit limite{};
        getrlimit(RLIMIT_FSIZE, &limite);
        const auto remettre = qScopeGuard([&] { setrlimit(RLIMIT_FSIZE, &limite); });
        std::signal(SIGXFSZ, SIG_DFL); // the signal's default would end the program
        // A folder open to all; files left as a player or the system would leave them.
        const QString ici = "chmod 755 .; rm -rf partage; mkdir -m 777 partage";
        QVERIFY(shell(ici + "; cd partage; t=VERLO-SB.SCO v=$t.lock; " + preparation));
        Verrou tenu(verrou); // the game's own lock, as another copy holds it
        if (preparation.contains("tenu"))
            QVERIFY(tenu.prendre(0, nullptr));
        const bool occupe = QFileInfo::exists(verrou);
        const QByteArray avant = lire(table);
        // The save, by the user nobody when the test runs as root; its message through a file.
        const pid_t enfant = ::fork();
        if (enfant == 0)
            ::alarm(10); // a save that hangs must not outlive the test
        if (enfant == 0 && (::geteuid() != 0 || (::setgid(65534) == 0 && ::setuid(65534) == 0))) {
            const QByteArray raison = Copie(table, 99).valider(table, nom).toUtf8();
            setrlimit(RLIMIT_FSIZE, &limite);
            ecrire("partage/raison", raison);
        }
        if (enfant == 0)
            ::_exit(0);
        QVERIFY(finitSansBlocage([&] { ::waitpid(enfant, nullptr, 0); }, 3000, {verrou}));
        const QString erreur = QString::fromUtf8(lire("partage/raison"));
        QCOMPARE(message.isEmpty() ? erreur : erreur.right(message.size()), message);
        QCOMPARE(lire(table), message.isEmpty() ? ecrit({nom, " 99"}) : avant);
        // What stood at the lock's name goes only as a stale lock, for a save that goes on.
        QCOMPARE(QFileInfo::exists(verrou), occupe && !message.isEmpty());
        QVERIFY(QDir("partage").entryList({".verlo-tmp-*"}, QDir::Files | QDir::Hidden).isEmpty());
    }

    // Catches the table shown unsorted, with rows of 0 points or less, or names and points out
    // of step; a name changed on its way to the file (a double quote, a control character or
    // one the file cannot hold let in by typing or pasting); an empty box not saved as
    // "Anonyme" (in the box too); Enter saving, or not moving on to the next box that
    // qualifies; the entry left to save twice or offered again by "Scores...".
    void valider() {
        EtatJeu e; // the table at the end of a game of 250 and 40 points
        preparerEtat(e, {"Chloé", " 30", "Zéro", " 0", "Bruno", " 50", "Moins", "-5"}, {250, 40});
        Form4 f(e, u"fenetre.sco"_s, nullptr);
        f.signalerErreur = nullptr; // an error would throw rather than wait for a click
        f.show();
        QCOMPARE(f.Nom->text(), u"Bruno  \nChloé  \n"_s);
        QApplication::clipboard()->setText(u"N\"A\t\u2605"_s);
        QTest::keyClick(f.Nom_Sc(1), Qt::Key_V, Qt::ControlModifier); // pasted
        QTest::keyClicks(f.Nom_Sc(1), u"\"E"_s);                      // then typed
        QTest::keyClick(f.Nom_Sc(1), Qt::Key_Return); // Enter moves on, to player 2's box
        QCOMPARE(f.focusWidget(), f.Nom_Sc(2));
        QTest::keyClick(f.Nom_Sc(2), Qt::Key_Enter);
        QCOMPARE(f.focusWidget(), f.Valider);
        QVERIFY(!QFile::exists(u"fenetre.sco"_s)); // saving is for "Valider" alone
        QTest::mouseClick(f.Valider, Qt::LeftButton);
        QCOMPARE(f.Nom_Sc(2)->text(), u"Anonyme"_s);
        QVERIFY(QFile::exists(u"fenetre.sco"_s));
        QCOMPARE(f.Nom->text(), u"NAE  \nBruno  \nAnonyme  \nChloé  \n"_s);
        QVERIFY(f.Valider->isHidden());
        QCOMPARE(e.Qualifie(1), false);
    }

    // The sound switch, the wait in which "D'ACCORD !" is pressed (0: none), and what the
    // notice does for six seconds: each wait and the picture shown through it ("2:1000", the
    // open mouth for a second), each sound and the picture shown while it plays.
    void rythmes_data() {
        // clang-format off
        QTest::addColumn<bool>("son");
        QTest::addColumn<int>("fermeture");
        QTest::addColumn<QString>("vus");
        QTest::newRow("sans son") << false << 0 << "2:1000 1:1000 2:1000 1:1000 2:1000 1:1000 2:1000";
        QTest::newRow("bêlement de 1,5 s") << true << 0 << "2:1000 1:mouton.wav:attente 2:1000 1:mouton.wav:attente 2:1000";
        QTest::newRow("D'ACCORD ! dans la première attente") << false << 2 << "2:1000 1:1000";
        // clang-format on
    }
    // Catches the lost tick of a timer that cannot fire during its own waits (the open mouth
    // then stays two seconds), waits not measured on the injected clock, a bleat asked for with
    // the sound off, not played at each tick, not waited for or played with the open mouth, the
    // open mouth not shown one second after it, both pictures shown at once; a tick that goes
    // on after "D'ACCORD !" in one of its waits, or the animation left running after it.
    void rythmes() {
        QFETCH(bool, son);
        QFETCH(int, fermeture);
        QFETCH(QString, vus);
        EtatJeu e;
        e.Son_Actif = son;
        ServicesDeTest d;
        Form5 f(e, d.services(), nullptr);
        QStringList images;
        d.son.pendantJouer = [&] {
            images << QString::number(f.Image1(1)->isHidden() ? 2 : 1) + u':' + d.son.joues.last();
            d.horloge.avancer(1500); // the bleat's length
        };
        d.horloge.pendantAttente = [&](qint64 ms) {
            QVERIFY(f.Image1(1)->isHidden() != f.Image1(2)->isHidden()); // one picture at a time
            if (ms > 0)
                images << QStringLiteral("%1:%2").arg(f.Image1(1)->isHidden() ? 2 : 1).arg(ms);
            if (images.size() == fermeture)
                f.Daccord->click();
        };
        // The timer fired by hand each time it falls due, as the single-shot timer would.
        while (d.horloge.ms < 1'006'000 && f.Minuterie1->isActive()) { // six seconds
            d.horloge.sommeil(f.Minuterie1->interval());
            f.Minuterie1->stop();
            QMetaObject::invokeMethod(f.Minuterie1, "timeout");
        }
        QCOMPARE(images, vus.split(u' '));
    }
};

QTEST_MAIN(TestScores)
#include "tst_scores.moc"
