#pragma once
// The notice shown at the end of a game when no score enters the table: a sheep
// bleats (sound on) and opens its mouth until the players close the window.

#include "app/EtatJeu.h"
#include "app/Services.h"
#include "app/Tableau.h"

#include <QDialog>

class Bouton;
class Image;
class Panel3D;
class QTimer;

inline const QString TITRE_FORM5 = QStringLiteral("Contrôle des Scores");

/**
 * Modal, built afresh for each opening; the animation runs from construction on. Every way
 * of closing it is "D'ACCORD !" and ends in Accepted, a tick in progress included.
 */
class Form5 : public QDialog {
    Q_OBJECT
public:
    /** `principale`: the main window, which the notice is placed against. */
    Form5(const EtatJeu& etat, const Services& services, QWidget* principale);

    Panel3D* Panel3D1 = nullptr;
    Tableau<Image*, 1, 2> Image1;
    QTimer* Minuterie1 = nullptr;
    Bouton* Daccord = nullptr;

    /** Escape and the title bar's close button close the window as "D'ACCORD !" does. */
    void reject() override;
    /** Also stops the animation. */
    void done(int resultat) override;

private:
    void Form_Load(QWidget* principale);
    void Minuterie1_Timer();
    void Daccord_Click();

    const EtatJeu& e;
    Services s;
    std::int64_t prochainTick_ = 0; // monotonic ms: when the next tick falls due
    bool fermee_ = false;
};
