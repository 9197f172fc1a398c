#pragma once
// The Help window: the rules of the game, the points, the bonus draw, and a
// worked example on the board.

#include "app/Tableau.h"

#include <QDialog>

class Bouton;
class EtiquetteAide;
class Panel3D;
class QLabel;

inline const QString TITRE_FORM3 = QStringLiteral("   Aide  sur   VERLO");

/**
 * Modal, built afresh for each opening, placed exactly over the main window. Every way of
 * closing it is "Quitter l'aide"; the caller gives the answer box its focus back once
 * exec() returns. It stops nothing: the answer clock runs on while the rules are read.
 */
class Form3 : public QDialog {
    Q_OBJECT
public:
    /** `principale`: the main window, which the window covers; `couleursAdaptees`: the
     * example and the sentences that name its colours show the colours the board shows. */
    explicit Form3(QWidget* principale, bool couleursAdaptees = false);

    Panel3D* Panel3D1 = nullptr;
    Panel3D* Panel3D2 = nullptr;
    Panel3D* Panel3D9 = nullptr;
    Panel3D* Panel3D4 = nullptr;
    EtiquetteAide* Etiquette2 = nullptr;
    QLabel* Etiquette3 = nullptr;
    QLabel* Etiquette1 = nullptr;
    QLabel* Etiquette4 = nullptr;
    QLabel* Etiquette5 = nullptr;
    Panel3D* Panel3D8 = nullptr;
    Panel3D* Panel3D6 = nullptr;
    Tableau<Panel3D*, 0, 24> Panel3D7;
    Panel3D* Panel3D3 = nullptr;
    Panel3D* Panel3D5 = nullptr;
    QLabel* Etiquette6 = nullptr;
    EtiquetteAide* Etiquette7 = nullptr;
    Panel3D* Panel3D10 = nullptr;
    QLabel* Etiquette8 = nullptr;
    Panel3D* SSPanel1 = nullptr;
    Bouton* Quitter = nullptr;

    /** Escape and the title bar's close button close the window as "Quitter l'aide" does. */
    void reject() override;

private:
    void creerRegles(bool couleursAdaptees);
    void creerExemple(bool couleursAdaptees);
    void creerScores();
    void Form_Load(QWidget* principale);
    void Quitter_Click();
};
