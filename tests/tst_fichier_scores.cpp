// The characters a name may hold, the score file read and written, and where it lives.

#include "app/EtatJeu.h"
#include "scores/EmplacementScores.h"
#include "scores/FichierScores.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <utility>
#include <vector>

namespace {

using Ligne = std::pair<QString, QString>; // name, points text

EtatJeu etatAvec(const std::vector<std::pair<int, Ligne>>& lignes) {
    EtatJeu e;
    for (const auto& [r, l] : lignes) {
        e.Tab_Scores(r, 1) = l.first;
        e.Tab_Scores(r, 2) = l.second;
    }
    return e;
}

QStringList tableau(const EtatJeu& e) {
    QStringList l;
    for (int r = 1; r <= LIGNES_SCORES; ++r)
        l << e.Tab_Scores(r, 1) + QLatin1Char('|') + e.Tab_Scores(r, 2);
    return l;
}

/** `lignes` then free rows up to twelve, as tableau() shows them. */
QStringList attendu(QStringList lignes) {
    while (lignes.size() < LIGNES_SCORES)
        lignes << QStringLiteral("|");
    return lignes;
}

bool ecrire(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
}

QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<illisible>");
}

/** A state whose table is full of leftovers, to see that reading starts afresh. */
EtatJeu etatSale() {
    EtatJeu e;
    for (int r = 1; r <= LIGNES_SCORES; ++r) {
        e.Tab_Scores(r, 1) = QStringLiteral("Vieux");
        e.Tab_Scores(r, 2) = QStringLiteral(" 1");
    }
    e.Nb_Scores = 12;
    return e;
}

} // namespace

class TestCaractereNom : public QObject {
    Q_OBJECT

private slots:
    // Catches a name box letting through what the file cannot hold back intact.
    void caracteresAcceptes() {
        for (const char16_t u : {u'A', u'z', u'0', u' ', u'-', u'\'', u',', u'é', u'Ç', u'ÿ',
                                 u'\u20AC', u'\u0152', u'\u0153', u'\u2019', u'\u00A0'})
            QVERIFY2(Caractere_Nom_Accepte(QChar(u)), qPrintable(QString::number(u, 16)));
        for (const char16_t u : {u'"', u'\0', u'\t', u'\n', u'\r', u'\x1F', u'\x7F', u'\u0081',
                                 u'\u0090', u'\u0141', u'\u2605', u'\uFFFD', u'\xD83D'})
            QVERIFY2(!Caractere_Nom_Accepte(QChar(u)), qPrintable(QString::number(u, 16)));
    }
};

class TestFichierScores : public QObject {
    Q_OBJECT

    QTemporaryDir dossier_;
    QString chemin(const QString& nom) const { return dossier_.filePath(nom); }

private slots:
    void initTestCase() { QVERIFY(dossier_.isValid()); }

    // Catches a wrong record layout, line end or code page, a row with no points written,
    // rows skipped after a free one, or a failure to write an empty table.
    void octetsEcrits() {
        const EtatJeu e = etatAvec({{1, {"Anonyme", " 125"}},
                                    {2, {"Hélène", " 90"}},
                                    {3, {"Nul", " 0"}},
                                    {4, {"\u0141ukasz \u20AC", " 12"}},
                                    {5, {"Moins", "-5"}},
                                    {6, {"Rien", ""}},
                                    {12, {"Dernier, \"vu\"", " 7"}}});
        const QString f = chemin(QStringLiteral("ecrit.sco"));
        QString erreur;
        QVERIFY(Enregistrer_Scores(e, f, &erreur));
        QVERIFY(erreur.isEmpty());
        QCOMPARE(lire(f), QByteArray("\"Anonyme\",\" 125\"\r\n"
                                     "\"H\xE9l\xE8ne\",\" 90\"\r\n"
                                     "\"?ukasz \x80\",\" 12\"\r\n"
                                     "\"Dernier, \"vu\"\",\" 7\"\r\n"));

        // Nothing left to write: an empty file, replacing the old one.
        QVERIFY(Enregistrer_Scores(etatAvec({{1, {"Nul", " 0"}}}), f, &erreur));
        QVERIFY(QFileInfo::exists(f));
        QCOMPARE(lire(f), QByteArray());
        const QString vide = chemin(QStringLiteral("vide.sco"));
        QVERIFY(Enregistrer_Scores(EtatJeu{}, vide, &erreur));
        QVERIFY(QFileInfo::exists(vide));
        QCOMPARE(QFileInfo(vide).size(), qint64(0));
    }

