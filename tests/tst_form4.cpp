// The score table window: its layout, the table as shown, the name entry of the
// qualified players, the saving on "Valider" and every way of closing it.

#include "Doubles.h"
#include "app/Apparence.h"
#include "game/Bouton.h"
#include "game/Panel3D.h"
#include "scores/Classement.h"
#include "scores/Form4.h"
#include "scores/TextePoints.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

namespace {

const QColor faceBouton = couleurs::faceBouton;
const QColor noir(0, 0, 0);
const QColor X; // not checked

struct Attendu {
    QString nom;
    QString conteneur;
    int l, t, w, h; // twips
    QString legende;
    QColor texte;
    QColor fond;
    double points;
    bool visible;
};

QString legende(QWidget* w) {
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    if (auto* g = qobject_cast<QGroupBox*>(w))
        return g->title();
    if (auto* t = qobject_cast<QLineEdit*>(w))
        return t->text();
    return {};
}

QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

bool ecrire(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
}

QStringList lignes(const QString& texte) {
    return texte.split(QLatin1Char('\n'));
}

QStringList tableau(const EtatJeu& e) {
    QStringList l;
    for (int r = 1; r <= LIGNES_SCORES; ++r)
        l << e.Tab_Scores(r, 1) + QLatin1Char('|') + e.Tab_Scores(r, 2);
    return l;
}

/** One drawn line of a column: its first and last rows, left-most and right-most pixels. */
struct Bande {
    int haut;
    int bas;
    int gauche;
    int droite;
};

/** The drawn lines of a column, top to bottom, in its container's coordinates. */
std::vector<Bande> encre(QLabel* colonne) {
    const QImage image = colonne->grab().toImage();
    const int bord = colonne->frameWidth();
    const QRect zone = colonne->rect().adjusted(bord, bord, -bord, -bord);
    std::vector<Bande> bandes;
    bool dansUneLigne = false;
    for (int y = zone.top(); y <= zone.bottom(); ++y) {
        int gauche = -1;
        int droite = -1;
        for (int x = zone.left(); x <= zone.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                if (gauche < 0)
                    gauche = x;
                droite = x;
            }
        }
        if (droite < 0) {
            dansUneLigne = false;
        } else if (!dansUneLigne) {
            bandes.push_back({y, y, gauche, droite});
            dansUneLigne = true;
        } else {
            Bande& b = bandes.back();
            b.bas = y;
            b.gauche = std::min(b.gauche, gauche);
            b.droite = std::max(b.droite, droite);
        }
    }
    for (Bande& b : bandes) {
        b.haut += colonne->y();
        b.bas += colonne->y();
        b.gauche += colonne->x();
        b.droite += colonne->x();
    }
    return bandes;
}

/** Text typed key by key, each key carrying its character, as a keyboard delivers it. */
void taper(QWidget* w, const QString& texte) {
    for (const QChar c : texte) {
        QKeyEvent appui(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &appui);
        QKeyEvent relache(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &relache);
    }
}

/** Enter pressed in a widget as a keyboard sends it, held down when `repetee`. */
void entree(QWidget* w, bool repetee = false) {
    QKeyEvent appui(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"),
                    repetee);
    QApplication::sendEvent(w, &appui);
    QKeyEvent relache(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"),
                      repetee);
    QApplication::sendEvent(w, &relache);
}

/** The main window's stand-in, the state as start-up leaves it, a folder for the file. */
struct Banc {
    QTemporaryDir dossier;
    EtatJeu e;
    ServicesDeTest doubles;
    QWidget principale;
    QStringList erreurs; // what the window told the player, title and text

    Banc() {
        e.Saut_Ligne = QStringLiteral("\r\n");
        QStringList rangs;
        for (int i = 1; i <= LIGNES_SCORES; ++i)
            rangs << QStringLiteral("%1  ").arg(i);
        e.Texte_Rangs = rangs.join(e.Saut_Ligne);
        e.Fichier_Scores = dossier.filePath(QStringLiteral("VERLO-SB.SCO"));
        e.Nb_Joueurs = 1;
        e.Joueur = 1;
        principale.setObjectName(QStringLiteral("Form1"));
        principale.setGeometry(40, 30, 632, 403);
        principale.show();
    }

