// Long use: plays N complete games through the real windows, offscreen, as fast as the
// windows go (2 players, bonus draw on, the score table or the low-score notice at each
// end, "Scores..." every 7th game, "A propos..." and "Aide" every 10th), and prints
// resident memory along the way.
// The tests' doubles: sounds counted, the clock moved only when told, every wait instant.
// Usage: soak [GAMES]   (default 3000)

#include "Clavier.h"
#include "Doubles.h"
#include "Etat.h"
#include "app/EtatJeu.h"
#include "app/ListesMots.h"
#include "app/controles/Apparence.h"
#include "app/controles/Bouton.h"
#include "app/controles/Image.h"
#include "game/Form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <malloc.h>
#include <map>
#include <random>
#include <set>
#include <utility>

namespace {

long rssKo() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& l : f.readAll().split('\n'))
        if (l.startsWith("VmRSS:"))
            return l.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

template <typename T = QWidget> T* controle(QWidget* fenetre, const QString& nom) {
    return fenetre->findChild<T*>(nom);
}

// Answers whatever modal window is up, as a player would, and says whether there was one.
bool repondreFenetreModale(long partie) {
    QWidget* d = QApplication::activeModalWidget();
    if (!d)
        return false;
    const QString nom = d->objectName();
    if (nom == QLatin1String("Form4")) { // the score table: names in, saved, closed
        bool saisie = false;
        for (int j = 1; j <= 2; ++j)
            if (auto* boite = controle<QLineEdit>(d, indice("Nom_Sc", j));
                boite && boite->isVisible()) {
                boite->setText(QStringLiteral("J%1 partie %2").arg(j).arg(partie));
                saisie = true;
            }
        if (saisie)
            cliquer(controle(d, QStringLiteral("Valider")));
        cliquer(controle(d, QStringLiteral("Annuler")));
    } else if (nom == QLatin1String("Form5")) { // the low-score notice
        cliquer(controle(d, QStringLiteral("Daccord")));
    } else if (nom == QLatin1String("Form2")) { // "A propos..."
        cliquer(controle(d, QStringLiteral("OK")));
    } else if (nom == QLatin1String("Form3")) { // "Aide"
        cliquer(controle(d, QStringLiteral("Quitter")));
    } else if (nom == QLatin1String("Form6")) { // the bonus draw: spin, draw, cover, close
        // One step a pass, so that the spin shows at least one picture. "Placer" stays on
        // after a covering: it is pressed once after each draw.
        static bool tire = false;
        const auto bouton = [d](const char* n) {
            auto* b = controle<QAbstractButton>(d, QString::fromUtf8(n));
            return b->isEnabled() ? b : nullptr;
        };
        if (auto* tirer = bouton("Tirer")) {
            cliquer(tirer);
            tire = true;
        } else if (auto* placer = bouton("Placer"); placer && tire) {
            cliquer(placer);
            tire = false;
        } else if (auto* melanger = bouton("Mélanger")) {
            cliquer(melanger);
        } else {
            cliquer(controle(d, QStringLiteral("Fermer")));
            tire = false;
        }
    } else {
        static std::set<QString> vues;
        if (vues.insert(nom).second)
            std::fprintf(stderr, "fenêtre modale inattendue « %s » : fermée\n", qPrintable(nom));
        d->close();
    }
    return true;
}

struct Partie {
    EtatJeu e;
    ServicesDeTest d;
    QTemporaryDir dossier; // the program's folder: the real lists, the score table
    Emplacements emplacements;
    std::mt19937 joueur{1252}; // the players' guesses
    Form1* f = nullptr;

    QLineEdit* boite() const { return f->Mot_J(e.Joueur); }

    // Starts as the game starts, on the real word lists copied beside a program of its own.
    explicit Partie(const QString& dossierListes) {
        d.hasard.pas = 0.6180339887; // draws spread over [0, 1), the same at every run
        for (int n = 1; n <= 3; ++n)
            QFile::copy(QDir(dossierListes).filePath(nomListe(n)), dossier.filePath(nomListe(n)));
        DialoguesFactices ui;
        if (!Charger_Donnees(e, dossier.path(), ui, emplacements))
            qFatal("listes introuvables dans %s", qPrintable(dossierListes));
    }

