// VERLO: start-up. Loads what the game needs, then lives on window events.

#include "app/EtatJeu.h"
#include "app/Reglages.h"
#include "app/controles/Apparence.h"
#include "demarrage/Demarrage.h"
#include "demarrage/DialoguesChargement.h"
#include "demarrage/Verification.h"
#include "extras/SonPlateforme.h"
#include "game/Form1.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <csignal>
#include <functional>

namespace {

// Runs `plusTard` once the window's first paint is done, out of the user's first wait.
void apresPremierDessin(QWidget& fenetre, std::function<void()> plusTard) {
    class Guetteur final : public QObject {
    public:
        Guetteur(QObject* parent, std::function<void()> f) : QObject(parent), f_(std::move(f)) {}
        bool eventFilter(QObject* objet, QEvent* ev) override {
            if (ev->type() == QEvent::Paint) {
                objet->removeEventFilter(this);
                // Queued: the painted picture goes to the screen first.
                QTimer::singleShot(0, this, [this] {
                    f_();
                    deleteLater();
                });
            }
            return false;
        }

    private:
        std::function<void()> f_;
    };
    fenetre.installEventFilter(new Guetteur(&fenetre, std::move(plusTard)));
}

void nommerProgramme() {
    QCoreApplication::setApplicationName(QStringLiteral("verlo"));
    QCoreApplication::setOrganizationName(QStringLiteral("verlo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VERLO_VERSION));
}

} // namespace

int main(int argc, char* argv[]) {
    // Under a file-size limit a write fails and is reported (the score table), or is done
    // without (the libraries' caches), instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // The packaging's check that an installed copy finds its files; needs no display.
    if (argc == 2 && qstrcmp(argv[1], "--verifier-installation") == 0) {
        QCoreApplication app(argc, argv);
        nommerProgramme();
        return verifierInstallation();
    }

    QApplication app(argc, argv);
    nommerProgramme();
    // The desktop entry's name: the desktop matches the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(VERLO_ID));
    appliquerApparence(app);

    EtatJeu etat;
    HorlogeSysteme horloge;
    SonPlateforme son(QCoreApplication::applicationDirPath(), horloge);
    HasardSysteme hasard;
    const Services services{son, horloge, hasard};

    QApplication::setOverrideCursor(Qt::WaitCursor);
    DialoguesChargementQt dialogues;
    Emplacements emplacements;
    if (!Charger_Donnees(etat, QCoreApplication::applicationDirPath(), dialogues, emplacements))
        return 1;

    Form1 form1(etat, services, emplacements, Lire_Reglages(emplacements.reglages));
    // Back to the arrow before the window maps, so that it never needs a cursor of its own.
    QApplication::restoreOverrideCursor();
    form1.show();
    // Qt's French texts serve only the dialogs and edit menus: loaded once the window has
    // been drawn (a load-failure dialog loads them itself).
    apresPremierDessin(form1, installerTraductionsQt);
    return QApplication::exec();
}
