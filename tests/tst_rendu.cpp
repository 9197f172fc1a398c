// Each window drawn in a known state against its committed picture: catches a control
// moved, resized, recoloured, recaptioned or drawn in the wrong font, which no behaviour
// shows. VERLO_REFAIRE_IMAGES=1 rewrites the pictures: look at each before committing it.

#include "PartieDeTest.h"
#include "bonus/Form6.h"
#include "extras/Form2.h"
#include "extras/Form3.h"
#include "scores/Classement.h"
#include "scores/Form4.h"
#include "scores/Form5.h"

#include <QDir>
#include <QRadioButton>

namespace {

// A font or anti-aliasing update may move a few pixels of a glyph; a control moved by one
// pixel changes at least a whole edge.
constexpr int PIXELS_TOLERES = 6;

// Compares the window as drawn with its picture; the drawn one is left in the temporary
// folder for a look when they differ.
void comparer(QWidget& fenetre, const char* nom) {
    fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
    const QImage vu = fenetre.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString fichier = QStringLiteral(VERLO_IMAGES "/%1.png").arg(nom);
    if (qEnvironmentVariableIsSet("VERLO_REFAIRE_IMAGES"))
        QVERIFY(vu.save(fichier));
    const QImage attendu = QImage(fichier).convertToFormat(QImage::Format_RGB32);
    int differents = vu.size() == attendu.size() ? 0 : vu.width() * vu.height();
    for (int y = 0; y < vu.height() && !differents; ++y)
        for (int x = 0; x < vu.width(); ++x)
            differents += vu.pixel(x, y) != attendu.pixel(x, y);
    if (differents > PIXELS_TOLERES) {
        const QString ici = QDir::temp().filePath(QStringLiteral("verlo-%1.png").arg(nom));
        vu.save(ici);
        QFAIL(qPrintable(QStringLiteral("%1 pixels differ from %2; drawn: %3")
                             .arg(differents)
                             .arg(fichier, ici)));
    }
}

} // namespace

class TestRendu : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        appliquerApparence(*qApp);
        QApplication::setCursorFlashTime(0); // a caret that does not blink: always drawn
    }

    // Two players, player 1 on line 3 with both marks and the cyan start, the gauge running;
    // then the word found: the solution row in the gauge's place, the leader in green.
    void principale() {
        PartieDeTest p;
        p.cliquer(p.f->Nb_J(2));
        p.cliquer(p.f->Difficulté(2));
        p.e.Liste_Mots(2, 1) = Texte5(QStringLiteral("TERRE"));
        p.cliquer(p.f->Nouv_Partie);
        p.tic();
        p.proposer(QStringLiteral("retro"));
        p.proposer(QStringLiteral("tarte"));
        p.taper(QStringLiteral("er"));
        p.d.horloge.avancer(23'000);
        p.tic();
        comparer(*p.f, "principale-partie");
        p.proposer(QStringLiteral("terre"));
        comparer(*p.f, "principale-trouve");
    }

    void aProposEtAide() {
        Form2 apropos(nullptr);
        comparer(apropos, "form2");
        Form3 aide(nullptr);
        comparer(aide, "form3");
    }

    // Both players qualified over a table of three: the ranks, the players' rows in red, the
    // two name boxes.
    void tableauEtAvis() {
        PartieDeTest p;
        const QStringList stockees{"Chloé", " 130", "Bruno", " 50", "Anonyme", " 20"};
        for (int i = 0; i < stockees.size(); ++i)
            p.e.Tab_Scores(i / 2 + 1, i % 2 + 1) = stockees[i];
        p.e.Nb_Joueurs = 2, p.e.Score_J(1) = 75, p.e.Score_J(2) = 140;
        Classer_Partie(p.e);
        Form4 tableau(p.e, p.d.services(), p.f.get());
        comparer(tableau, "form4");
        Form5 avis(p.e, p.d.services(), p.f.get());
        comparer(avis, "form5");
        avis.close();
    }

    // Player 1's card with two cells covered, three balls drawn and not yet placed.
    void tirage() {
        PartieDeTest p;
        Nouvelle_Grille(p.e, 1, p.d.hasard, p.d.horloge);
        p.e.Grille_J(1, 7) = p.e.Grille_J(1, 19) = BOULE_COUVERTE;
        Form6 f(p.e, p.d.services(), p.f.get(), {});
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        for (int pas = 0; pas < 2; ++pas) // "Mélanger", then "Tirer"
            QTest::keyClick(f.focusWidget(), Qt::Key_Return);
        comparer(f, "form6");
    }
};

QTEST_MAIN(TestRendu)
#include "tst_rendu.moc"
