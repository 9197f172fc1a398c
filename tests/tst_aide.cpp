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

// Opens Help and lets the answer time run out under it: true if the window `nom` then opened
// over Help, which stayed up (the clock running) and is still the active one afterwards.
bool expireSousAide(PartieDeTest& p, const QString& nom) {
    bool dessus = false;
    quandModale(
        [&](QWidget* aide) {
            const bool actif = p.f->Minuterie1->isActive();
            quandModale(
                [&](QWidget* w) {
                    dessus = actif && aide->isVisible();
                    QTest::keyClick(w, Qt::Key_Escape);
                },
                nom);
            p.d.horloge.avancer(61'000);
            p.tic();
            dessus = dessus && QApplication::activeModalWidget() == aide;
            aide->close();
        },
        QStringLiteral("Form3"));
    p.cliquer(p.f->Aide);
    return dessus;
}

class TestAide : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { appliquerApparence(*qApp); }

    // Catches a numbered step or points line run on after the previous one, text cut off at
    // the bottom of its label, a caption cut by its control or a control that shows no focus.
    void miseEnPage() {
        Form2 apropos(nullptr);
        Form3 aide(nullptr);
        for (QWidget* w : std::initializer_list<QWidget*>{&apropos, &aide}) {
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
            QCOMPARE(lisibilite::fautes(w), QString());
        }
        static const QRegularExpression numero(QStringLiteral("\\d°"));
        for (EtiquetteAide* l : {aide.Etiquette2, aide.Etiquette7}) {
            qsizetype debuts = 0;
            for (const QString& ligne : l->lignes()) {
                QVERIFY2(ligne.lastIndexOf(numero) <= 0, qPrintable(ligne));
                debuts += ligne.indexOf(numero) == 0;
            }
            QCOMPARE(debuts, l->text().count(numero));
        }
        QCOMPARE(aide.Etiquette7->lignes().size(), 5);
        for (QLabel* l : aide.findChildren<QLabel*>())
            if (l->wordWrap() && !l->text().isEmpty())
                QVERIFY2(l->heightForWidth(l->width()) <= l->height(), qPrintable(l->objectName()));
    }

    // Catches an example coloured otherwise than the game would colour it.
    void exempleMarqueParLeJeu() {
        Form3 aide(nullptr);
        for (int r = 0; r < 5; ++r) {
            QString mot;
            for (int c = 0; c < 5; ++c)
                mot += aide.Panel3D7(5 * r + c)->text();
            const auto marques = Marquer(Texte5(QStringLiteral("TABLE")), Texte5(mot));
            const bool trouve = mot == QStringLiteral("TABLE");
            QCOMPARE(trouve, r == 4); // the example ends on the word found
            for (int c = 0; c < 5; ++c) {
                const Panel3D* cellule = aide.Panel3D7(5 * r + c);
                QCOMPARE(cellule->backColor(), trouve                       ? couleurs::vertFonce
                                               : marques[c] == Marque::Vert ? couleurs::vert
                                               : marques[c] == Marque::Jaune
                                                   ? couleurs::jaune
                                                   : couleurs::faceBouton);
                QCOMPARE(cellule->foreColor(), trouve ? QColor(224, 224, 224) : couleurs::noir);
            }
        }
    }

    // Catches About stopping the answer clock, the score table leaving it running or resetting
    // it, the focus not given back, or a time-out under Help that cannot show the score table
    // over it and go on.
    void horlogeSousAideEtAPropos() {
        QTemporaryDir dossier;
        PartieDeTest p({"TERRE"}, dossier.filePath(QStringLiteral("S.SCO")));
        p.cliquer(p.f->Nouv_Partie);
        p.tic();
        p.d.horloge.avancer(7000);
        const auto debut = p.e.Debut_Chrono;
        for (Bouton* b : {p.f->A_Propos, p.f->Scores}) {
            bool actif = false;
            quandModale([&](QWidget* d) {
                actif = p.f->Minuterie1->isActive();
                QTest::keyClick(d, Qt::Key_Escape);
            });
            p.cliquer(b);
            QVERIFY(actif == (b == p.f->A_Propos) && p.f->Minuterie1->isActive());
            QVERIFY(p.e.Debut_Chrono == debut && p.focus() == p.boite());
        }
        for (int mot = 1; mot < 10; ++mot) {
            p.proposer(QStringLiteral("terre"));
            QTest::keyClick(p.f->Nouveau, Qt::Key_Return);
        }
        for (int ligne = 1; ligne < 5; ++ligne)
            p.proposer(QStringLiteral("tarte"));
        QVERIFY(expireSousAide(p, QStringLiteral("Form4"))); // line 5 of the tenth word
        QVERIFY(p.f->Num_Mot(1)->text() == "1" && p.focus() == p.boite()); // the next game is on
    }

    // Catches a time-out under Help that validates a found word but cannot open the
    // draw window over Help, or leaves the program unusable once it closes.
    void tirageSousAide() {
        PartieDeTest p;
        p.cliquer(p.f->Avec_Tirage);
        p.cliquer(p.f->Nouv_Partie);
        p.tic();
        p.taper(QStringLiteral("erre")); // goes in by itself, and it is the right word
        QVERIFY(expireSousAide(p, QStringLiteral("Form6")));
        QVERIFY(p.e.Score_J(1) == 25 && p.focus() == p.boite());
    }
};

QTEST_MAIN(TestAide)
#include "tst_aide.moc"