    /** Stored rows 1..n, as read from a file. */
    void stocker(const std::vector<std::pair<QString, QString>>& lignesStockees) {
        int r = 0;
        for (const auto& [nom, points] : lignesStockees) {
            ++r;
            e.Tab_Scores(r, 1) = nom;
            e.Tab_Scores(r, 2) = points;
        }
    }

    /** A finished game ranked as at its end. */
    void finir(int joueurs, int score1, int score2) {
        e.Nb_Joueurs = static_cast<std::int16_t>(joueurs);
        e.Score_J(1) = static_cast<std::int16_t>(score1);
        e.Score_J(2) = static_cast<std::int16_t>(score2);
        Classer_Partie(e);
    }

    /** The window, shown and active, its error reports recorded rather than shown. */
    std::unique_ptr<Form4> ouvrir() {
        auto f = std::make_unique<Form4>(e, doubles.services(), &principale);
        f->signalerErreur = [this](const QString& titre, const QString& texte) {
            erreurs << titre << texte;
        };
        f->show();
        f->activateWindow();
        if (!QTest::qWaitForWindowActive(f.get()))
            qWarning("window not active: focus checks will fail");
        return f;
    }
};

} // namespace

class TestForm4 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { appliquerApparence(*qApp); }

    // Catches a control missing, misnamed, misplaced, mis-captioned, miscoloured, shown when
    // it should not be, a window misplaced against the main window, a default button, a name
    // that a column would read as markup, or a caption that does not fit its control.
    void controles() {
        Banc b;
        const auto f = b.ouvrir();

        QCOMPARE(f->objectName(), QStringLiteral("Form4"));
        QCOMPARE(f->windowTitle(), QStringLiteral("TABLEAU   DES   SCORES"));
        QCOMPARE(f->size(), QSize(366, 289));
        QCOMPARE(f->minimumSize(), f->maximumSize());
        QVERIFY(f->isModal());
        QCOMPARE(f->parentWidget(), &b.principale);
        QCOMPARE(f->pos(), b.principale.pos() + QPoint(px(2055), px(510)));
        QCOMPARE(f->palette().color(QPalette::Window), QColor(128, 0, 0));
        QVERIFY(f->autoFillBackground());
        QVERIFY(f->windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!(f->windowFlags() & Qt::WindowContextHelpButtonHint));

        const QColor bleuFonce(0, 0, 128), blanc(255, 255, 255);
        QStringList rangs;
        for (int i = 1; i <= LIGNES_SCORES; ++i)
            rangs << QString::number(i) + QStringLiteral("  ");
        const std::vector<Attendu> table = {
            {"Panel3D6", "Form4", 150, 90, 5205, 405, "TABLEAU  DES  12  MEILLEURS  SCORES", noir,
             faceBouton, 8.25, true},
            {"Panel3D1", "Form4", 150, 570, 5205, 3645, "", noir, faceBouton, 8.25, true},
            {"Panel3D4", "Panel3D1", 120, 120, 495, 375, "N°", noir, faceBouton, 8.25, true},
            {"Panel3D2", "Panel3D1", 600, 120, 1695, 375, "NOM du Joueur", noir, faceBouton, 8.25,
             true},
            {"Panel3D3", "Panel3D1", 2280, 120, 735, 375, "Points", noir, faceBouton, 8.25, true},
            {"Place", "Panel3D1", 120, 480, 495, 3075, rangs.join(u'\n'), noir, faceBouton, 9.75,
             true},
            {"Nom", "Panel3D1", 600, 480, 1695, 3075, "", noir, faceBouton, 9.75, true},
            {"Pt_Score", "Panel3D1", 2280, 480, 735, 3075, "", noir, faceBouton, 9.75, true},
            {"Insc_Nom", "Panel3D1", 3030, 120, 2025, 375, "Inscrivez votre nom", noir, faceBouton,
             8.25, false},
            {"Cadre_J(1)", "Panel3D1", 3060, 480, 1995, 885, "Joueur 1", noir, X, 9.75, false},
            {"Nom_Sc(1)", "Cadre_J(1)", 90, 360, 1815, 420, "", noir, blanc, 12, false},
            {"Cadre_J(2)", "Panel3D1", 3060, 1410, 1995, 885, "Joueur 2", noir, X, 9.75, false},
            {"Nom_Sc(2)", "Cadre_J(2)", 90, 360, 1815, 420, "", noir, blanc, 12, false},
            {"Valider", "Panel3D1", 3030, 2370, 2025, 525, "Valider", bleuFonce, X, 13.5, false},
            {"Annuler", "Panel3D1", 3060, 3000, 1995, 495, "Fermer", noir, X, 13.5, true},
        };
        for (const auto& a : table) {
            const QString& nom = a.nom;
            auto* w = f->findChild<QWidget*>(nom);
            QVERIFY2(w, qPrintable(nom));
            QCOMPARE(w->parentWidget()->objectName(), a.conteneur);
            QVERIFY2(w->geometry() == QRect(px(a.l), px(a.t), px(a.w), px(a.h)), qPrintable(nom));
            QVERIFY2(legende(w) == a.legende, qPrintable(nom));
            QVERIFY2(w->palette().color(w->foregroundRole()) == a.texte, qPrintable(nom));
            if (a.fond.isValid()) {
                const auto role = qobject_cast<QLineEdit*>(w) ? QPalette::Base : QPalette::Window;
                QVERIFY2(w->palette().color(role) == a.fond, qPrintable(nom));
            }
            QVERIFY2(w->font().pixelSize() == qRound(a.points * 96 / 72), qPrintable(nom));
            QVERIFY2(w->font().bold(), qPrintable(nom));
            QVERIFY2(w->isVisibleTo(f.get()) == a.visible, qPrintable(nom));
        }
        // The name boxes are shown inside their hidden frames: showing a frame shows its box.
        for (int j = 1; j <= 2; ++j)
            QVERIFY(!f->Nom_Sc(j)->isHidden());
        for (const auto* w : f->findChildren<QWidget*>())
            if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
                QVERIFY2(f->findChildren<QWidget*>(w->objectName()).size() == 1,
                         qPrintable(w->objectName()));

        // The members are the controls of those names.
        QCOMPARE(f->Cadre_J(2)->objectName(), QStringLiteral("Cadre_J(2)"));
        QCOMPARE(f->Nom_Sc(1)->objectName(), QStringLiteral("Nom_Sc(1)"));
        QCOMPARE(f->Pt_Score->objectName(), QStringLiteral("Pt_Score"));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, f->Nom_Sc(0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, f->Cadre_J(3));

        // Captions: the columns from the top, ranks and points to the right, names to the left;
        // the other panels centred at the top.
        QCOMPARE(f->Place->alignment(), Qt::AlignRight | Qt::AlignTop);
        QCOMPARE(f->Pt_Score->alignment(), Qt::AlignRight | Qt::AlignTop);
        QCOMPARE(f->Nom->alignment(), Qt::AlignLeft | Qt::AlignTop);
        for (QLabel* l : {f->Panel3D6, f->Panel3D4, f->Panel3D2, f->Panel3D3, f->Insc_Nom})
            QCOMPARE(l->alignment(), Qt::AlignHCenter | Qt::AlignTop);
        for (QLabel* l : {f->Place, f->Nom, f->Pt_Score})
            QCOMPARE(l->textFormat(), Qt::PlainText);

        // No default button: Enter in a box must never save.
        for (auto* bouton : f->findChildren<QPushButton*>())
            QVERIFY2(!bouton->autoDefault() && !bouton->isDefault(),
                     qPrintable(bouton->objectName()));
        QVERIFY(f->signalerErreur);

        // Fixed captions fit their controls.
        for (QWidget* w : f->findChildren<QWidget*>()) {
            const QString texte = legende(w);
            if (texte.isEmpty() || w == f->Place)
                continue;
            const QFontMetrics fm(w->font());
            int largeur = w->width();
            int besoin = fm.horizontalAdvance(texte);
            if (auto* l = qobject_cast<QLabel*>(w))
                largeur = l->contentsRect().width();
            else if (qobject_cast<QGroupBox*>(w))
                besoin += 2 * fm.horizontalAdvance(QLatin1Char(' '));
            else if (qobject_cast<QPushButton*>(w))
                besoin += 6;
            QVERIFY2(besoin <= largeur, qPrintable(w->objectName()));
            QVERIFY2(fm.height() <= w->height(), qPrintable(w->objectName()));
        }
    }

    // Catches a full table whose twelve lines do not fit the columns, lines of names or
    // points that are not drawn level with their ranks, or right-aligned lines that do not
    // end at the same place.
    void douzeLignes() {
        {
            Banc b;
            std::vector<std::pair<QString, QString>> larges;
            for (int r = 1; r <= LIGNES_SCORES; ++r)
                larges.emplace_back(QStringLiteral("Wwwwwww"), Texte_Points(9999 - r));
            b.stocker(larges);
            const auto f = b.ouvrir();
            // Every line drawn whole, clear of the bevel on all sides.
            for (QLabel* colonne : {f->Place, f->Nom, f->Pt_Score}) {
                const QString nom = colonne->objectName();
                const auto bandes = encre(colonne);
                QVERIFY2(int(bandes.size()) == LIGNES_SCORES, qPrintable(nom));
                const QRect dedans = colonne->geometry().adjusted(2, 2, -2, -2);
                const QFontMetrics fm(colonne->font());
                const QStringList textes = lignes(colonne->text());
                for (int k = 0; k < LIGNES_SCORES; ++k) {
                    const Bande& bande = bandes[std::size_t(k)];
                    QVERIFY2(bande.gauche > dedans.left() && bande.droite < dedans.right(),
                             qPrintable(nom));
                    QVERIFY2(bande.haut > dedans.top() && bande.bas < dedans.bottom(),
                             qPrintable(nom));
                    // Not cut short: as wide as the text it shows.
                    QVERIFY2(bande.droite - bande.gauche + 3 >=
                                 fm.horizontalAdvance(textes[k].trimmed()),
                             qPrintable(nom + QLatin1Char(' ') + textes[k]));
                }
            }
        }
        // The same glyph on every line of every column, so that the ink can be compared.
        Banc b;
        b.stocker(std::vector<std::pair<QString, QString>>(LIGNES_SCORES, {"1", " 1"}));
        const auto f = b.ouvrir();
        const auto place = encre(f->Place);
        const auto nom = encre(f->Nom);
        const auto points = encre(f->Pt_Score);
        QCOMPARE(int(place.size()), LIGNES_SCORES);
        QCOMPARE(int(nom.size()), LIGNES_SCORES);
        QCOMPARE(int(points.size()), LIGNES_SCORES);
        for (int k = 0; k < LIGNES_SCORES; ++k) {
            QCOMPARE(nom[k].haut, place[k].haut);
            QCOMPARE(nom[k].bas, place[k].bas);
            QCOMPARE(points[k].haut, place[k].haut);
            QCOMPARE(points[k].bas, place[k].bas);
            QVERIFY2(std::abs(place[k].droite - place[0].droite) <= 1,
                     qPrintable(QString::number(k)));
            QVERIFY2(std::abs(points[k].droite - points[0].droite) <= 1,
                     qPrintable(QString::number(k)));
        }
        // Off the bevel, by about the two blanks that end each line.
        const int blancs = QFontMetrics(f->Place->font()).horizontalAdvance(QStringLiteral("  "));
        QVERIFY(f->Place->x() + f->Place->width() - place[0].droite > blancs);
        QVERIFY(f->Pt_Score->x() + f->Pt_Score->width() - points[0].droite > blancs);
    }

    // Catches an empty table that shows something beside the ranks, or ranks that are not
    // the twelve numbers.
    void tableauVide() {
        Banc b;
        const auto f = b.ouvrir();
        QCOMPARE(f->Place->text(), QStringLiteral("1  \n2  \n3  \n4  \n5  \n6  \n7  \n8  \n9  \n"
                                                  "10  \n11  \n12  "));
        QCOMPARE(f->Nom->text(), QString());
        QCOMPARE(f->Pt_Score->text(), QString());
        QCOMPARE(b.e.Texte_Noms, QString());
        QCOMPARE(b.e.Texte_Points, QString());
        // Viewing only: nothing to enter, "Fermer" has the focus.
        QVERIFY(!f->Insc_Nom->isVisible());
        QVERIFY(!f->Valider->isVisible());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f->Annuler));
    }

    // Catches a table shown unsorted, a row of 0 points or less shown or leaving a gap, a
    // line of names or points out of step with the ranks, or line ends lost from the state.
    void cinqScoresTries() {
        Banc b;
        b.stocker({{"Chloé", " 30"},
                   {"Zéro", " 0"},
                   {"Bruno", " 50"},
                   {"Moins", "-5"},
                   {"Alice", " 10"},
                   {"Denis", " 40"},
                   {"Émile", " 20"}});
        const auto f = b.ouvrir();
        QCOMPARE(lignes(f->Nom->text()),
                 QStringList({"Bruno  ", "Denis  ", "Chloé  ", "Émile  ", "Alice  ", ""}));
        QCOMPARE(lignes(f->Pt_Score->text()),
                 QStringList({" 50  ", " 40  ", " 30  ", " 20  ", " 10  ", ""}));
        // Line k of each column beside rank k.
        QCOMPARE(lignes(f->Place->text()).mid(0, 5),
                 QStringList({"1  ", "2  ", "3  ", "4  ", "5  "}));
        QCOMPARE(b.e.Texte_Noms,
                 QStringLiteral("Bruno  \r\nDenis  \r\nChloé  \r\nÉmile  \r\nAlice  \r\n"));
        QCOMPARE(b.e.Texte_Points, QStringLiteral(" 50  \r\n 40  \r\n 30  \r\n 20  \r\n 10  \r\n"));
        QCOMPARE(b.e.Tab_Scores(1, 1), QStringLiteral("Bruno"));
        QCOMPARE(b.e.Tab_Scores(5, 1), QStringLiteral("Alice"));

        // A last rank filled ends without a line break.
        Banc plein;
        std::vector<std::pair<QString, QString>> douze;
        for (int r = 1; r <= LIGNES_SCORES; ++r)
            douze.emplace_back(QString(QChar(u'A' + r - 1)), Texte_Points(100 - r));
        plein.stocker(douze);
        const auto g = plein.ouvrir();
        QVERIFY(plein.e.Texte_Noms.endsWith(QStringLiteral("\r\nL  ")));
        QCOMPARE(lignes(g->Nom->text()).size(), LIGNES_SCORES);
    }

    // Catches only player 2 qualifying showing player 1's box, a focus that does not start
    // in player 2's box, or Enter there that saves instead of moving to "Valider".
    void seulJoueur2() {
        Banc b;
        b.finir(2, 0, 100);
        QVERIFY(!b.e.Qualifie(1));
        QVERIFY(b.e.Qualifie(2));
        const auto f = b.ouvrir();
        QVERIFY(!f->Cadre_J(1)->isVisible());
        QVERIFY(f->Cadre_J(2)->isVisible());
        QVERIFY(f->Nom_Sc(2)->isVisible());
        QVERIFY(f->Insc_Nom->isVisible());
        QVERIFY(f->Valider->isVisible());
        QCOMPARE(QApplication::focusWidget(), f->Nom_Sc(2));

        taper(f->Nom_Sc(2), QStringLiteral("Zoé"));
        entree(f->Nom_Sc(2));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f->Valider));
        QCOMPARE(lire(b.e.Fichier_Scores), QByteArray("<absent>"));
        QVERIFY(f->Valider->isVisible());
        QVERIFY(b.e.Qualifie(2));

        // Enter on the focused "Valider" is what saves.
        entree(f->Valider);
        QCOMPARE(lire(b.e.Fichier_Scores), QByteArray("\"Zo\xE9\",\" 100\"\r\n"));
        QCOMPARE(f->Nom_Sc(2)->text(), QStringLiteral("Zoé"));
        QCOMPARE(b.e.Tab_Scores(1, 1), QStringLiteral("Zoé"));
    }

    // Catches a wrong tab or Enter order between the two boxes, either box's text going to the
    // other player's row, or a row saved for a player who did not qualify.
    void deuxJoueurs() {
        Banc b;
        b.stocker({{"Ancien", " 90"}});
        b.finir(2, 120, 80);
        QVERIFY(b.e.Qualifie(1) && b.e.Qualifie(2));
        const auto f = b.ouvrir();
        QVERIFY(f->Cadre_J(1)->isVisible());
        QVERIFY(f->Cadre_J(2)->isVisible());
        QCOMPARE(QApplication::focusWidget(), f->Nom_Sc(1));
        // The table as stored before the game: the new scores are not in it yet.
        QCOMPARE(f->Nom->text(), QStringLiteral("Ancien  \n"));

        // Tab runs through the boxes, "Valider" and "Fermer", in that order.
        for (QWidget* suivant :
             std::initializer_list<QWidget*>{f->Nom_Sc(2), f->Valider, f->Annuler, f->Nom_Sc(1)}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), suivant);
        }

        taper(f->Nom_Sc(1), QStringLiteral("Un"));
        entree(f->Nom_Sc(1));
        QCOMPARE(QApplication::focusWidget(), f->Nom_Sc(2));
        taper(f->Nom_Sc(2), QStringLiteral("Deux"));
        entree(f->Nom_Sc(2));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f->Valider));
        QCOMPARE(lire(b.e.Fichier_Scores), QByteArray("<absent>"));

        QTest::mouseClick(f->Valider, Qt::LeftButton);
        QCOMPARE(lire(b.e.Fichier_Scores),
                 QByteArray("\"Un\",\" 120\"\r\n\"Ancien\",\" 90\"\r\n\"Deux\",\" 80\"\r\n"));
        QCOMPARE(f->Nom->text(), QStringLiteral("Un  \nAncien  \nDeux  \n"));
        QCOMPARE(f->Pt_Score->text(), QStringLiteral(" 120  \n 90  \n 80  \n"));
        QVERIFY(!b.e.Qualifie(1) && !b.e.Qualifie(2));
    }

    // Catches Enter in a name box clicking a button (a default button, or the key reaching
    // the dialog), or a held Enter running through every box at once.
    void entreeNeCliqueRien() {
        Banc b;
        b.finir(2, 60, 50);
        const auto f = b.ouvrir();
        QSignalSpy valider(f->Valider, &QPushButton::clicked);
        QSignalSpy annuler(f->Annuler, &QPushButton::clicked);
        QSignalSpy fini(f.get(), &QDialog::finished);

        entree(f->Nom_Sc(1));
        QCOMPARE(QApplication::focusWidget(), f->Nom_Sc(2));
        entree(f->Nom_Sc(2), true); // the same press, held: it has already moved on
        QCOMPARE(QApplication::focusWidget(), f->Nom_Sc(2));
        entree(f->Nom_Sc(2));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f->Valider));
        entree(f->Valider, true);                     // held on: the button takes one press only
        QTest::keyClick(f->Nom_Sc(1), Qt::Key_Enter); // the keypad's Enter
        QTest::keyClick(f->Nom_Sc(2), Qt::Key_Return);

        QCOMPARE(valider.count(), 0);
        QCOMPARE(annuler.count(), 0);
        QCOMPARE(fini.count(), 0);
        QVERIFY(f->isVisible());
        QVERIFY(f->Valider->isVisible());
        QCOMPARE(lire(b.e.Fichier_Scores), QByteArray("<absent>"));
    }

    // Catches a typed name lost or changed on its way to the file, an empty box not becoming
    // "Anonyme" (in the box too), or entry controls left to save a second time.
    void valider() {
        {
            Banc b;
            b.finir(1, 250, 0);
            const auto f = b.ouvrir();
            QCOMPARE(QApplication::focusWidget(), f->Nom_Sc(1));
            taper(f->Nom_Sc(1), QStringLiteral("NAME"));
            QTest::mouseClick(f->Valider, Qt::LeftButton);
            QCOMPARE(lire(b.e.Fichier_Scores), QByteArray("\"NAME\",\" 250\"\r\n"));
            QVERIFY(b.erreurs.isEmpty());
        }
        Banc b;
        b.stocker({{"Vieux", " 300"}, {"Vieille", " 100"}});
        b.finir(1, 250, 0);
        const auto f = b.ouvrir();
        QTest::mouseClick(f->Valider, Qt::LeftButton);
        QCOMPARE(f->Nom_Sc(1)->text(), QStringLiteral("Anonyme"));
        QCOMPARE(b.e.Tab_Scores(2, 1), QStringLiteral("Anonyme"));
        QCOMPARE(lire(b.e.Fichier_Scores), QByteArray("\"Vieux\",\" 300\"\r\n"
                                                      "\"Anonyme\",\" 250\"\r\n"
                                                      "\"Vieille\",\" 100\"\r\n"));
        // The window stays open in the viewing state, showing the new table.
        QVERIFY(f->isVisible());
        QVERIFY(!f->Insc_Nom->isVisible());
        QVERIFY(!f->Cadre_J(1)->isVisible());
        QVERIFY(!f->Valider->isVisible());
        QVERIFY(!b.e.Qualifie(1));
        QCOMPARE(f->Nom->text(), QStringLiteral("Vieux  \nAnonyme  \nVieille  \n"));
        QCOMPARE(f->Pt_Score->text(), QStringLiteral(" 300  \n 250  \n 100  \n"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f->Annuler));
        QVERIFY(b.erreurs.isEmpty());
    }

    // Catches "Fermer", Escape or the title bar's close button saving the typed names, or
    // one of them closing in another way than the others.
    void fermerSansValider() {
        enum Facon { Fermer, Echap, BarreDeTitre };
        for (const Facon facon : {Fermer, Echap, BarreDeTitre}) {
            Banc b;
            b.stocker({{"Premier", " 200"}, {"Second", " 100"}});
            const QByteArray avant("\"Premier\",\" 200\"\r\n\"Second\",\" 100\"\r\n");
            QVERIFY(ecrire(b.e.Fichier_Scores, avant));
            b.finir(1, 150, 0);
            const QStringList tableAvant = tableau(b.e);
            const auto f = b.ouvrir();
            QSignalSpy fini(f.get(), &QDialog::finished);
            taper(f->Nom_Sc(1), QStringLiteral("Perdu"));
            switch (facon) {
            case Fermer:
                QTest::mouseClick(f->Annuler, Qt::LeftButton);
                break;
            case Echap:
                QTest::keyClick(f->Nom_Sc(1), Qt::Key_Escape);
                break;
            case BarreDeTitre:
                QVERIFY(f->close());
                break;
            }
            QVERIFY2(!f->isVisible(), qPrintable(QString::number(facon)));
            QCOMPARE(fini.count(), 1);
            QCOMPARE(f->result(), int(QDialog::Rejected));
            QCOMPARE(lire(b.e.Fichier_Scores), avant);
            QCOMPARE(tableau(b.e), tableAvant);
        }
    }

    // Catches a double quote (or a character the file cannot hold) getting into a name box by
    // typing, pasting or an input method, or a paste refused whole for one such character.
    void caracteresRefuses() {
        Banc b;
        b.finir(1, 40, 0);
        const auto f = b.ouvrir();
        QLineEdit* boite = f->Nom_Sc(1);

        taper(boite, QStringLiteral("Hé\"lè"));
        QCOMPARE(boite->text(), QStringLiteral("Hélè"));
        taper(boite, QStringLiteral("ne"));
        QCOMPARE(boite->text(), QStringLiteral("Hélène"));

        QApplication::clipboard()->setText(QStringLiteral(" \"Zo\u2605é\""));
        QTest::keyClick(boite, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(boite->text(), QStringLiteral("Hélène Zoé"));
        QCOMPARE(boite->cursorPosition(), int(boite->text().size()));

        QInputMethodEvent compose;
        compose.setCommitString(QStringLiteral("\"«ô»\""));
        QApplication::sendEvent(boite, &compose);
        QCOMPARE(boite->text(), QStringLiteral("Hélène Zoé«ô»"));

        boite->setText(QStringLiteral("a\"b"));
        QCOMPARE(boite->text(), QStringLiteral("ab"));
        QVERIFY(!f->Nom_Sc(2)->text().contains(QLatin1Char('"')));

        QTest::mouseClick(f->Valider, Qt::LeftButton);
        QCOMPARE(lire(b.e.Fichier_Scores), QByteArray("\"ab\",\" 40\"\r\n"));
    }

    // Catches a failed save that goes unreported, loses the new table from memory, leaves the
    // window half in the entry state, or writes somewhere else instead.
    void enregistrementImpossible() {
        Banc b;
        QVERIFY(QDir().mkpath(b.e.Fichier_Scores)); // a folder where the file should be
        QTemporaryDir ailleurs;
        const QString autre = ailleurs.filePath(QStringLiteral("VERLO-SB.SCO"));
        const QByteArray ancien("\"Ancien\",\" 500\"\r\n");
        QVERIFY(ecrire(autre, ancien));
        const QString courant = QDir::currentPath();
        QDir::setCurrent(ailleurs.path());

        b.finir(1, 70, 0);
        const auto f = b.ouvrir();
        taper(f->Nom_Sc(1), QStringLiteral("Malchance"));
        QTest::mouseClick(f->Valider, Qt::LeftButton);
        QDir::setCurrent(courant);

        QCOMPARE(b.erreurs.size(), 2);
        QVERIFY(!b.erreurs[0].isEmpty());
        QVERIFY2(b.erreurs[1].contains(QStringLiteral("Impossible d'enregistrer")),
                 qPrintable(b.erreurs[1]));
        QVERIFY(b.erreurs[1].contains(QDir::toNativeSeparators(b.e.Fichier_Scores)));

        QCOMPARE(b.e.Tab_Scores(1, 1), QStringLiteral("Malchance"));
        QCOMPARE(f->Nom->text(), QStringLiteral("Malchance  \n"));
        QVERIFY(f->isVisible());
        QVERIFY(!f->Valider->isVisible());
        QVERIFY(!f->Cadre_J(1)->isVisible());
        QVERIFY(!b.e.Qualifie(1));

        QCOMPARE(lire(autre), ancien);
        QVERIFY(QFileInfo(b.e.Fichier_Scores).isDir());
        QCOMPARE(QDir(b.dossier.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("VERLO-SB.SCO")});
        QCOMPARE(QDir(ailleurs.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("VERLO-SB.SCO")});

        // Still a working window: it closes as usual.
        QTest::mouseClick(f->Annuler, Qt::LeftButton);
        QVERIFY(!f->isVisible());
    }
};

QTEST_MAIN(TestForm4)
#include "tst_form4.moc"
