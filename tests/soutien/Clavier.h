#pragma once
// The player's hands: keys as a keyboard delivers them, clicks.

#include <QEvent>
#include <QString>

class QWidget;

/** Key by key, each carrying its text, as a keyboard (dead keys included) delivers it. */
void taper(QWidget* w, const QString& texte);

/** A key as X11 delivers it: with the server's timestamp, flagged as a repeat only if asked. */
void touche(QWidget* w, QEvent::Type type, int cle, quint64 instant, bool repetee = false);

/** A left click near the control's top-left corner. */
void cliquer(QWidget* w);
