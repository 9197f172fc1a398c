#pragma once
// A command button that Enter presses as well as Space once it has the focus,
// and that is never a default button: Enter in a text box never clicks it.

#include <QPushButton>

class Bouton : public QPushButton {
    Q_OBJECT
public:
    Bouton(QWidget* parent, const QString& nom, const QRect& geometrie, const QString& legende);

protected:
    void keyPressEvent(QKeyEvent* ev) override;
};
