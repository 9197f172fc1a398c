#pragma once
// The player's hands: keys as a keyboard delivers them, clicks.

#include <QKeyEvent>
#include <QTest>
#include <QWidget>

/** Key by key, each carrying its text, as a keyboard (dead keys included) delivers it. */
inline void taper(QWidget* w, const QString& texte) {
    for (const QChar c : texte)
        for (const auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent ev(type, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(w, &ev);
        }
}

/** A key as X11 delivers it: with the server's timestamp, flagged as a repeat only if asked. */
inline void touche(QWidget* w, QEvent::Type type, int cle, quint64 instant, bool repetee = false) {
    QKeyEvent ev(type, cle, Qt::NoModifier, cle == Qt::Key_Return ? "\r" : QString(), repetee);
    ev.setTimestamp(instant);
    QCoreApplication::sendEvent(w, &ev);
}

/** A left click near the control's top-left corner. */
inline void cliquer(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(3, 3));
}