    // Catches a writing and a reading that do not agree.
    void relectureDeCeQuiEstEcrit() {
        const EtatJeu e = etatAvec({{1, {"Hélène", " 300"}},
                                    {2, {" Zoé  ", " 250"}},
                                    {3, {"a,b", " 20"}},
                                    {4, {"Œdipe", " 5"}}});
        const QString f = chemin(QStringLiteral("relu.sco"));
        QString erreur;
        QVERIFY(Enregistrer_Scores(e, f, &erreur));
        EtatJeu r = etatSale();
        Charger_Scores(r, f);
        QCOMPARE(r.Nb_Scores, std::int16_t(4));
        QCOMPARE(tableau(r), tableau(e));
    }

    // Catches a reading that stops or fails on LF-only lines, blank lines, a last line
    // without line end, or a name holding the separator.
    void lectureBonFichier() {
        const QString f = chemin(QStringLiteral("bon.sco"));
        QVERIFY(ecrire(f, "\"Anonyme\",\" 125\"\r\n\"H\xE9l\xE8ne\",\" 90\"\r\n"));
        EtatJeu e = etatSale();
        Charger_Scores(e, f);
        QCOMPARE(e.Nb_Scores, std::int16_t(2));
        QCOMPARE(tableau(e), attendu({"Anonyme| 125", "Hélène| 90"}));

        QVERIFY(ecrire(f, "\"A\",\" 5\"\n\n\"B\",\" 50\"\n\r\n\"a\",\"b\",\" 7\""));
        Charger_Scores(e, f);
        QCOMPARE(e.Nb_Scores, std::int16_t(3));
        // File order is kept: sorting is for the display.
        QCOMPARE(tableau(e), attendu({"A| 5", "B| 50", "a\",\"b| 7"}));
    }

    // Catches a malformed line taken as a record, or one that stops the reading.
    void lignesMalFormees() {
        const QString f = chemin(QStringLiteral("mal.sco"));
        QVERIFY(ecrire(f, "Anonyme\",\" 5\"\r\n" // no opening quote
                          "\"Anonyme\",\" 5\r\n" // no closing quote
                          "\"Seul\"\r\n"         // one field
                          "\"A\" \"5\"\r\n"      // no separator
                          "\"A\", \" 5\"\r\n"    // blank around the comma
                          "\",\"\r\n"            // the separator alone
                          "\",\"x\"\r\n"         // the separator on the opening quote
                          "\"\",\r\n"            // cut short
                          " \"A\",\" 5\"\r\n"    // blank before
                          "\"A\",\" 5\" \r\n"    // blank after
                          "\"Bon\",\" 8\"\r\n"
                          "\"\",\"\"\r\n" // both fields empty: still a record
                          "\"B\",\"\"\r\n"));
        EtatJeu e = etatSale();
        Charger_Scores(e, f);
        QCOMPARE(e.Nb_Scores, std::int16_t(3));
        QCOMPARE(tableau(e), attendu({"Bon| 8", "|", "B|"}));
    }

    // Catches more than twelve rows read, the wrong ones kept among equal points, or the
    // kept ones reordered.
    void plusDeDouzeFiches() {
        const int points[] = {50, 10, 60, 10, 70, 10, 80, 90, 10, 100, 110, 10, 120, 5, 130, 10};
        QByteArray octets;
        for (std::size_t i = 0; i < std::size(points); ++i)
            octets += QStringLiteral("\"L%1\",\" %2\"\r\n").arg(i + 1).arg(points[i]).toLatin1();
        const QString f = chemin(QStringLiteral("seize.sco"));
        QVERIFY(ecrire(f, octets));
        EtatJeu e;
        Charger_Scores(e, f);
        QCOMPARE(e.Nb_Scores, std::int16_t(12));
        QCOMPARE(tableau(e),
                 QStringList({"L1| 50", "L2| 10", "L3| 60", "L4| 10", "L5| 70", "L6| 10", "L7| 80",
                              "L8| 90", "L10| 100", "L11| 110", "L13| 120", "L15| 130"}));
    }

