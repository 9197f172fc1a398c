// The end of a game on the real windows: ranking, the score table with name
// entry or the low-score notice, the saved file, and the next game.

#include "Doubles.h"
#include "app/Apparence.h"
#include "bonus/Carte.h"
#include "game/Bouton.h"
#include "game/Form1.h"
#include "game/Panel3D.h"
#include "scores/FichierScores.h"

#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace {

struct Jeu {
    EtatJeu e;
    ServicesDeTest d;
    std::unique_ptr<Form1> f;

    explicit Jeu(const QString& fichierScores) {
        e.Saut_Ligne = QStringLiteral("\r\n");
        e.Niveau = 1;
        e.Joueur = 1;
        e.Nb_Joueurs = 1;
        QStringList rangs;
        for (int i = 1; i <= 12; ++i)
            rangs << QStringLiteral("%1  ").arg(i);
        e.Texte_Rangs = rangs.join(e.Saut_Ligne);
        for (int n = 1; n <= 3; ++n) {
            e.Liste_Mots(n, 1) = Texte5(QStringLiteral("TERRE"));
            e.Nb_Mots(n) = 1;
        }
        Remplir_Alignements(e);
        e.Fichier_Scores = fichierScores;
        Charger_Scores(e, fichierScores);
        f = std::make_unique<Form1>(e, d.services());
        f->setPauseLettresMs(0);
        f->show();
        f->activateWindow();
        if (!QTest::qWaitForWindowActive(f.get()))
            qWarning("window not active: focus checks will fail");
    }

    QLineEdit* boite() const { return f->Mot_J(e.Joueur); }
    void trouver() const {
        boite()->setText(QStringLiteral("TERRE"));
        QTest::keyClick(boite(), Qt::Key_Return);
    }
    void tic() const {
        QTimerEvent ev(f->Minuterie1->timerId());
        QCoreApplication::sendEvent(f->Minuterie1, &ev);
    }
};

// Runs `dansLaFenetre` on the modal window as soon as it is up (the spelled
// solution runs short event loops of its own before the window opens).
void quandModale(std::function<void(QDialog*)> dansLaFenetre) {
    auto* attente = new QTimer(qApp);
    attente->setInterval(5);
    QObject::connect(attente, &QTimer::timeout, [attente, dansLaFenetre] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            attente->stop();
            attente->deleteLater();
            dansLaFenetre(d);
        }
    });
    attente->start();
}

template <typename T> T* controle(QWidget* fenetre, const char* nom) {
    auto* w = fenetre->findChild<T*>(QString::fromUtf8(nom));
    if (!w)
        qWarning("missing control %s", nom);
    return w;
}

QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestFinPartie : public QObject {
    Q_OBJECT

    QTemporaryDir dossier;
    QString fichier() const { return dossier.filePath(QStringLiteral("VERLO-SB.SCO")); }

private slots:
    void initTestCase() { appliquerApparence(*qApp); }
    void init() { QFile::remove(fichier()); }

    // Catches a qualifying game that does not reach name entry, a name not
    // saved in the file's exact format, or a table not read back at the next start.
    void partieClasseeEtEnregistree() {
        {
            Jeu j(fichier());
            j.e.Son_Actif = true;
            QTest::mouseClick(j.f->Nouv_Partie, Qt::LeftButton);
            j.tic();
            for (int mot = 1; mot < 10; ++mot) {
                j.trouver();
                QTest::keyClick(j.f->Nouveau, Qt::Key_Return);
            }
            QCOMPARE(j.d.son.joues.count(QStringLiteral("fanfare.wav:async")), 0);
            bool vue = false;
            quandModale([&](QDialog* d) {
                vue = true;
                QCOMPARE(d->objectName(), QStringLiteral("Form4"));
                QCOMPARE(d->windowTitle(), QStringLiteral("TABLEAU   DES   SCORES"));
                // The fanfare was started, without waiting, before the table opened.
                QCOMPARE(j.d.son.joues.last(), QStringLiteral("fanfare.wav:async"));
                auto* cadre1 = controle<QGroupBox>(d, "Cadre_J(1)");
                auto* cadre2 = controle<QGroupBox>(d, "Cadre_J(2)");
                auto* nom1 = controle<QLineEdit>(d, "Nom_Sc(1)");
                QVERIFY(cadre1 && cadre2 && nom1);
                QVERIFY(cadre1->isVisible());
                QCOMPARE(cadre1->title(), QStringLiteral("Joueur 1"));
                QVERIFY(!cadre2->isVisible());
                QCOMPARE(QApplication::focusWidget(), nom1);
                QTest::keyClicks(nom1, QStringLiteral("NAME"));
                QTest::keyClick(nom1, Qt::Key_Return); // moves on, saves nothing
                QVERIFY(!QFile::exists(fichier()));
                QTest::mouseClick(controle<QPushButton>(d, "Valider"), Qt::LeftButton);
                QCOMPARE(lire(fichier()), QByteArray("\"NAME\",\" 250\"\r\n"));
                QTest::mouseClick(controle<QPushButton>(d, "Annuler"), Qt::LeftButton);
            });
            j.trouver(); // the tenth word ends the game
            QVERIFY(vue);
            // The next game has started.
            QCOMPARE(j.f->Score(1)->text(), QStringLiteral("000"));
            QCOMPARE(j.f->Num_Mot(1)->text(), QStringLiteral("1"));
            QCOMPARE(j.e.Tab_Scores(1, 1), QStringLiteral("NAME"));
            QVERIFY(!j.e.Qualifie(1));
        }
        // Next start: "Scores..." shows the name at rank 1.
        Jeu j(fichier());
        bool vue = false;
        quandModale([&](QDialog* d) {
            vue = true;
            QVERIFY(!controle<QGroupBox>(d, "Cadre_J(1)")->isVisible());
            QVERIFY(!controle<QPushButton>(d, "Valider")->isVisible());
            QCOMPARE(controle<QLabel>(d, "Nom")->text().section(QLatin1Char('\n'), 0, 0),
                     QStringLiteral("NAME  "));
            QCOMPARE(controle<QLabel>(d, "Pt_Score")->text().section(QLatin1Char('\n'), 0, 0),
                     QStringLiteral(" 250  "));
            QCOMPARE(controle<QLabel>(d, "Place")->text().section(QLatin1Char('\n'), 0, 0),
                     QStringLiteral("1  "));
            d->close();
        });
        QTest::mouseClick(j.f->Scores, Qt::LeftButton);
        QVERIFY(vue);
        QVERIFY(!j.f->Minuterie1->isActive()); // no answer box shown: the clock stays off
    }

    // Catches a game of 0 points reaching the table, or no new game after the notice.
    void partieSansPoints() {
        Jeu j(fichier());
        QTest::mouseClick(j.f->Nouv_Partie, Qt::LeftButton);
        for (int mot = 1; mot < 10; ++mot)
            QTest::mouseClick(j.f->Nouveau, Qt::LeftButton);
        bool vue = false;
        quandModale([&](QDialog* d) {
            vue = true;
            QCOMPARE(d->objectName(), QStringLiteral("Form5"));
            QCOMPARE(d->windowTitle(), QStringLiteral("Contrôle des Scores"));
            auto* daccord = controle<QPushButton>(d, "Daccord");
            QVERIFY(daccord);
            QCOMPARE(daccord->text(), QStringLiteral("D'ACCORD !"));
            QTest::mouseClick(daccord, Qt::LeftButton);
        });
        QTest::mouseClick(j.f->Nouveau, Qt::LeftButton); // would start word 11
        QVERIFY(vue);
        QCOMPARE(j.f->Num_Mot(1)->text(), QStringLiteral("1"));
        QVERIFY(j.f->Minuterie1->isActive());
        QVERIFY(!QFile::exists(fichier()));
        QVERIFY(j.d.son.joues.isEmpty()); // sound off: no bleat, no fanfare
    }

    // Catches the answer clock left running under the table, reset by it, or not
    // restarted when the table closes in any way.
    void scoresPendantUnMot() {
        Jeu j(fichier());
        QTest::mouseClick(j.f->Nouv_Partie, Qt::LeftButton);
        j.d.horloge.avancer(7000);
        const auto debut = j.e.Debut_Chrono;
        for (const auto fermer : {0, 1, 2}) {
            bool vue = false;
            quandModale([&](QDialog* d) {
                vue = true;
                QVERIFY(!j.f->Minuterie1->isActive());
                if (fermer == 0)
                    QTest::mouseClick(controle<QPushButton>(d, "Annuler"), Qt::LeftButton);
                else if (fermer == 1)
                    QTest::keyClick(d, Qt::Key_Escape);
                else
                    d->close();
            });
            QTest::mouseClick(j.f->Scores, Qt::LeftButton);
            QVERIFY(vue);
            QVERIFY(j.f->Minuterie1->isActive());
            QCOMPARE(j.f->focusWidget(), j.f->Mot_J(1));
            QCOMPARE(j.e.Debut_Chrono, debut);
        }
    }
};

QTEST_MAIN(TestFinPartie)
#include "tst_fin_partie.moc"
