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
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(octets);
}

QByteArray mots(int n) {
    QByteArray o;
    for (int i = 0; i < n; ++i)
        o += "MOT" + QByteArray(1, char('A' + i % 26)) + char('A' + i / 26 % 26) + "\r\n";
    return o;
}

class DialoguesFactices final : public IDialoguesChargement {
public:
    void avertir(const QString& titre, const QString& texte) override {
        titres << titre;
        messages << texte;
    }
    std::optional<QString> choisirFichier(const QString& dossier, const QString& filtre) override {
        dossiers << dossier;
        filtres << filtre;
        return reponse ? reponse() : std::nullopt;
    }

    QStringList titres, messages, dossiers, filtres;
    std::function<std::optional<QString>()> reponse;
};

} // namespace

class TestDemarrage : public QObject {
    Q_OBJECT

    QTemporaryDir dossier;
    QString fichier(const char* nom) const { return dossier.filePath(QString::fromUtf8(nom)); }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        QVERIFY(dossier.isValid());
        QDir(dossier.path()).removeRecursively();
        QDir().mkpath(dossier.path());
        ecrire(fichier("5L-1.txt"), mots(3));
        ecrire(fichier("5L-2.txt"), mots(1));
        ecrire(fichier("5L-3.txt"), mots(1400));
    }

    // Catches a list loaded into the wrong slot, a shared text built wrong, the
    // score file not read, or the winning lines or the options left unset.
    void demarrageComplet() {
        ecrire(fichier("VERLO-SB.SCO"), "\"Lucie\",\" 120\"\r\n\"Marc\",\" 75\"\r\n");
        EtatJeu e;
        DialoguesFactices ui;
        QVERIFY(Charger_Donnees(e, dossier.path(), ui));
        QVERIFY(ui.messages.isEmpty());
        QCOMPARE(QList<int>({e.Nb_Mots(0), e.Nb_Mots(1), e.Nb_Mots(2), e.Nb_Mots(3), e.Niveau,
                             e.Joueur, e.Nb_Joueurs, e.Nb_Scores}),
                 QList<int>({0, 3, 1, 1400, 1, 1, 1, 2}));
        QCOMPARE(e.Saut_Ligne, QStringLiteral("\r\n"));
        QCOMPARE(e.Texte_Rangs, QStringLiteral("1  \r\n2  \r\n3  \r\n4  \r\n5  \r\n6  \r\n7  \r\n"
                                               "8  \r\n9  \r\n10  \r\n11  \r\n12  "));
        QCOMPARE(e.Chemin_Actuel, QDir::toNativeSeparators(QDir(dossier.path()).canonicalPath()));
        QCOMPARE(e.Alignements(1) + e.Alignements(12), QStringLiteral("01020304050107131925"));
        QCOMPARE(e.Tab_Scores(1, 1) + e.Tab_Scores(2, 2), QStringLiteral("Lucie 75"));
        // Lists beside the program, folder writable: the table lives there too.
        QCOMPARE(e.Fichier_Scores, fichier("VERLO-SB.SCO"));
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
        QVERIFY(Charger_Donnees(e, bin, ui));
        QVERIFY(ui.messages.isEmpty());
        QCOMPARE(e.Nb_Mots(3), 1400);
        QCOMPARE(QFileInfo(e.Fichier_Scores).path(),
                 QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                     "/verlo");

        ecrire(bin + "/5L-2.txt", "AUPRES\r\n");
        QCOMPARE(cheminDonnee(QStringLiteral("5L-2.txt"), bin), bin + "/5L-2.txt");
        QCOMPARE(cheminDonnee(QStringLiteral("5L-1.txt"), bin), partage + "/5L-1.txt");
        QCOMPARE(cheminDonnee(QStringLiteral("absent.wav"), bin), bin + "/absent.wav");
    }

    // Catches a message that does not say which file, and a chosen file that is ignored.
    void listeManquanteFichierChoisi() {
        QFile::remove(fichier("5L-2.txt"));
        QTemporaryDir ailleurs;
        const QString choisi = ailleurs.filePath(QStringLiteral("5l-perso.txt"));
        ecrire(choisi, "PERSO\r\nAUTRE\r\n");

        EtatJeu e;
        DialoguesFactices ui;
        ui.reponse = [&] {
            // The message came after list 1 had loaded.
            [&] {
                QCOMPARE(e.Nb_Mots(1), 3);
            }();
            return std::optional<QString>(choisi);
        };
        QVERIFY(Charger_Donnees(e, dossier.path(), ui));

        // The message names the missing file and the current folder; the filter the lists.
        QVERIFY(ui.titres.size() == 1 && ui.messages.first().contains(fichier("5L-2.txt")));
        QVERIFY(ui.messages.first().endsWith(e.Chemin_Actuel));
        QVERIFY(ui.filtres.first().endsWith(QStringLiteral("(5l*.txt 5L*.txt)")));
        QCOMPARE(ui.dossiers.first(), dossier.path());
        QCOMPARE(e.Nb_Mots(2), 2);
        QCOMPARE(e.Liste_Mots(2, 1).texte(), QStringLiteral("PERSO"));
        QCOMPARE(e.Nb_Mots(3), 1400);
        // A list from elsewhere: the table goes to the per-user folder.
        QVERIFY(!e.Fichier_Scores.startsWith(dossier.path()));
    }

    // Catches a retry that does not look again in the program's folder after Cancel.
    void annulerApresRemiseEnPlace() {
        QFile::remove(fichier("5L-2.txt"));
        EtatJeu e;
        DialoguesFactices ui;
        ui.reponse = [&] {
            ecrire(fichier("5L-2.txt"), "REMIS\r\n");
            return std::optional<QString>();
        };
        QVERIFY(Charger_Donnees(e, dossier.path(), ui));
        QCOMPARE(ui.messages.size(), 1);
        QCOMPARE(e.Liste_Mots(2, 1).texte(), QStringLiteral("REMIS"));
        QCOMPARE(e.Fichier_Scores, fichier("VERLO-SB.SCO"));
    }

    // Catches the endless cycle: Cancel with the file still missing ends start-up
    // with a message that names the file.
    void annulerFichierToujoursAbsent() {
        QFile::remove(fichier("5L-3.txt"));
        EtatJeu e;
        DialoguesFactices ui;
        QVERIFY(!Charger_Donnees(e, dossier.path(), ui));
        QCOMPARE(ui.filtres.size(), 1);
        QCOMPARE(ui.messages.size(), 2);
        QVERIFY(ui.messages.last().contains(fichier("5L-3.txt")));
    }

    // Catches an empty list accepted (no word could ever be drawn from it), and a
    // chosen file that fails being taken for success.
    void listeVideEtChoixInvalide() {
        ecrire(fichier("5L-1.txt"), "");
        EtatJeu e;
        DialoguesFactices ui;
        int appels = 0;
        ui.reponse = [&]() -> std::optional<QString> {
            if (++appels == 1)
                return fichier("absent.txt");
            ecrire(fichier("5L-1.txt"), "ENFIN\r\n");
            return std::nullopt;
        };
        QVERIFY(Charger_Donnees(e, dossier.path(), ui));
        QCOMPARE(appels, 2);
        QVERIFY(ui.messages[1].contains(fichier("absent.txt")));
        QCOMPARE(e.Nb_Mots(1), 1);
    }
};

QTEST_GUILESS_MAIN(TestDemarrage)
#include "tst_demarrage.moc"
