// The answer clock runs on under Help and About, and what falls due there opens over Help.

#include "PartieDeTest.h"

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