    // Catches a reading that stops, skips a line or loops on bytes the code page lacks, NUL
    // bytes, a huge line or random bytes.
    void octetsHostiles() {
        const QString f = chemin(QStringLiteral("hostile.sco"));
        QVERIFY(ecrire(f, QByteArray("\"A\x81\x8D\",\" 5\"\r\n\"B\",\" 6\"\r\n")));
        EtatJeu e;
        Charger_Scores(e, f);
        QCOMPARE(e.Nb_Scores, std::int16_t(2));
        QCOMPARE(e.Tab_Scores(1, 1), QStringLiteral("A\uFFFD\uFFFD"));
        QCOMPARE(e.Tab_Scores(2, 1), QStringLiteral("B"));

        static const char avecNul[] = "\0\0\r\n\"N\0L\",\" 3\"\r\n\0";
        QVERIFY(ecrire(f, QByteArray(avecNul, sizeof avecNul - 1)));
        Charger_Scores(e, f);
        QCOMPARE(e.Nb_Scores, std::int16_t(1));
        QCOMPARE(e.Tab_Scores(1, 1), QString(QStringLiteral("N")) + QChar(0) + QLatin1Char('L'));

        // A line of eight million bytes, then a record; then a record with a huge name and
        // points of four hundred digits.
        QByteArray enorme(8 * 1024 * 1024, 'x');
        enorme += "\r\n\"Apres\",\" 9\"\r\n\"" + QByteArray(100000, 'n') + "\",\" " +
                  QByteArray(400, '9') + "\"\r\n";
        QVERIFY(ecrire(f, enorme));
        Charger_Scores(e, f);
        QCOMPARE(e.Nb_Scores, std::int16_t(2));
        QCOMPARE(e.Tab_Scores(1, 1), QStringLiteral("Apres"));
        QCOMPARE(e.Tab_Scores(2, 1).size(), qsizetype(100000));
        QCOMPARE(e.Tab_Scores(2, 2).size(), qsizetype(401));

        QRandomGenerator hasard(1252);
        for (int essai = 0; essai < 20; ++essai) {
            QByteArray bruit(64 * 1024, Qt::Uninitialized);
            // Every other file is made of the record's own characters: many near-records.
            for (char& o : bruit)
                o = essai % 2 == 0 ? static_cast<char>(hasard.bounded(256))
                                   : "\"\",\r\n 9-"[hasard.bounded(8)];
            QVERIFY(ecrire(f, bruit));
            e = etatSale();
            Charger_Scores(e, f);
            QVERIFY(e.Nb_Scores >= 0 && e.Nb_Scores <= LIGNES_SCORES);
            for (int r = e.Nb_Scores + 1; r <= LIGNES_SCORES; ++r)
                QVERIFY(e.Tab_Scores(r, 1).isEmpty() && e.Tab_Scores(r, 2).isEmpty());
        }
    }

    // Catches leftovers of an earlier table kept when there is nothing to read.
    void fichierAbsentOuVide() {
        EtatJeu e = etatSale();
        Charger_Scores(e, chemin(QStringLiteral("absent.sco")));
        QCOMPARE(e.Nb_Scores, std::int16_t(0));
        QCOMPARE(tableau(e), attendu({}));

        const QString vide = chemin(QStringLiteral("vide-lu.sco"));
        QVERIFY(ecrire(vide, QByteArray()));
        e = etatSale();
        Charger_Scores(e, vide);
        QCOMPARE(e.Nb_Scores, std::int16_t(0));
        QCOMPARE(tableau(e), attendu({}));

        // A file of nothing but malformed lines is an empty table too.
        QVERIFY(ecrire(vide, "\r\n\r\ntexte\r\n"));
        e = etatSale();
        Charger_Scores(e, vide);
        QCOMPARE(e.Nb_Scores, std::int16_t(0));
        QCOMPARE(tableau(e), attendu({}));
    }

