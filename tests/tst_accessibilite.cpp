// What a screen reader hears of the main window: a name for every control, and board
// cells, scores and gauge that say what the colours and captions show.

#include "PartieDeTest.h"
#include "bonus/Form6.h"
#include "extras/Form2.h"
#include "extras/Form3.h"

#include "scores/Form4.h"
#include "scores/Form5.h"

#include <QAccessible>
#include <QProgressBar>

namespace {

QString nom(QObject* o) {
    const QAccessibleInterface* i = QAccessible::queryAccessibleInterface(o);
    return i ? i->text(QAccessible::Name) : QString();
}

// The controls of a window that have no accessible name, by object name.
QString sansNom(const QWidget& fenetre) {
    QStringList noms;
    for (QWidget* w : fenetre.findChildren<QWidget*>())
        if (nom(w).isEmpty())
            noms << fenetre.objectName() + '.' + w->objectName();
    return noms.join(QLatin1Char(' '));
}

} // namespace

using P = PartieDeTest;

class TestAccessibilite : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { appliquerApparence(*qApp); }

    // Catches a control a screen reader could only call by its kind, and a main window
    // announced as a mere filler.
    void chaqueControleNomme() {
        P p;
        QCOMPARE(QAccessible::queryAccessibleInterface(p.f.get())->role(), QAccessible::Window);
        p.e.Qualifie(1) = p.e.Qualifie(2) = true;
        Form4 table(p.e, p.d.services(), p.f.get());
        Form5 avis(p.e, p.d.services(), p.f.get());
        Form2 apropos(p.f.get());
        Form3 aide(p.f.get());
        Form6 tirage(p.e, p.d.services(), p.f.get(), {});
        tirage.show(); // its grid is shown when it opens
        for (const QWidget* fenetre : std::initializer_list<const QWidget*>{
                 p.f.get(), &table, &avis, &apropos, &aide, &tirage})
            QCOMPARE(sansNom(*fenetre), QString());
    }

    // Catches a cell that says another mark than its colour shows, that lags behind
    // typing or marking, or a score or gauge said without its value.
    void ligneMarquee() {
        P p;
        p.cliquer(p.f->Nouv_Partie);
        const auto cellule = [&](int k) {
            return nom(p.f->Mot(k));
        };
        QCOMPARE(cellule(1), QStringLiteral("ligne 1, colonne 1 : T, bien placée"));
        QCOMPARE(cellule(2), QStringLiteral("ligne 1, colonne 2 : vide"));
        p.taper(QStringLiteral("retro"));
        QCOMPARE(cellule(5), QStringLiteral("ligne 1, colonne 5 : O"));
        p.entree(); // RETRO against TERRE: YGYG-
        QStringList lus;
        for (int k = 1; k <= 6; ++k)
            lus << cellule(k).mid(k == 6 ? 0 : 21);
        QCOMPARE(lus.join('|'), QStringLiteral("R, mal placée|E, bien placée|T, mal placée|R, bien "
                                               "placée|O, absente|ligne 2, colonne 1 : vide, "
                                               "début de la ligne à jouer"));
        p.d.horloge.avancer(12'000);
        p.tic();
        QCOMPARE(nom(p.f->Temps), QStringLiteral("temps écoulé : 12 sur 60 secondes"));
        p.proposer(QStringLiteral("terre"));
        QCOMPARE(cellule(10), QStringLiteral("ligne 2, colonne 5 : E, bien placée"));
        QCOMPARE(nom(p.f->Score(1)) + " / " + nom(p.f->Réponse(1)),
                 QStringLiteral("score du joueur 1 : 20 / solution, lettre 1 : T"));
    }
};

QTEST_MAIN(TestAccessibilite)
#include "tst_accessibilite.moc"
