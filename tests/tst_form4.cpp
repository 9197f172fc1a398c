// The score table window: its place, the table as shown, the name entry of the
// qualified players, the saving on "Valider" and every way of closing it.

#include "Doubles.h"
#include "app/controles/Apparence.h"
#include "app/controles/Bouton.h"
#include "app/controles/Cadre3D.h"
#include "app/controles/Panel3D.h"

#include "scores/Classement.h"
#include "scores/Form4.h"

#include <QTest>
#include <QtWidgets>

constexpr const char* RANGS = "1  \n2  \n3  \n4  \n5  \n6  \n7  \n8  \n9  \n10  \n11  \n12  ";

// The main window's stand-in, a finished game ranked, a folder for the score file.
struct Banc {
    QTemporaryDir dossier;
    EtatJeu e;
    ServicesDeTest doubles;
    QWidget principale;
    QStringList erreurs; // title and text of each error reported
    std::unique_ptr<Form4> f;

    // `stockees`: name, points, name, points... as read from the file.
    explicit Banc(const QStringList& stockees = {}, const QList<int>& scores = {0}) {
        e.Saut_Ligne = QStringLiteral("\r\n");
        e.Texte_Rangs = QString::fromUtf8(RANGS).replace(u'\n', e.Saut_Ligne);
        e.Fichier_Scores = dossier.filePath(QStringLiteral("VERLO-SB.SCO"));
        for (int i = 0; i < stockees.size(); ++i)
            e.Tab_Scores(i / 2 + 1, i % 2 + 1) = stockees[i];
        for (const int score : scores)
            e.Score_J(++e.Nb_Joueurs) = std::int16_t(score);
        Classer_Partie(e);
    }

    void noter(const QString& titre, const QString& texte) { erreurs << titre << texte; }

    Form4& ouvrir() {
        f = std::make_unique<Form4>(e, doubles.services(), &principale);
        f->signalerErreur = std::bind_front(&Banc::noter, this);
        f->show();
        std::ignore = QTest::qWaitForWindowActive(f.get()); // else the focus checks fail
        return *f;
    }
};

class TestForm4 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { appliquerApparence(*qApp); }

    // Catches the box of a player who did not qualify shown, the focus starting elsewhere than
    // the first box shown, Enter (main or keypad, held or not) moving it in the wrong order,
    // more than once, or clicking a button instead of only moving on; or an empty table showing
    // more than the ranks.
    void saisie() {
        for (const auto& [scores, premiere] : {std::pair{QList{0, 100}, 2}, {{60, 50}, 1}}) {
            Banc b({}, scores);
            auto& f = b.ouvrir();
            QCOMPARE(f.Cadre_J(1)->isVisible(), premiere == 1);
            QCOMPARE(qApp->focusWidget(), f.Nom_Sc(premiere));
            if (premiere == 1) // held, Return moves on once, and does not press "Valider"
                tenir(f.Nom_Sc(1), Qt::Key_Return, 1000);
            QCOMPARE(qApp->focusWidget(), f.Nom_Sc(2));
            QTest::keyClick(f.Nom_Sc(2), Qt::Key_Enter);
            QCOMPARE(qApp->focusWidget(), f.Valider);
            QVERIFY(f.isVisible() && f.Valider->isVisible() && !QFile::exists(b.e.Fichier_Scores));
            QCOMPARE(f.Place->text().count(u'\n') + f.Nom->text().size() +
                         f.Pt_Score->text().size(),
                     11);
        }
    }

    // Catches a table shown unsorted, with rows of 0 points or less, or with names and points
    // out of step; a name changed on its way to the file (a double quote, which the file cannot
    // hold, let in by typing or pasting); an empty box not saved as "Anonyme" (in the box too);
    // entry controls left to save twice; or the new rows not shown.
    void valider() {
        Banc b({"Chloé", " 30", "Zéro", " 0", "Bruno", " 50", "Moins", "-5"}, {250, 40});
        auto& f = b.ouvrir();
        QCOMPARE(f.Nom->text() + f.Pt_Score->text(),
                 QStringLiteral("Bruno  \nChloé  \n 50  \n 30  \n"));
        QTest::keyClicks(f.Nom_Sc(1), QStringLiteral("N\"E"));
        QTest::keyClick(f.Nom_Sc(1), Qt::Key_Left);
        QApplication::clipboard()->setText(QStringLiteral("\"A\u2605")); // pasted before the E
        QTest::keyClick(f.Nom_Sc(1), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClicks(f.Nom_Sc(1), QStringLiteral("M"));
        QTest::mouseClick(f.Valider, Qt::LeftButton);
        QCOMPARE(f.Nom_Sc(2)->text(), QStringLiteral("Anonyme"));
        QFile fichier(b.e.Fichier_Scores);
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        QCOMPARE(fichier.readAll(), QByteArray("\"NAME\",\" 250\"\r\n\"Bruno\",\" 50\"\r\n"
                                               "\"Anonyme\",\" 40\"\r\n\"Chlo\xE9\",\" 30\"\r\n"));
        QVERIFY(!f.Insc_Nom->isVisible() && !f.Valider->isVisible());
        QVERIFY(!f.Cadre_J(1)->isVisible() && !f.Cadre_J(2)->isVisible() && b.erreurs.isEmpty());
        QCOMPARE(f.Nom->text(), QStringLiteral("NAME  \nBruno  \nAnonyme  \nChloé  \n"));
    }

    // Catches "Fermer", Escape or the title bar's close button not closing the window, or
    // saving the new score to the file or the table.
    void fermerSansValider() {
        for (const int facon : {0, 1, 2}) {
            Banc b({"Premier", " 200"}, {150});
            auto& f = b.ouvrir();
            facon == 0   ? f.Annuler->click()
            : facon == 1 ? QTest::keyClick(f.Nom_Sc(1), Qt::Key_Escape)
                         : void(f.close());
            QVERIFY(!f.isVisible() && f.result() == QDialog::Rejected);
            QVERIFY(!QFile::exists(b.e.Fichier_Scores) && b.e.Tab_Scores(2, 1).isEmpty());
        }
    }

    // Catches a failed save not reported (in French), losing the new table from memory, or
    // leaving the window in the entry state.
    void enregistrementImpossible() {
        Banc b({}, {70});
        QVERIFY(QDir().mkpath(b.e.Fichier_Scores)); // a folder where the file should be
        QTest::mouseClick(b.ouvrir().Valider, Qt::LeftButton);
        QVERIFY(b.erreurs.value(1).startsWith("Impossible d'enregistrer"));
        QCOMPARE(b.f->Nom->text(), QStringLiteral("Anonyme  \n"));
        QVERIFY(b.f->isVisible() && !b.f->Valider->isVisible() && !b.f->Cadre_J(1)->isVisible());
    }
};

QTEST_MAIN(TestForm4)
#include "tst_form4.moc"
