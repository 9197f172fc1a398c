#include "FiltreRepetition.h"

#include <QCoreApplication>
#include <QKeyEvent>

FiltreRepetition::FiltreRepetition(QObject* parent) : QObject(parent) {
    QCoreApplication::instance()->installEventFilter(this);
}

FiltreRepetition::~FiltreRepetition() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool FiltreRepetition::eventFilter(QObject* objet, QEvent* ev) {
    if (ev->type() == QEvent::KeyRelease) {
        const auto* touche = static_cast<QKeyEvent*>(ev);
        if (!touche->isAutoRepeat()) {
            touche_ = touche->key();
            instant_ = touche->timestamp();
        }
    } else if (ev->type() == QEvent::KeyPress) {
        // A time of 0 is a press made by the program, not by the keyboard.
        const auto* appui = static_cast<QKeyEvent*>(ev);
        if (appui->isAutoRepeat() ||
            (appui->timestamp() != 0 && appui->key() == touche_ && appui->timestamp() == instant_))
            return true;
    }
    return QObject::eventFilter(objet, ev);
}
