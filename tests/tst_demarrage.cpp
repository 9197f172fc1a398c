// Start-up's loading: what a list file's lines become in the lists and which files are read,
// the shared texts, the score file, and the way out when a list is missing.

#include "app/Demarrage.h"
#include "app/ListesMots.h"

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

// Notes the messages and the file dialog's folder and filter; answers as `reponse` says.
struct DialoguesFactices final : IDialoguesChargement {
    void avertir(const QString&, const QString& texte) override { messages << texte; }
    std::optional<QString> choisirFichier(const QString& dossier, const QString& filtre) override {
        choix << dossier << filtre;
        return reponse ? reponse() : std::nullopt;
    }
    QStringList messages, choix;
    std::function<std::optional<QString>()> reponse;
};

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
        DialoguesFactices ui;
        QVERIFY(Charger_Donnees(e, dossier.path(), ui) && ui.messages.isEmpty());
        QCOMPARE(QList<int>({e.Nb_Mots(0), e.Nb_Mots(1), e.Nb_Mots(2), e.Nb_Mots(3), e.Niveau,
                             e.Joueur, e.Nb_Joueurs, e.Nb_Scores}),
                 QList<int>({0, 3, 1, 1400, 1, 1, 1, 2}));
        QCOMPARE(e.Texte_Rangs.split("\r\n").join('/') + e.Alignements(1) + e.Alignements(12) +
                     e.Tab_Scores(1, 1) + e.Tab_Scores(2, 2),
                 "1  /2  /3  /4  /5  /6  /7  /8  /9  /10  /11  /12  01020304050107131925Lucie 75");
        // Lists beside the program, folder writable: the table lives there too, no trial left.
        QVERIFY(e.Fichier_Scores == fichier("VERLO-SB.SCO") &&
                QDir(dossier.path()).entryList(QDir::Files).size() == 4);
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
            DialoguesFactices ui;
            QStringList reponses{fichier("absent.txt"), choisi};
            ui.reponse = [&]() -> std::optional<QString> {
                if (cas == 1)
                    ecrire(fichier("5L-2.txt"), "REMIS\r\n");
                if (cas > 0 || e.Nb_Mots(1) != 3) // the message comes after list 1 has loaded
                    return std::nullopt;
                return reponses.takeFirst();
            };
            QCOMPARE(Charger_Donnees(e, dossier.path(), ui), cas < 2);
            QVERIFY(ui.messages[0].contains(fichier("5L-2.txt")) &&
                    ui.messages.last().contains(cas ? "5L-2.txt" : "absent.txt"));
            QCOMPARE(ui.messages.size() * 10 + ui.choix.size(), (QList{24, 12, 22}[cas]));
            QVERIFY(ui.choix[0] == dossier.path() && ui.choix[1].endsWith("(5l*.txt 5L*.txt)"));
            if (cas < 2) // the per-user folder the README gives, made, for lists from elsewhere
                QCOMPARE(e.Liste_Mots(2, 1).texte() + e.Fichier_Scores,
                         cas ? "REMIS" + fichier("VERLO-SB.SCO")
                             : "PERSO" + donnees() + "/VERLO-SB.SCO");
        }
        QVERIFY(QFileInfo(donnees()).isDir());
    }

    // Catches a line kept that can never be the hidden word (blank, short, digits, a line
    // end alone), a line end read as a letter or as an extra word, lower case or accents
    // left as they are, UTF-8 read as the code page, the mark some editors put first taken
    // into the first word, or more than 1400 words kept.
    void motsJouables() {
        QCOMPARE(textes(lireListe("TERRESTRE\r\nAMI\r\n\r\n     \r\npomme\nT3RRE\r\nFLEUR")),
                 (QStringList{"TERRE", "POMME", "FLEUR"}));
        // Windows-1252: É, Ç, é; then UTF-8 (Œ is no letter A to Z).
        QCOMPARE(textes(lireListe("\xC9\x43OLE\r\nGLA\xC7ON\r\nt\xE9t\xE9s\r\n")),
                 (QStringList{"ECOLE", "GLACO", "TETES"}));
        QCOMPARE(textes(lireListe("\xEF\xBB\xBF"
                                  "ÉCOLE\r\nglaçon\r\nœuvre\r\nÊtres\r\n")),
                 (QStringList{"ECOLE", "GLACO", "ETRES"}));
        QCOMPARE(lireListe(QByteArray(100000, '\n')).size(), 0u);
        QByteArray o("\r\n\r\n");      // skipped lines do not count against the 1400 words kept
        for (int i = 0; i < 1401; ++i) // ABAAA, ABAAB...
            o += "AB" + QByteArray(1, char('A' + i / 676)) + char('A' + i / 26 % 26) +
                 char('A' + i % 26) + "\n\r\n";
        QVERIFY(lireListe(o).size() == 1400u && lireListe(o).back().texte() == "ABCBV");
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
        EtatJeu neuf = e; // back to the state before start-up: what a list held is gone
        neuf.remettreAZero();
        QVERIFY(neuf.Nb_Mots(2) == 0 && neuf.Liste_Mots(2, 1).texte() == QString(5, QChar(0)));
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
