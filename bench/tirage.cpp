// The spin of the bonus draw: pictures shown per second, and the processor time it takes.
// Opens the draw window on a fresh card with the real clock, presses "Mélanger" and counts
// for SECONDS the pictures painted in the spinning box and the spin's steps.
// Usage: tirage [SECONDS]   (default 5; run on the display to be measured)

#include "Doubles.h"
#include "app/EtatJeu.h"
#include "app/Services.h"
#include "app/controles/Apparence.h"
#include "app/controles/Bouton.h"
#include "bonus/BoiteTuile.h"
#include "bonus/Carte.h"
#include "bonus/Form6.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace {

class CompteurDessins final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* ev) override {
        if (ev->type() == QEvent::Paint)
            ++dessins;
        return false;
    }
    long dessins = 0;
};

double tempsProcesseurS() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    appliquerApparence(app);
    const double secondes = argc > 1 ? std::atof(argv[1]) : 5.0;

    EtatJeu e;
    SonEnregistreur son; // the spin plays nothing; the rest is the real thing
    HorlogeSysteme horloge;
    HasardSysteme hasard;
    const Services services{son, horloge, hasard};
    e.Joueur = e.Nb_Joueurs = 1;
    Remplir_Alignements(e);
    Nouvelles_Grilles(e, hasard, horloge);

    Form6 tirage(e, services, nullptr, {});
    tirage.show();
    if (!QTest::qWaitForWindowExposed(&tirage))
        qFatal("fenêtre de tirage jamais montrée");
    QTest::qWait(300);

    CompteurDessins compteur;
    tirage.Img_Mélange->installEventFilter(&compteur);
    long pas = 0;
    QObject::connect(tirage.Melange, &QTimer::timeout, [&pas] { ++pas; });
    QTest::mouseClick(tirage.Mélanger, Qt::LeftButton);
    const double processeur = tempsProcesseurS();
    QElapsedTimer chrono;
    chrono.start();
    QTimer::singleShot(static_cast<int>(secondes * 1000), &app, &QCoreApplication::quit);
    QApplication::exec();
    const double duree = static_cast<double>(chrono.nsecsElapsed()) / 1e9;
    std::printf("tirage : %.0f images/s peintes, %.0f pas/s, processeur %.0f %%, plate-forme %s\n",
                static_cast<double>(compteur.dessins) / duree, static_cast<double>(pas) / duree,
                100.0 * (tempsProcesseurS() - processeur) / duree,
                qPrintable(QGuiApplication::platformName()));
    return 0;
}
