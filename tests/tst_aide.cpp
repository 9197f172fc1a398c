// The Help and About windows: the help text's line layout, the example marked by the
// game's own rule, and the answer clock that runs on while they are open.

#include "Lisibilite.h"
#include "PartieDeTest.h"
#include "app/Marquage.h"
#include "extras/EtiquetteAide.h"
#include "extras/Form2.h"
#include "extras/Form3.h"

#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>

class TestAide : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { appliquerApparence(*qApp); }

    // Catches a numbered step or points line run on after the previous one, and text
    // cut off at the bottom of its label.
    void miseEnPage() {
        Form3 aide(nullptr);
        aide.show();
        static const QRegularExpression numero(QStringLiteral("\\d°"));
        for (EtiquetteAide* l : {aide.Etiquette2, aide.Etiquette7}) {
            const QStringList lignes = l->lignes();
            qsizetype debuts = 0;
            for (const QString& ligne : lignes) {
                QVERIFY2(ligne.lastIndexOf(numero) <= 0, qPrintable(ligne));
                debuts += ligne.indexOf(numero) == 0;
            }
            QCOMPARE(debuts, l->text().count(numero));
            QVERIFY(lignes.size() * l->fontMetrics().lineSpacing() <= l->contentsRect().height());
        }
        QCOMPARE(aide.Etiquette7->lignes().size(), 5);
        for (QLabel* l : aide.findChildren<QLabel*>())
            if (l->wordWrap() && !l->text().isEmpty())
                QVERIFY2(l->heightForWidth(l->width()) <= l->height(), qPrintable(l->objectName()));
    }

    // Catches a caption cut by its control and a control that shows no focus.
    void lisibles() {
        Form2 apropos(nullptr);
        Form3 aide(nullptr);
        for (QWidget* w : std::initializer_list<QWidget*>{&apropos, &aide}) {
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
            QCOMPARE(lisibilite::legendesCoupees(w).join("; "), QString());
            QCOMPARE(lisibilite::focusInvisibles(w).join("; "), QString());
        }
    }

    // Catches an example coloured otherwise than the game would colour it.
    void exempleMarqueParLeJeu() {
        Form3 aide(nullptr);
        const Texte5 cherche(QStringLiteral("TABLE"));
        QStringList mots;
        for (int r = 0; r < 5; ++r) {
            QString mot;
            for (int c = 0; c < 5; ++c)
                mot += aide.Panel3D7(5 * r + c)->text();
            mots << mot;
            const auto marques = Marquer(cherche, Texte5(mot));
            for (int c = 0; c < 5; ++c) {
                const Panel3D* cellule = aide.Panel3D7(5 * r + c);
                if (Texte5(mot) == cherche) {
                    QCOMPARE(cellule->backColor(), couleurs::vertFonce);
                    QCOMPARE(cellule->foreColor(), QColor(224, 224, 224));
                    continue;
                }
                const QColor attendue = marques[c] == Marque::Vert    ? couleurs::vert
                                        : marques[c] == Marque::Jaune ? couleurs::jaune
                                                                      : couleurs::faceBouton;
                QCOMPARE(cellule->backColor(), attendue);
                QCOMPARE(cellule->foreColor(), couleurs::noir);
            }
        }
        QCOMPARE(mots.join(' '), QStringLiteral("TENTE LACET ARBRE CIBLE TABLE"));
    }

    // Catches About or Help stopping the answer clock, the focus not given back, or a
    // time-out under Help that cannot show the score table over it and go on.
    void horlogeSousAideEtAPropos() {
        QTemporaryDir dossier;
        PartieDeTest p({"TERRE"}, dossier.filePath(QStringLiteral("S.SCO")));
        p.cliquer(p.f->Nouv_Partie);
        p.tic();
        bool vu = false;
        quandModale(
            [&](QWidget* d) {
                vu = p.f->Minuterie1->isActive();
                QCOMPARE(static_cast<Form2*>(d)->Etiquette3->text(),
                         QStringLiteral("Version 4.32"));
                QTest::keyClick(d, Qt::Key_Escape);
            },
            QStringLiteral("Form2"));
        p.cliquer(p.f->A_Propos);
        QVERIFY(vu);
        QCOMPARE(p.focus(), p.boite());

        for (int mot = 1; mot < 10; ++mot) {
            p.proposer(QStringLiteral("terre"));
            QTest::keyClick(p.f->Nouveau, Qt::Key_Return);
        }
        for (int ligne = 1; ligne < 5; ++ligne)
            p.proposer(QStringLiteral("tarte"));
        QCOMPARE(p.e.Ligne, 5);

        bool tableau = false;
        quandModale(
            [&](QWidget* aide) {
                QVERIFY(p.f->Minuterie1->isActive());
                quandModale(
                    [&](QWidget* scores) {
                        tableau = aide->isVisible(); // the table opens over Help, which stays
                        QTest::keyClick(scores, Qt::Key_Escape);
                    },
                    QStringLiteral("Form4"));
                p.d.horloge.avancer(61'000);
                p.tic(); // line 5 of the tenth word times out: the game ends under Help
                QVERIFY(tableau);
                QCOMPARE(QApplication::activeModalWidget(), aide);
                QCOMPARE(p.f->Num_Mot(1)->text(), QStringLiteral("1")); // the next game is on
                aide->close();
            },
            QStringLiteral("Form3"));
        p.cliquer(p.f->Aide);
        QVERIFY(tableau);
        QCOMPARE(p.focus(), p.boite());
    }

    // Catches a time-out under Help that validates a found word but cannot open the
    // draw window over Help, or leaves the program unusable once it closes.
    void tirageSousAide() {
        QTemporaryDir dossier;
        PartieDeTest p({"TERRE"}, dossier.filePath(QStringLiteral("S.SCO")));
        p.cliquer(p.f->Avec_Tirage);
        p.cliquer(p.f->Nouv_Partie);
        p.tic();
        p.taper(QStringLiteral("erre"));
        bool tirage = false;
        quandModale(
            [&](QWidget* aide) {
                quandModale(
                    [&](QWidget* grille) {
                        tirage = aide->isVisible() && grille->isVisible();
                        QTest::keyClick(grille, Qt::Key_Escape);
                    },
                    QStringLiteral("Form6"));
                p.d.horloge.avancer(61'000);
                p.tic(); // the typed word goes in by itself, and it is the right one
                QCOMPARE(QApplication::activeModalWidget(), aide);
                aide->close();
            },
            QStringLiteral("Form3"));
        p.cliquer(p.f->Aide);
        QVERIFY(tirage);
        QCOMPARE(p.e.Score_J(1), 25);
        QCOMPARE(p.focus(), p.boite());
    }
};

QTEST_MAIN(TestAide)
#include "tst_aide.moc"
