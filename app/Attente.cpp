#include "Attente.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <climits>
#include <optional>

namespace {

bool fermeture = false;

bool saisie(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}

// One filter on the application, counting the waits that take no input: nested waits share
// it, and it goes with the last of them.
class FiltreSaisie final : public QObject {
public:
    static FiltreSaisie& instance() {
        static QPointer<FiltreSaisie> filtre;
        if (!filtre)
            filtre = new FiltreSaisie(QCoreApplication::instance());
        return *filtre;
    }
    void entrer() {
        if (actives_++ == 0)
            QCoreApplication::instance()->installEventFilter(this);
    }
    void sortir() {
        if (--actives_ == 0)
            QCoreApplication::instance()->removeEventFilter(this);
    }
    bool actif() const { return actives_ > 0; }

protected:
    bool eventFilter(QObject*, QEvent* ev) override { return saisie(ev->type()); }

private:
    using QObject::QObject;
    int actives_ = 0;
};

class SansSaisie {
public:
    SansSaisie() { FiltreSaisie::instance().entrer(); }
    ~SansSaisie() { FiltreSaisie::instance().sortir(); }
    SansSaisie(const SansSaisie&) = delete;
    SansSaisie& operator=(const SansSaisie&) = delete;
};

} // namespace

bool Attendre(IHorloge& horloge, std::int64_t ms, Saisie permise,
              const std::function<bool()>& interrompre) {
    if (fermeture)
        return false;
    std::optional<SansSaisie> sansSaisie;
    if (permise == Saisie::Ignoree)
        sansSaisie.emplace();
    const std::int64_t fin = horloge.monotoneMs() + ms;
    QTimer reveil;
    reveil.setSingleShot(true);
    reveil.setTimerType(Qt::PreciseTimer);
    for (std::int64_t reste = ms; reste > 0; reste = fin - horloge.monotoneMs()) {
        const std::int64_t sommeil = horloge.sommeil(reste);
        if (sommeil > 0) {
            reveil.start(static_cast<int>(std::min<std::int64_t>(sommeil, INT_MAX)));
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        } else {
            QCoreApplication::processEvents(); // the time passed: one pass to show it
        }
        if (fermeture || (interrompre && interrompre()))
            return false;
    }
    return true;
}

void Signaler_Fermeture(bool f) {
    fermeture = f;
}

bool Fermeture_Signalee() {
    return fermeture;
}

bool Saisie_Suspendue() {
    return FiltreSaisie::instance().actif();
}
