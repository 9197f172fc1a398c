#pragma once
// The table of the twelve best scores, seen from "Scores..." during play and
// opened at the end of a game for the qualified players to enter their names.

#include "app/EtatJeu.h"
#include "app/Tableau.h"

#include <QDialog>
#include <functional>

class Bouton;
class Panel3D;
class Cadre3D;
class QLineEdit;

inline const QString TITRE_FORM4 = QStringLiteral("TABLEAU   DES   SCORES");

/**
 * Modal, built afresh for each opening (the name boxes start empty, the entry controls
 * show only for the players flagged in Qualifie). Every way of closing it is "Fermer":
 * nothing is saved unless "Valider" was pressed. The caller gives the answer box its
 * focus and timer back once exec() returns.
 */
class Form4 : public QDialog {
    Q_OBJECT
public:
    /** `fichierScores`: where "Valider" saves; `principale`: the main window, which the
     * table is placed against. */
    Form4(EtatJeu& etat, QString fichierScores, QWidget* principale);

    Panel3D* Panel3D6 = nullptr;
    Panel3D* Panel3D1 = nullptr;
    Panel3D* Panel3D4 = nullptr;
    Panel3D* Panel3D2 = nullptr;
    Panel3D* Panel3D3 = nullptr;
    Panel3D* Place = nullptr;
    Panel3D* Nom = nullptr;
    Panel3D* Pt_Score = nullptr;
    Panel3D* Insc_Nom = nullptr;
    Tableau<Cadre3D*, 1, 2> Cadre_J;
    Tableau<QLineEdit*, 1, 2> Nom_Sc;
    Bouton* Valider = nullptr;
    Bouton* Annuler = nullptr;

    /** Tells the player that the table could not be written (a warning box by default). */
    std::function<void(const QString& titre, const QString& texte)> signalerErreur;

    /** Sorts the table and shows it in the names and points columns. */
    void Afficher_Scores();

    /** Escape and the title bar's close button close the window as "Fermer" does. */
    void reject() override;

protected:
    bool eventFilter(QObject* objet, QEvent* ev) override;

private:
    void creerControles();
    void ordreTabulation();
    void Form_Load(QWidget* principale);
    void Nom_Sc_KeyPress_Entree(int i);
    void Valider_Click();
    void Annuler_Click();

    EtatJeu& e;
    const QString fichierScores_;
};
