// Start-up's loading: the lists, the shared texts, the score file, and the way
// out when a list is missing.

#include "app/Demarrage.h"
#include "app/Donnees.h"
#include "scores/FichierScores.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

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
        QCOMPARE(e.Chemin_Actuel, QDir::toNativeSeparators(QDir(dossier.path()).canonicalPath()));
        // Lists beside the program, folder writable: the table lives there too, no trial left.
        QVERIFY(e.Fichier_Scores == fichier("VERLO-SB.SCO") &&
                QDir(dossier.path()).entryList(QDir::Files).size() == 4);
    }

    // Catches an installed copy (lists in ../share/verlo) that does not find its lists or
    // keeps its score table beside the executable, and a copy beside the program that
    // does not win over the installed one.
    void copieInstallee() {
        const QString bin = fichier("bin"), partage = fichier("share/verlo");
        QVERIFY(QDir().mkpath(bin) && QDir().mkpath(partage));
        for (const char* liste : {"5L-1.txt", "5L-2.txt", "5L-3.txt"})
            QVERIFY(QFile::rename(fichier(liste), partage + '/' + liste));
        EtatJeu e;
        DialoguesFactices ui;
        QVERIFY(Charger_Donnees(e, bin, ui) && ui.messages.isEmpty() && e.Nb_Mots(3) == 1400);
        QCOMPARE(QFileInfo(e.Fichier_Scores).path(), donnees());
        ecrire(bin + "/5L-2.txt", "AUPRES\r\n");
        QCOMPARE(cheminDonnee("5L-2.txt", bin) + cheminDonnee("5L-1.txt", bin) +
                     cheminDonnee("absent.wav", bin),
                 bin + "/5L-2.txt" + partage + "/5L-1.txt" + bin + "/absent.wav");
    }

    // Catches a message that does not say which file, a chosen file that fails taken for
    // success, a chosen file ignored, or the table kept beside lists taken from elsewhere
    // rather than in ~/.local/share/verlo.
    void listeManquanteFichierChoisi() {
        QFile::remove(fichier("5L-2.txt"));
        QTemporaryDir ailleurs;
        const QString choisi = ailleurs.filePath(QStringLiteral("5l-perso.txt"));
        ecrire(choisi, "PERSO\r\nAUTRE\r\n");
        EtatJeu e;
        DialoguesFactices ui;
        QStringList reponses{fichier("absent.txt"), choisi};
        ui.reponse = [&] { // the message comes after list 1 has loaded
            return e.Nb_Mots(1) == 3 ? std::optional(reponses.takeFirst()) : std::nullopt;
        };
        QVERIFY(Charger_Donnees(e, dossier.path(), ui));
        QVERIFY(ui.messages.size() == 2 && ui.messages[0].contains(fichier("5L-2.txt")));
        QVERIFY(ui.messages[0].endsWith(e.Chemin_Actuel) && ui.messages[1].contains("absent.txt"));
        QVERIFY(ui.choix[0] == dossier.path() && ui.choix[1].endsWith("(5l*.txt 5L*.txt)"));
        QCOMPARE(e.Liste_Mots(2, 1).texte() + QString::number(e.Nb_Mots(2) + e.Nb_Mots(3)),
                 "PERSO1402");
        // the per-user folder the README gives, made
        QVERIFY(e.Fichier_Scores == donnees() + "/VERLO-SB.SCO" && QFileInfo(donnees()).isDir());
    }

    // Catches a Cancel that does not look again in the program's folder (the file may have
    // been put back), or the endless cycle when it is still missing: start-up then ends with
    // a message that names the file.
    void annuler() {
        for (const bool remis : {true, false}) {
            QFile::remove(fichier("5L-2.txt"));
            EtatJeu e;
            DialoguesFactices ui;
            ui.reponse = [&] {
                if (remis)
                    ecrire(fichier("5L-2.txt"), "REMIS\r\n");
                return std::optional<QString>();
            };
            QCOMPARE(Charger_Donnees(e, dossier.path(), ui), remis);
            QCOMPARE(ui.messages.size() * 10 + ui.choix.size(), remis ? 12 : 22);
            QVERIFY(ui.messages.last().contains(fichier("5L-2.txt")));
            QVERIFY(!remis || e.Liste_Mots(2, 1).texte() + e.Fichier_Scores ==
                                  "REMIS" + fichier("VERLO-SB.SCO"));
        }
    }
};

QTEST_GUILESS_MAIN(TestDemarrage)
#include "tst_demarrage.moc"
