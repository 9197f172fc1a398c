#pragma once
// The About window: the product name, its icon and the version.

#include <QDialog>

class Bouton;
class Image;
class Panel3D;
class QLabel;

inline const QString TITRE_FORM2 = QStringLiteral("A propos de VERLO");

/**
 * Modal, built afresh for each opening. Every way of closing it is "OK"; the caller gives
 * the answer box its focus back once exec() returns.
 */
class Form2 : public QDialog {
    Q_OBJECT
public:
    /** `principale`: the main window, which the window is placed against. */
    explicit Form2(QWidget* principale);

    Image* Image1 = nullptr;
    Panel3D* VERLO = nullptr;
    QLabel* Etiquette3 = nullptr;
    Bouton* OK = nullptr;

    /** Escape and the title bar's close button close the window as "OK" does. */
    void reject() override;

private:
    void Form_Load(QWidget* principale);
    void OK_Click();
};
