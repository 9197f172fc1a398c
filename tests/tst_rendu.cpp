// Each window drawn in a known state against its committed picture: catches a control
// moved, resized, recoloured, recaptioned or drawn in the wrong font, which no behaviour
// shows. VERLO_REFAIRE_IMAGES=1 rewrites the pictures: look at each before committing it.
// Then every caption must fit and every control must have a name a screen reader can say.

#include "PartieDeTest.h"
#include "app/controles/Cadre3D.h"
#include "bonus/Carte.h"
#include "bonus/Form6.h"
#include "extras/Form2.h"
#include "extras/Form3.h"
#include "scores/Form4.h"
#include "scores/Form5.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDir>
#include <QRadioButton>
#include <QScrollBar>

namespace {

/** The text a control shows, and where it must fit (in the control's coordinates). */
std::pair<QString, QRect> legende(QWidget* w) {
    const QFontMetrics fm(w->font());
    if (auto* l = qobject_cast<QLabel*>(w)) {
        // A framed label with no indent set keeps half an "x" from the edges it is aligned to.
        const int retrait = l->indent() >= 0      ? l->indent()
                            : l->frameWidth() > 0 ? fm.horizontalAdvance(u'x') / 2
                                                  : 0;
        const Qt::Alignment a = l->alignment();
        const QRect place =
            l->contentsRect().adjusted(l->margin() + (a & Qt::AlignLeft ? retrait : 0),
                                       l->margin() + (a & Qt::AlignTop ? retrait : 0),
                                       -l->margin() - (a & Qt::AlignRight ? retrait : 0),
                                       -l->margin() - (a & Qt::AlignBottom ? retrait : 0));
        const int sens = l->wordWrap() ? Qt::TextWordWrap : 0;
        const QRect lignes = fm.boundingRect(place, int(a) | sens, l->text());
        if (l->wordWrap() || l->text().contains(u'\n'))
            return {l->text(), lignes};
        const QRect encre = fm.tightBoundingRect(l->text()); // one line: what is inked
        return {l->text(), QRect(lignes.left(), lignes.top() + fm.ascent() + encre.top(),
                                 lignes.width(), encre.height())};
    }
    if (auto* c = qobject_cast<Cadre3D*>(w)) // 6 px in, 2 px either side
        return {c->title(), QRect(6, 0, fm.horizontalAdvance(c->title()) + 4, fm.height())};
    if (qobject_cast<QRadioButton*>(w) || qobject_cast<QCheckBox*>(w)) {
        const QSize besoin = w->sizeHint();
        return {qobject_cast<QAbstractButton*>(w)->text(),
                QRect(0, (w->height() - fm.height()) / 2, besoin.width(), fm.height())};
    }
    if (auto* b = qobject_cast<QAbstractButton*>(w)) { // a blank's room at either end
        const int large = fm.horizontalAdvance(b->text()) + 2 * fm.horizontalAdvance(u' ');
        return {b->text(), QRect((w->width() - large) / 2, (w->height() - fm.height()) / 2, large,
                                 fm.height())};
    }
    return {};
}

/**
 * Captions wider or taller than their control at its font, or that a control drawn above
 * them covers. Lists "name: text" for each.
 */
QStringList legendesCoupees(QWidget* fenetre) {
    QStringList fautes;
    for (QWidget* w : fenetre->findChildren<QWidget*>()) {
        const auto [texte, zone] = legende(w);
        if (texte.trimmed().isEmpty() || !w->isVisibleTo(fenetre))
            continue;
        bool coupee = !w->rect().contains(zone);
        // Siblings made later are drawn above it.
        const QWidget* parent = w->parentWidget();
        const auto freres = parent->children();
        for (qsizetype i = freres.indexOf(w) + 1; i < freres.size() && !coupee; ++i)
            if (auto* f = qobject_cast<QWidget*>(freres[i]); f && f->isVisibleTo(fenetre))
                coupee = f->geometry().intersects(zone.translated(w->pos()));
        if (coupee)
            fautes << w->objectName() + QStringLiteral(": ") + texte;
    }
    return fautes;
}

// A font or anti-aliasing update may move a few pixels of a glyph; a control moved by one
// pixel changes at least a whole edge.
constexpr int PIXELS_TOLERES = 6;

// Compares the control as drawn with its picture; the drawn one is left in the temporary
// folder for a look when they differ. A window is shown and activated first, and checked
// for captions that do not fit and controls a screen reader could only call by their kind.
void comparer(QWidget& w, const char* nom) {
    if (w.isWindow()) {
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
    }
    const QImage vu = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString fichier = QStringLiteral(VERLO_IMAGES "/%1.png").arg(nom);
    if (qEnvironmentVariableIsSet("VERLO_REFAIRE_IMAGES"))
        QVERIFY(vu.save(fichier));
    const QImage attendu = QImage(fichier).convertToFormat(QImage::Format_RGB32);
    const bool memeTaille = vu.size() == attendu.size();
    int differents = memeTaille ? 0 : vu.width() * vu.height();
    for (int y = 0; y < vu.height() && memeTaille; ++y)
        for (int x = 0; x < vu.width(); ++x)
            differents += vu.pixel(x, y) != attendu.pixel(x, y);
    if (differents > PIXELS_TOLERES) {
        const QString ici = QDir::temp().filePath(QStringLiteral("verlo-%1.png").arg(nom));
        vu.save(ici);
        QFAIL(qPrintable(QStringLiteral("%1 pixels differ from %2; drawn: %3")
                             .arg(differents)
                             .arg(fichier, ici)));
    }
    if (!w.isWindow())
        return;
    QCOMPARE(w.isModal(), w.inherits("QDialog")); // opened over the main window, which waits
    QStringList fautes = legendesCoupees(&w);
    for (QWidget* c : w.findChildren<QWidget*>())
        if (QAccessible::queryAccessibleInterface(c)->text(QAccessible::Name).isEmpty())
            fautes << c->objectName() + QStringLiteral(" has no name");
    QCOMPARE(fautes.join(QStringLiteral("; ")), QString());
}

// What the windows opened over the main window read; the main window stays unshown, as it
// would keep the focus from them.
struct Dessous {
    EtatJeu e;
    ServicesDeTest d;
    QWidget principale;
};

} // namespace

