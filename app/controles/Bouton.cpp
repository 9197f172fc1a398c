#include "Bouton.h"

#include "FiltreRepetition.h"

#include <QKeyEvent>

Bouton::Bouton(QWidget* parent, const QString& nom, const QRect& geometrie, const QString& legende)
    : QPushButton(legende, parent) {
    setObjectName(nom);
    setGeometry(geometrie);
    setAutoDefault(false);
    setDefault(false);
    FiltreRepetition::appliquer(this); // a held Enter presses it once
}

void Bouton::keyPressEvent(QKeyEvent* ev) {
    if ((ev->key() == Qt::Key_Return || ev->key() == Qt::Key_Enter) && !ev->isAutoRepeat()) {
        click();
        return;
    }
    QPushButton::keyPressEvent(ev);
}