    // The answer clock's tick, as its period would have given it.
    void tic() const {
        QTimerEvent ev(f->Minuterie1->timerId());
        QCoreApplication::sendEvent(f->Minuterie1, &ev);
    }

    // One word of the current player: up to five lines, the right word more often than not.
    void jouerMot() {
        for (int ligne = 1; ligne <= 5 && !e.Mot_Fini; ++ligne) {
            const int n = e.Nb_Mots(e.Niveau);
            const QString essai =
                std::uniform_int_distribution<>(0, 2)(joueur) == 0
                    ? e.Mot_Cherche.texte()
                    : e.Liste_Mots(e.Niveau, 1 + static_cast<int>(joueur() % n)).texte();
            boite()->selectAll();
            taper(boite(), essai.toLower());
            d.horloge.avancer(1500);
            QTest::keyClick(boite(), Qt::Key_Return);
        }
    }

    // One game of ten words each, from the game already under way.
    void jouerPartie(long numero) {
        cliquer(f->Difficulté(1 + static_cast<int>(numero % 3))); // starts the game afresh
        tic();
        if (numero % 7 == 0) // "Scores..." during a word
            cliquer(f->Scores);
        if (numero % 10 == 0) { // and the two other windows of the main window
            cliquer(f->A_Propos);
            cliquer(f->Aide);
        }
        for (int mot = 1; mot <= 20; ++mot) {
            jouerMot();
            if (mot < 20)
                cliquer(f->Nouveau);
        }
    }
};

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    appliquerApparence(app);
    const long parties = argc > 1 ? std::atol(argv[1]) : 3000;

    Partie p(QStringLiteral(VERLO_DOSSIER_LISTES));
    Form1 form1(p.e, p.d.services(), p.emplacements);
    p.f = &form1;
    form1.show();
    QApplication::processEvents(); // the rest of the construction, once shown

    // Modal windows run event loops of their own: they are answered from a timer. The game's
    // waits pass at once on the clock of the tests.
    QTimer modales;
    long numero = 0;
    bool enCours = false; // an answer's own waits must not answer again
    QObject::connect(&modales, &QTimer::timeout, [&] {
        if (!std::exchange(enCours, true)) {
            repondreFenetreModale(numero);
            enCours = false;
        }
    });
    modales.start(0);

    cliquer(form1.Nb_J(2));
    cliquer(form1.Avec_Tirage);
    cliquer(form1.Son_Off); // the loudspeaker on: every effect reaches the sound interface
    if (!p.e.Son_Actif) {
        std::fprintf(stderr, "le haut-parleur ne répond pas : son allumé directement\n");
        p.e.Son_Actif = true;
    }
    if (!p.e.Tirage_Actif || p.e.Nb_Joueurs != 2 || !p.e.Son_Actif)
        qFatal("options non prises");

    const std::set<long> reperes{1, 100, 500, 1000, 1500, 2000, 2500, 3000, parties};
    std::printf("%8s %10s %12s %8s\n", "parties", "RSS (kB)", "tas (kB)", "widgets");
    long fanfares = 0;
    for (numero = 1; numero <= parties; ++numero) {
        p.jouerPartie(numero);
        fanfares += p.d.son.joues.count(QStringLiteral("fanfare.wav:async"));
        p.d.son.joues.clear(); // a record of every sound would itself grow
        if (reperes.count(numero)) {
            QApplication::processEvents();
            std::printf("%8ld %10ld %12zu %8lld\n", numero, rssKo(), mallinfo2().uordblks / 1024,
                        static_cast<long long>(QApplication::allWidgets().size()));
            std::fflush(stdout);
        }
    }
    std::printf("sons : %ld bips, %ld fanfares ; scores enregistrés : %d\n", p.d.son.bips, fanfares,
                p.e.Nb_Scores);
    return 0;
}
