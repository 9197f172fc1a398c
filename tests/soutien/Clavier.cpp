#include "Clavier.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>

void taper(QWidget* w, const QString& texte) {
    for (const QChar c : texte)
        for (const auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent ev(type, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(w, &ev);
        }
}

void touche(QWidget* w, QEvent::Type type, int cle, quint64 instant, bool repetee) {
    QKeyEvent ev(type, cle, Qt::NoModifier, cle == Qt::Key_Return ? "\r" : QString(), repetee);
    ev.setTimestamp(instant);
    QCoreApplication::sendEvent(w, &ev);
}

void cliquer(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(3, 3));
}
