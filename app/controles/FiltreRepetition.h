#pragma once
// A held key under X11 mostly arrives as release/press pairs that Qt does not flag as
// repeats: without this filter a held Enter validates a line per repeat, starts word after
// word, or presses the button the focus has just moved to.

#include <QBasicTimer>
#include <QObject>
#include <QPointer>
#include <memory>

class QKeyEvent;
class QWidget;

/**
 * One filter shared by every widget it is applied to, since a held key may move the focus
 * from one to another. A release followed by a press of the same key with the same
 * timestamp is a repeat, like an event Qt flags as one: the release is held back a moment
 * until it is known not to be one, and the pair counts as no release while the press
 * reaches the widget flagged as a repeat (isAutoRepeat()). Events without a timestamp
 * (synthesised ones) pass untouched.
 */
class FiltreRepetition final : public QObject {
public:
    /** Filters w's key events; apply it after w's other filters so that it runs first. */
    static void appliquer(QWidget* w);

protected:
    bool eventFilter(QObject* objet, QEvent* ev) override;
    void timerEvent(QTimerEvent* ev) override;

private:
    using QObject::QObject;
    static FiltreRepetition& instance();
    bool filtrerTouche(QObject* objet, const QKeyEvent* touche);
    void rendreRelache();

    std::unique_ptr<QKeyEvent> relache_; // the release held back, and its widget
    QPointer<QObject> cible_;
    int derniereCle_ = 0; // the last release seen, held or delivered
    quint64 dernierInstant_ = 0;
    const QEvent* renvoye_ = nullptr; // an event this filter sends itself
    QBasicTimer minuteur_;
};
