#pragma once
// The bonus draw window: the current player draws up to three balls from the bag and
// covers their cells; a complete line pays 30 points and deals the player a new card.

#include "app/EtatJeu.h"
#include "app/Services.h"
#include "app/Tableau.h"

#include <QDialog>
#include <functional>

class BoiteTuile;
class Bouton;
class Panel3D;
class QTimer;

inline const QString TITRE_FORM6 = QStringLiteral(" Tirage");

/**
 * Modal, built afresh for each opening. Works on the card of Joueur. Every way of closing
 * it is "Fermer"; a close asked for during the applause or the flash of a paid line waits
 * until the flash has ended.
 */
class Form6 : public QDialog {
    Q_OBJECT
public:
    /**
     * `principale`: the main window, which the window is placed against. `montrerScores`
     * shows Score_J on the main window: the current player's caption and both lead colours.
     */
    Form6(EtatJeu& etat, const Services& services, QWidget* principale,
          std::function<void()> montrerScores);

    Tableau<BoiteTuile*, 1, 25> Grille;
    BoiteTuile* Img_Mélange = nullptr;
    Bouton* Mélanger = nullptr;
    Bouton* Tirer = nullptr;
    Bouton* Placer = nullptr;
    Tableau<BoiteTuile*, 1, 3> Boule;
    Panel3D* Gagne = nullptr;
    Bouton* Fermer = nullptr;
    QTimer* Melange = nullptr; // the spin: one picture per pass of the event loop

    /** Pays a complete line of the card, if there is one. Called after each covering. */
    void Contrôler();

    /** Escape and the title bar's close button close the window as "Fermer" does. */
    void reject() override;
    /** Also stops the spin. */
    void done(int resultat) override;

protected:
    void showEvent(QShowEvent* ev) override;

private:
    void creerControles();
    void Form_Load(QWidget* principale);
    void Form_Activate();
    void Mélanger_Click();
    void Melange_Timer();
    void Tirer_Click();
    void Placer_Click();
    void Fermer_Click();
    void Montrer_Case(int c, int tuile);
    bool Pause();

    EtatJeu& e;
    Services s;
    std::function<void()> montrerScores_;
    int rangMelange_ = 0;
    bool activee_ = false;
    bool occupee_ = false; // applause and flash: no input, the close waits
    bool fermerApres_ = false;
};
