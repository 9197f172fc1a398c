#include "FiltreRepetition.h"

#include "app/Attente.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimerEvent>
#include <QWidget>

namespace {

// The press of a pair follows its release within a millisecond; repeats come every 30 ms
// or more. A real release reaches the widget this much later.
constexpr int RETENUE_MS = 20;

} // namespace

FiltreRepetition& FiltreRepetition::instance() {
    static QPointer<FiltreRepetition> filtre;
    if (!filtre)
        filtre = new FiltreRepetition(QCoreApplication::instance());
    return *filtre;
}

void FiltreRepetition::appliquer(QWidget* w) {
    w->installEventFilter(&instance());
}

void FiltreRepetition::rendreRelache() {
    minuteur_.stop();
    const std::unique_ptr<QKeyEvent> relache = std::move(relache_);
    if (relache && cible_) {
        renvoye_ = relache.get();
        QCoreApplication::sendEvent(cible_, relache.get());
        renvoye_ = nullptr;
    }
}

void FiltreRepetition::timerEvent(QTimerEvent* ev) {
    // Nothing of the player's reaches the game while it waits: the release waits too.
    if (ev->timerId() == minuteur_.timerId() && !Saisie_Suspendue())
        rendreRelache();
}

bool FiltreRepetition::eventFilter(QObject* objet, QEvent* ev) {
    if (ev == renvoye_ || (ev->type() != QEvent::KeyPress && ev->type() != QEvent::KeyRelease))
        return false;
    return filtrerTouche(objet, static_cast<const QKeyEvent*>(ev));
}

bool FiltreRepetition::filtrerTouche(QObject* objet, const QKeyEvent* touche) {
    const quint64 instant = touche->timestamp();
    if (instant == 0 || touche->isAutoRepeat())
        return false;
    const bool memeTouche = touche->key() == derniereCle_ && instant == dernierInstant_;
    if (touche->type() == QEvent::KeyRelease) {
        rendreRelache(); // an earlier one was real
        relache_.reset(touche->clone());
        cible_ = objet;
        derniereCle_ = touche->key();
        dernierInstant_ = instant;
        minuteur_.start(RETENUE_MS, this);
        return true;
    }
    if (!memeTouche) {
        rendreRelache();
        return false;
    }
    // The pair: no release (unless it came too late to be held), and the press a repeat.
    relache_.reset();
    minuteur_.stop();
    QKeyEvent repetition(QEvent::KeyPress, touche->key(), touche->modifiers(),
                         touche->nativeScanCode(), touche->nativeVirtualKey(),
                         touche->nativeModifiers(), touche->text(), true, touche->count(),
                         touche->device());
    repetition.setTimestamp(instant);
    renvoye_ = &repetition;
    QCoreApplication::sendEvent(objet, &repetition);
    renvoye_ = nullptr;
    return true;
}