class TestRendu : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        appliquerApparence(*qApp);
        QVERIFY2(QFontInfo(policeJeu(8.25)).family().contains(QLatin1String("Liberation")),
                 "the game's font is not installed");
        QApplication::setCursorFlashTime(0); // a caret that does not blink: always drawn
    }

    // Before any game; two players, player 1 on line 3 with both marks and the cyan start, the
    // gauge running; then the word found: the solution row in the gauge's place, the leader in
    // green.
    void principale() {
        PartieDeTest p;
        comparer(*p.f, "principale-debut"); // what a player sees first
        p.cliquer(p.f->Nb_J(2));
        p.cliquer(p.f->Difficulté(2));
        p.e.Liste_Mots(2, 1) = Texte5(QStringLiteral("TERRE"));
        p.cliquer(p.f->Nouv_Partie);
        p.tic();
        p.proposer(QStringLiteral("retro"));
        p.proposer(QStringLiteral("tarte"));
        p.taper(QStringLiteral("er"));
        p.tic(23'000);
        comparer(*p.f, "principale-partie");
        // The focus shown on each kind of control the game draws its own way.
        for (const auto& [w, nom] : {std::pair<QWidget*, const char*>{p.f->Difficulté(2), "niveau"},
                                     {p.f->BH_Temps, "temps"},
                                     {p.f->Avec_Tirage, "tirage"},
                                     {p.f->Aide, "aide"}}) {
            w->setFocus();
            comparer(*w, qPrintable(QStringLiteral("focus-%1").arg(nom)));
        }
        p.proposer(QStringLiteral("terre"));
        comparer(*p.f, "principale-trouve");
        p.cliquer(p.f->Difficulté(3)); // the scale changes with the level
        comparer(*p.f->Panel3D1, "plateau-niveau3");
        // The widest values the game shows must fit too, the solution row or the gauge shown.
        p.f->Score(1)->setText(QStringLiteral(" 999")), p.f->Num_Mot(2)->setText("10");
        p.f->Etiq_Temps->setText("300");
        for (const bool solution : {true, false}) {
            for (int c = 1; c <= 5; ++c) {
                p.f->Réponse(c)->setText(QStringLiteral("W")), p.f->Mot(c)->setText("W");
                p.f->Réponse(c)->setVisible(solution);
            }
            p.f->Cadre_Temps->setVisible(!solution);
            QCOMPARE(legendesCoupees(p.f.get()).join("; "), QString());
        }
    }

    void aProposEtAide() {
        Form2 apropos(nullptr);
        comparer(apropos, "form2");
        Form3 aide(nullptr);
        comparer(aide, "form3");
    }

    // Both players qualified over a table of three: the ranks, the two name boxes; the
    // notice over it.
    void tableauEtAvis() {
        Dessous p;
        preparerEtat(p.e, {"Chloé", " 130", "Bruno", " 50", "Anonyme", " 20"}, {75, 140});
        Form4 tableau(p.e, QString(), &p.principale);
        comparer(tableau, "form4");
        tableau.close();
        Form5 avis(p.e, p.d.services(), &p.principale);
        comparer(avis, "form5");
        avis.close();
    }

    // Player 1's card with two cells covered, three balls drawn and not yet placed.
    void tirage() {
        Dessous p;
        preparerEtat(p.e);
        Nouvelle_Grille(p.e, 1, p.d.hasard, p.d.horloge);
        p.e.Grille_J(1, 7) = p.e.Grille_J(1, 19) = BOULE_COUVERTE;
        Form6 f(p.e, p.d.services(), &p.principale, {});
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        for (int pas = 0; pas < 2; ++pas) // "Mélanger", then "Tirer"
            QTest::keyClick(f.focusWidget(), Qt::Key_Return);
        comparer(f, "form6");
    }
};

QTEST_MAIN(TestRendu)
#include "tst_rendu.moc"