    // Catches a failed write reported as done, with no message, or leaving debris or a
    // damaged neighbour behind.
    void ecritureImpossible() {
        QTemporaryDir ici;
        QVERIFY(ici.isValid());
        const QString cible = ici.filePath(QString::fromLatin1(NOM_FICHIER_SCORES));
        QVERIFY(QDir().mkdir(cible)); // a folder where the file should be
        const QString voisin = ici.filePath(QStringLiteral("voisin.sco"));
        const QByteArray ancien("\"Ancien\",\" 40\"\r\n");
        QVERIFY(ecrire(voisin, ancien));

        const EtatJeu e = etatAvec({{1, {"Anonyme", " 125"}}});
        QString erreur;
        QVERIFY(!Enregistrer_Scores(e, cible, &erreur));
        QVERIFY(
            erreur.startsWith(QStringLiteral("Impossible d'enregistrer le tableau des scores")));
        QVERIFY2(erreur.contains(QStringLiteral("« %1 » : un dossier porte ce nom")
                                     .arg(QDir::toNativeSeparators(cible))),
                 qPrintable(erreur));
        QVERIFY(QFileInfo(cible).isDir());
        QCOMPARE(lire(voisin), ancien);
        QCOMPARE(QDir(ici.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList({QString::fromLatin1(NOM_FICHIER_SCORES), "voisin.sco"}));

        const QString perdu = ici.filePath(QStringLiteral("absent/") + NOM_FICHIER_SCORES);
        erreur.clear();
        QVERIFY(!Enregistrer_Scores(e, perdu, &erreur));
        QVERIFY2(erreur.contains(QStringLiteral("« %1 » : le dossier n'existe pas")
                                     .arg(QDir::toNativeSeparators(perdu))),
                 qPrintable(erreur));
        QVERIFY(!QFileInfo::exists(ici.filePath(QStringLiteral("absent"))));
        QVERIFY(!Enregistrer_Scores(e, perdu, nullptr)); // no message asked: still no crash
    }
};

class TestEmplacementScores : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Catches the table kept beside the program when the lists are elsewhere or the folder
    // cannot be written, or put elsewhere when it could stay there, or a test file left.
    void dossierChoisi() {
        const QString donnees = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QVERIFY(!donnees.isEmpty());
        QDir(donnees).removeRecursively();

        QTemporaryDir programme;
        QVERIFY(programme.isValid());
        QCOMPARE(Choisir_Dossier_Scores(programme.path(), true), programme.path());
        QVERIFY(QDir(programme.path())
                    .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
                    .isEmpty());
        QVERIFY(!QFileInfo::exists(donnees));

        QCOMPARE(Choisir_Dossier_Scores(programme.path(), false), donnees);
        QVERIFY(QFileInfo(donnees).isDir());

        const QString introuvable = programme.filePath(QStringLiteral("disparu"));
        QCOMPARE(Choisir_Dossier_Scores(introuvable, true), donnees);
        QVERIFY(!QFileInfo::exists(introuvable));

        // Root is told it may write in /proc, yet no file can be made there.
        if (QFileInfo(QStringLiteral("/proc")).isDir())
            QCOMPARE(Choisir_Dossier_Scores(QStringLiteral("/proc"), true), donnees);
        QDir(donnees).removeRecursively();
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int echecs = 0;
    {
        TestCaractereNom t;
        echecs += QTest::qExec(&t, argc, argv);
    }
    {
        TestFichierScores t;
        echecs += QTest::qExec(&t, argc, argv);
    }
    {
        TestEmplacementScores t;
        echecs += QTest::qExec(&t, argc, argv);
    }
    return echecs == 0 ? 0 : 1;
}

#include "tst_fichier_scores.moc"
