// Long use: plays N complete games through the real windows, offscreen, as fast as the
// windows go (2 players, bonus draw on, the score table or the low-score notice at each
// end, "Scores..." every 7th game, "A propos..." and "Aide" every 10th), and prints
// resident memory along the way.
// Sounds are counted, the clock moves only when told, every pause is instant.
// Usage: soak [GAMES]   (default 3000)

#include "app/EtatJeu.h"
#include "app/ListesMots.h"
#include "app/Services.h"
#include "app/controles/Apparence.h"
#include "app/controles/Bouton.h"
#include "app/controles/Image.h"
#include "bonus/Carte.h"
#include "game/Form1.h"
#include "scores/FichierScores.h"

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

// Counts what was played: a recording that keeps every call would itself grow.
class SonCompteur final : public ISon {
public:
    void jouer(const QString& fichier, ModeSon) override { ++joues[fichier]; }
    void bip() override { ++bips; }
    std::map<QString, long> joues;
    long bips = 0;
};

// Moved on by hand: by every pass of the event loop (see main), so that each wait of the
// windows ends after a few passes, and by each line typed.
class HorlogeManuelle final : public IHorloge {
public:
    double heureDuJour() const override { return 36000.0 + static_cast<double>(ms) / 1000.0; }
    std::int64_t monotoneMs() const override { return ms; }
    std::int64_t ms = 1'000'000;
};

class HasardFixe final : public IHasard {
public:
    void reensemencer(double) override {} // the same games at every run
    double suivant() override { return std::uniform_real_distribution<>(0.0, 1.0)(gen); }
    std::mt19937_64 gen{13};
};

constexpr std::int64_t PAS_HORLOGE_MS = 50;

long rssKo() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& l : f.readAll().split('\n'))
        if (l.startsWith("VmRSS:"))
            return l.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

void cliquer(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(3, 3));
}

void taper(QWidget* boite, const QString& texte) {
    for (const QChar c : texte)
        for (const auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent ev(type, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(boite, &ev);
        }
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
    SonCompteur son;
    HorlogeManuelle horloge;
    HasardFixe hasard;
    QTemporaryDir dossier;
    std::mt19937 joueur{1252}; // the players' guesses
    Form1* f = nullptr;

    QLineEdit* boite() const { return f->Mot_J(e.Joueur); }

    // Opens the window on the real word lists, with the score file in a fresh folder.
    explicit Partie(const QString& dossierListes) {
        e.Saut_Ligne = QStringLiteral("\r\n");
        e.Niveau = e.Joueur = e.Nb_Joueurs = 1;
        QStringList rangs;
        for (int i = 1; i <= LIGNES_SCORES; ++i)
            rangs << QStringLiteral("%1  ").arg(i);
        e.Texte_Rangs = rangs.join(e.Saut_Ligne);
        for (int n = 1; n <= 3; ++n)
            if (!Charger_Liste(e, n, QDir(dossierListes).filePath(nomListe(n))))
                qFatal("liste %d introuvable dans %s", n, qPrintable(dossierListes));
        e.Fichier_Scores = dossier.filePath(QString::fromLatin1(NOM_FICHIER_SCORES));
        Charger_Scores(e, e.Fichier_Scores);
        Remplir_Alignements(e);
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
            horloge.ms += 1500;
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
    Form1 form1(p.e, Services{p.son, p.horloge, p.hasard});
    p.f = &form1;
    form1.setPauseLettresMs(0);
    form1.show();
    QApplication::processEvents(); // the rest of the construction, once shown

    // Modal windows run event loops of their own: they are answered from a timer, which
    // also moves the clock on at each pass.
    QTimer modales;
    long numero = 0;
    // The answer is queued rather than given in the timer's own slot: a wait it leads to
    // (the flash of a paid line) runs a loop of its own, in which the timer, not being in
    // its slot, goes on moving the clock until the wait ends.
    bool enCours = false;
    QObject::connect(&modales, &QTimer::timeout, [&] {
        p.horloge.ms += PAS_HORLOGE_MS;
        if (std::exchange(enCours, true))
            return;
        QTimer::singleShot(0, &modales, [&] {
            repondreFenetreModale(numero);
            enCours = false;
        });
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
    for (numero = 1; numero <= parties; ++numero) {
        p.jouerPartie(numero);
        if (reperes.count(numero)) {
            QApplication::processEvents();
            std::printf("%8ld %10ld %12zu %8lld\n", numero, rssKo(), mallinfo2().uordblks / 1024,
                        static_cast<long long>(QApplication::allWidgets().size()));
            std::fflush(stdout);
        }
    }
    long fanfares = p.son.joues[QStringLiteral("fanfare.wav")];
    std::printf("sons : %ld bips, %ld fanfares ; scores enregistrés : %d\n", p.son.bips, fanfares,
                p.e.Nb_Scores);
    return 0;
}
