#pragma once

#include <QObject>

/**
 * Lets a held key press once. X11 sends a held key as release/press pairs that Qt flags
 * as repeats only now and then; a press carrying the same key and the same time as the
 * release just before it is one of them. Such presses, and those Qt flags, never reach
 * a control: a held Enter or Space presses one button, not each button the focus moves
 * to. Watches the whole application while it exists.
 */
class FiltreRepetition final : public QObject {
    Q_OBJECT
public:
    explicit FiltreRepetition(QObject* parent);
    ~FiltreRepetition() override;

protected:
    bool eventFilter(QObject* objet, QEvent* ev) override;

private:
    int touche_ = 0;
    quint64 instant_ = 0;
};
