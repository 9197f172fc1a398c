// The score file: the characters a name may hold, the bytes written and read, where it lives.

#include "scores/EmplacementScores.h"
#include "scores/FichierScores.h"

#include <QtTest>

namespace {

const QTemporaryDir dossier;

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

// Saves the table and gives back the file's bytes, "?" when the saving failed.
QByteArray ecrit(const EtatJeu& e) {
    QFile f(dossier.filePath("ecrit.sco"));
    return Enregistrer_Scores(e, f.fileName(), {}) && f.open(QFile::ReadOnly) ? f.readAll() : "?";
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

// The same, from a file holding these bytes (read through a second handle once flushed).
QString relire(const QByteArray& octets) {
    QFile f(dossier.filePath("lu.sco"));
    const bool ecrit = f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
    return ecrit && f.flush() ? charger(f.fileName()) : "<échec>";
}

} // namespace

class TestFichierScores : public QObject {
    Q_OBJECT

private slots:
    // Catches a name box letting through what the file cannot hold back intact (a quote, a
    // control character, one outside the code page) or refusing what it can, a wrong record
    // layout, line end or code page, a row without points written, rows after a free one lost,
    // an empty table not replacing the file with an empty one, a reading that disagrees with
    // the writing, or a failed write reported as done, without its message or harming the
    // file beside it.
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
        const QString cible = dossier.filePath(NOM_FICHIER_SCORES); // a folder of that name
        QVERIFY(QDir().mkdir(cible) && ecrit(etat({"Ancien| 40"})) == "\"Ancien\",\" 40\"\r\n");
        QString erreur;
        QVERIFY(!Enregistrer_Scores(etat({"A| 5"}), cible, &erreur));
        QCOMPARE(erreur, "Impossible d'enregistrer le tableau des scores dans « " +
                             QDir::toNativeSeparators(cible) + " » : un dossier porte ce nom");
        QCOMPARE(charger(dossier.filePath("ecrit.sco")), "1/Ancien| 40");
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
        for (int essai = 0; essai < 20; ++essai) { // odd files are made of a record's characters
            QByteArray bruit;
            while (bruit.size() < 65536)
                bruit += essai % 2 ? "\"\",\r\n 9-"[hasard.bounded(8)] : char(hasard.bounded(256));
            QVERIFY(relire(bruit + "\r\n\"Fin\",\" 999999999999\"").endsWith("/Fin| 999999999999"));
        }
        QCOMPARE(charger(dossier.filePath("absent.sco")), "0");
        QCOMPARE(relire(""), "0");
    }

    // Catches the file kept beside the program when the word lists are elsewhere or the folder
    // is missing, put elsewhere when it could stay there, a trial file left behind, or a
    // per-user folder other than ~/.local/share/verlo (the one the README gives).
    void dossierChoisi() {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName("verlo");
        QCoreApplication::setApplicationName("verlo");
        const QString donnees =
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/verlo";
        QDir(donnees).removeRecursively();
        const QTemporaryDir programme;
        QCOMPARE(Choisir_Dossier_Scores(programme.path(), true), programme.path());
        QVERIFY(QDir(programme.path()).isEmpty());
        QCOMPARE(Choisir_Dossier_Scores(programme.path(), false), donnees);
        QCOMPARE(Choisir_Dossier_Scores(programme.filePath("disparu"), true), donnees);
        QVERIFY(QFileInfo(donnees).isDir());
    }
};

QTEST_GUILESS_MAIN(TestFichierScores)
#include "tst_fichier_scores.moc"
