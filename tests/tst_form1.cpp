// The main window as built: every control where the layout puts it, with its
// caption, colours, font, visibility and tab order, and no caption clipped.

#include "Doubles.h"
#include "app/controles/Apparence.h"
#include "app/controles/Bouton.h"
#include "app/controles/Cadre3D.h"
#include "app/controles/Image.h"
#include "app/controles/Panel3D.h"
#include "game/Form1.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace {

struct Attendu {
    QString nom;
    QString conteneur;
    int l, t, w, h; // twips
    QString legende;
    QColor texte; // invalid: not checked
    QColor fond;
    double points; // 0: not checked
    bool visible;
};

const QColor faceBouton = couleurs::faceBouton;
const QColor X; // not checked

QWidget* trouver(QWidget* racine, const QString& nom) {
    if (racine->objectName() == nom)
        return racine;
    return racine->findChild<QWidget*>(nom);
}

QString legende(QWidget* w) {
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    if (auto* g = qobject_cast<Cadre3D*>(w))
        return g->title();
    if (auto* t = qobject_cast<QLineEdit*>(w))
        return t->text();
    return {};
}

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT

    EtatJeu e;
    ServicesDeTest doubles;

private slots:
    void initTestCase() { appliquerApparence(*qApp); }

    // Catches a control missing, misnamed, misplaced, mis-captioned or miscoloured.
    void controles() {
        Form1 f(e, doubles.services());
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));

        QCOMPARE(f.size(), QSize(632, 403));
        QCOMPARE(f.minimumSize(), f.maximumSize());
        QCOMPARE(f.windowTitle(),
                 QStringLiteral("   V E R L O  Version 32 bits   -   Auteur :  l'équipe VERLO"));
        QCOMPARE(f.pos(), QPoint(0, 0));
        QCOMPARE(f.palette().color(QPalette::Window), QColor(0, 0, 128));
        QVERIFY(!f.windowIcon().isNull());

        const QColor rougeFonce(128, 0, 0), bleuFonce(0, 0, 128), noir(0, 0, 0);
        // clang-format off
        std::vector<Attendu> table = {
            {"Diff_Titre", "Form1", 60, 4290, 1695, 1185, "Niveau", rougeFonce, faceBouton, 9.75, true},
            {"Difficulté(1)", "Diff_Titre", 180, 330, 1395, 255, "Débutant", noir, X, 9.75, true},
            {"Difficulté(2)", "Diff_Titre", 180, 570, 1395, 255, "Compétent", noir, X, 9.75, true},
            {"Difficulté(3)", "Diff_Titre", 180, 810, 1395, 255, "Expert", noir, X, 9.75, true},
            {"Panel3D4", "Form1", 60, 3330, 1695, 915, "Nbre de joueurs", bleuFonce, faceBouton, 8.25, true},
            {"Nb_J(1)", "Panel3D4", 180, 270, 1275, 315, "1 Joueur", noir, X, 9.75, true},
            {"Nb_J(2)", "Panel3D4", 180, 540, 1335, 285, "2 Joueurs", noir, X, 9.75, true},
            {"Frame3D1", "Form1", 60, 60, 1695, 3225, "Joueur 1", noir, X, 13.5, true},
            {"Panel3D2", "Frame3D1", 60, 360, 1575, 1875, "Score", noir, faceBouton, 13.5, true},
            {"Score(1)", "Panel3D2", 120, 390, 1335, 615, "000", noir, faceBouton, 24, true},
            {"Panel3D6(0)", "Panel3D2", 120, 990, 1335, 315, "Mot N°", noir, faceBouton, 12, true},
            {"Num_Mot(1)", "Panel3D2", 360, 1290, 855, 495, "", noir, faceBouton, 18, true},
            {"Panel3D5(0)", "Frame3D1", 60, 2220, 1575, 405, "Votre MOT", bleuFonce, faceBouton, 8.25, true},
            {"Mot_J(1)", "Frame3D1", 90, 2640, 1515, 510, "", noir, QColor(0, 255, 255), 13.5, false},
            {"Image1(1)", "Frame3D1", 570, 2640, 510, 510, "", X, X, 0, true},
            {"Frame3D2", "Form1", 7740, 60, 1695, 3225, "Joueur 2", noir, X, 13.5, true},
            {"Panel3D3", "Frame3D2", 60, 360, 1575, 1845, "Score", noir, faceBouton, 13.5, true},
            {"Score(2)", "Panel3D3", 120, 390, 1335, 615, "000", noir, faceBouton, 24, true},
            {"Panel3D6(1)", "Panel3D3", 120, 990, 1335, 315, "Mot N°", noir, faceBouton, 12, true},
            {"Num_Mot(2)", "Panel3D3", 390, 1260, 855, 495, "", noir, faceBouton, 18, true},
            {"Panel3D5(1)", "Frame3D2", 30, 2190, 1635, 435, "Votre MOT", bleuFonce, faceBouton, 9.75, true},
            {"Mot_J(2)", "Frame3D2", 60, 2640, 1575, 510, "", noir, QColor(0, 255, 255), 13.5, false},
            {"Image1(2)", "Frame3D2", 630, 2640, 510, 510, "", X, X, 0, true},
            {"Panel3D1", "Form1", 1830, 0, 5895, 6015, "", QColor(255, 255, 255), noir, 8.25, true},
            {"Cadre_Temps", "Panel3D1", 960, 4950, 4695, 930, "Temps maxi (sec.)", noir, faceBouton, 12, true},
            {"BH_Temps", "Cadre_Temps", 2970, 105, 1560, 300, "", X, X, 0, true},
            {"Etiq_Temps", "Cadre_Temps", 2295, 105, 600, 285, "60", noir, QColor(255, 255, 0), 8.25, true},
            {"Panel3D8", "Cadre_Temps", 120, 390, 4455, 450, "", QColor(255, 255, 255), faceBouton, 8.25, true},
            {"Temps", "Panel3D8", 90, 90, 4245, 270, "", X, X, 0, true},
            {"Son_On", "Panel3D1", 270, 5100, 510, 510, "", X, X, 0, false},
            {"Son_Off", "Panel3D1", 270, 5100, 510, 510, "", X, X, 0, true},
            {"Solution", "Panel3D1", 90, 5640, 825, 285, "             ", QColor(255, 255, 255), noir, 0, true},
            {"Avec_Tirage", "Form1", 60, 5520, 1725, 465, "", X, X, 0, true},
            {"A_Propos", "Form1", 7740, 3330, 1695, 435, "A propos...", QColor(128, 0, 128), X, 8.25, true},
            {"Scores", "Form1", 7740, 3780, 1695, 405, "Scores...", rougeFonce, X, 8.25, true},
            {"Nouv_Partie", "Form1", 7740, 4200, 1695, 435, "Nouv. Partie", noir, X, 8.25, true},
            {"Nouveau", "Form1", 7740, 4650, 1695, 435, "MOT suivant", bleuFonce, X, 8.25, true},
            {"Aide", "Form1", 7740, 5100, 1695, 405, "Aide", QColor(0, 128, 0), X, 8.25, true},
            {"Quitter", "Form1", 7740, 5550, 1695, 465, "Quitter", rougeFonce, X, 13.5, true},
        };
        // clang-format on
        for (int k = 1; k <= 5; ++k)
            table.push_back({QStringLiteral("Rep_H(%1)").arg(k), "Panel3D1", 180,
                             300 + 960 * (5 - k), 675, 615, QString::number(5 * k), noir,
                             QColor(255, 128, 0), 18, true});
        for (int k = 1; k <= 25; ++k)
            table.push_back({QStringLiteral("Mot(%1)").arg(k), "Panel3D1", 960 * ((k - 1) % 5 + 1),
                             180 + 960 * ((k - 1) / 5), 855, 855, "", noir, faceBouton, 24, true});
        for (int c = 1; c <= 5; ++c)
            table.push_back({QStringLiteral("Réponse(%1)").arg(c), "Panel3D1", 960 * c, 4980, 855,
                             855, "", QColor(192, 192, 192), QColor(0, 64, 0), 24, false});

        for (const auto& a : table) {
            const QString& nom = a.nom;
            QWidget* w = trouver(&f, nom);
            QVERIFY2(w, qPrintable(nom));
            QCOMPARE(w->parentWidget()->objectName(), a.conteneur);
            const QRect g(px(a.l), px(a.t), px(a.w), px(a.h));
            QVERIFY2(w->geometry() == g, qPrintable(nom));
            QVERIFY2(legende(w) == a.legende, qPrintable(nom));
            if (a.texte.isValid())
                QVERIFY2(w->palette().color(w->foregroundRole()) == a.texte, qPrintable(nom));
            if (a.fond.isValid()) {
                const auto role = qobject_cast<QLineEdit*>(w) ? QPalette::Base : QPalette::Window;
                QVERIFY2(w->palette().color(role) == a.fond, qPrintable(nom));
                QVERIFY2(w->autoFillBackground() || qobject_cast<QLineEdit*>(w), qPrintable(nom));
            }
            if (a.points > 0) {
                QVERIFY2(w->font().pixelSize() == qRound(a.points * 96 / 72), qPrintable(nom));
                QVERIFY2(w->font().bold(), qPrintable(nom));
            }
            QVERIFY2(w->isVisibleTo(&f) == a.visible, qPrintable(nom));
        }
        // No two controls share a name; each answer box lies above its player's icon.
        for (const auto* w : f.findChildren<QWidget*>())
            if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
                QVERIFY2(f.findChildren<QWidget*>(w->objectName()).size() == 1,
                         qPrintable(w->objectName()));
        for (int j = 1; j <= 2; ++j) {
            const auto enfants = f.Mot_J(j)->parentWidget()->children();
            QVERIFY(enfants.indexOf(f.Mot_J(j)) > enfants.indexOf(f.Image1(j)));
        }
        const auto* bh = f.BH_Temps;
        QCOMPARE(QList<int>({f.Minuterie1->interval(), f.Minuterie1->isActive(), bh->minimum(),
                             bh->maximum(), bh->value(), bh->singleStep(), bh->pageStep(),
                             f.Temps->minimum(), f.Temps->maximum(), f.Temps->isTextVisible()}),
                 QList<int>({990, 0, 0, 300, 60, 5, 5, 0, 59, 0}));
        QCOMPARE(f.Temps->palette().color(QPalette::Highlight), QColor(192, 0, 0));
        QVERIFY(f.Difficulté(1)->isChecked() && f.Nb_J(1)->isChecked());
        QVERIFY(f.Avec_Tirage->isCheckable() && !f.Avec_Tirage->isChecked());
        QCOMPARE(f.Avec_Tirage->iconSize(), QSize(109, 23));
        QVERIFY(!f.Image1(1)->pixmap().isNull() && !f.Son_Off->pixmap().isNull());
        for (auto* b : f.findChildren<QPushButton*>())
            QVERIFY2(!b->autoDefault() && !b->isDefault(), qPrintable(b->objectName()));
        // Slot 0 of a per-player array is not a control.
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, f.Mot_J(0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, f.Mot(26));

        // The tab order starts with "MOT suivant" and the answer boxes.
        f.Mot_J(1)->show();
        f.Mot_J(2)->show();
        const QList<QWidget*> ordre{f.Nouveau, f.Mot_J(1), f.Mot_J(2), f.Aide,
                                    f.Quitter, f.A_Propos, f.Scores,   f.Nouv_Partie};
        for (qsizetype i = 1; i < ordre.size(); ++i)
            QVERIFY2(ordre[i - 1]->nextInFocusChain() == ordre[i],
                     qPrintable(ordre[i]->objectName()));
    }

    // Catches a caption wider or taller than its control in the game's font.
    void legendesNonCoupees() {
        Form1 f(e, doubles.services());
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        // The widest values the panels will show during a game.
        f.Score(1)->setText(QStringLiteral(" 999"));
        f.Num_Mot(1)->setText(QStringLiteral("10"));
        f.Mot(1)->setText(QStringLiteral("W"));
        f.Réponse(1)->setText(QStringLiteral("W"));
        f.Etiq_Temps->setText(QStringLiteral("300"));
        for (auto* w : f.findChildren<QWidget*>()) {
            const QString texte = legende(w);
            if (texte.trimmed().isEmpty() || qobject_cast<QLineEdit*>(w))
                continue;
            const QFontMetrics fm(w->font());
            QRect place = w->rect();
            int besoin = fm.horizontalAdvance(texte);
            if (auto* l = qobject_cast<QLabel*>(w))
                place = l->contentsRect().adjusted(l->indent(), 0, 0, 0);
            else if (qobject_cast<QRadioButton*>(w))
                besoin = w->sizeHint().width();
            else
                besoin += 2 * fm.horizontalAdvance(QLatin1Char(' ')); // frames, buttons
            QVERIFY2(besoin <= place.width() && fm.height() <= place.height(),
                     qPrintable(w->objectName() + " : " + texte));
        }
        QVERIFY2(QFontInfo(policeJeu(8.25)).family().contains(QLatin1String("Liberation")),
                 "the game's font is not installed");
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
