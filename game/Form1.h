#pragma once
// The main game window: the letter board, the points scale, the players'
// panels, the options and the command buttons.

#include "app/Emplacements.h"
#include "app/EtatJeu.h"
#include "app/Marquage.h"
#include "app/Reglages.h"
#include "app/Services.h"
#include "app/Tableau.h"
#include "game/MotsTires.h"

#include <QWidget>

class Bouton;
class Cadre3D;
class Image;
class Panel3D;
class QAction;
class QMenu;
class QLabel;
class QLineEdit;
class QProgressBar;
class QRadioButton;
class QScrollBar;
class QTimer;

inline const QString TITRE_FORM1 =
    QStringLiteral("   V E R L O  Version 32 bits   -   Auteur :  l'équipe VERLO");

class Form1 : public QWidget {
    Q_OBJECT
public:
    /** `reglages`: the options the player chose in an earlier run. */
    Form1(EtatJeu& etat, const Services& services, Emplacements emplacements,
          Reglages reglages = {}, QWidget* parent = nullptr);

    // Controls, under the names the rest of the game uses to reach them.
    QTimer* Minuterie1 = nullptr;
    Panel3D* Diff_Titre = nullptr;
    Tableau<QRadioButton*, 1, 3> Difficulté;
    Panel3D* Panel3D4 = nullptr;
    Tableau<QRadioButton*, 1, 2> Nb_J;
    Cadre3D* Frame3D1 = nullptr;
    Cadre3D* Frame3D2 = nullptr;
    Panel3D* Panel3D2 = nullptr;
    Panel3D* Panel3D3 = nullptr;
    Tableau<Panel3D*, 1, 2> Score;
    Tableau<Panel3D*, 0, 1> Panel3D6;
    Tableau<Panel3D*, 1, 2> Num_Mot;
    Tableau<Panel3D*, 0, 1> Panel3D5;
    Tableau<QLineEdit*, 1, 2> Mot_J;
    Tableau<Image*, 1, 2> Image1;
    Panel3D* Panel3D1 = nullptr;
    Tableau<Panel3D*, 1, 5> Rep_H;
    Tableau<Panel3D*, 1, 25> Mot;
    Tableau<Panel3D*, 1, 5> Réponse;
    Panel3D* Cadre_Temps = nullptr;
    QScrollBar* BH_Temps = nullptr;
    QLabel* Etiq_Temps = nullptr;
    Panel3D* Panel3D8 = nullptr;
    QProgressBar* Temps = nullptr;
    Image* Son_On = nullptr;
    Image* Son_Off = nullptr;
    QLabel* Solution = nullptr;
    Bouton* Avec_Tirage = nullptr;
    Bouton* A_Propos = nullptr;
    Bouton* Scores = nullptr;
    Bouton* Nouv_Partie = nullptr;
    Bouton* Nouveau = nullptr;
    Bouton* Aide = nullptr;
    Bouton* Quitter = nullptr;

    /** What each board cell tells of its letter; its colour shows it. */
    Tableau<Marque, 1, 25> Marques_Plateau;

    // The context menu (right button, Menu key, Shift+F10) and its keys, in the menu's order.
    QAction* Action_Aide = nullptr;            // F1
    QAction* Action_Nouvelle_Partie = nullptr; // Ctrl+N
    QAction* Action_Scores = nullptr;
    QAction* Action_Son = nullptr;      // checked while the loudspeaker is on
    QAction* Action_Couleurs = nullptr; // marks and lead told apart by every colour vision
    QAction* Action_Mots = nullptr;     // no hidden word given again before its round ends
    QAction* Action_A_Propos = nullptr;
    QAction* Action_Quitter = nullptr; // Ctrl+Q
    /** The menu, made at its first opening. */
    QMenu* Menu_Contexte();

    /** What a screen reader says of board cell (ligne, colonne): "ligne 2, colonne 3 : R, mal
     * placée". */
    QString Annonce_Cellule(int ligne, int colonne) const;

protected:
    bool eventFilter(QObject* objet, QEvent* ev) override;
    void closeEvent(QCloseEvent* ev) override;
    void contextMenuEvent(QContextMenuEvent* ev) override;

private:
    // Construction (Form1.cpp)
    void creerOptions();
    void creerJoueur(int j);
    void creerPlateau();
    void creerBoutons();
    void ordreTabulation();
    void connecter();
    void finirConstruction();
    void creerBoites();
    void chargerImages();
    void Form_Load();

    // Options (Form1_Options.cpp)
    void Nouv_Partie_Click();
    void Nb_J_Click();
    void Difficulté_Click();
    void Diff_Titre_Click();
    void Avec_Tirage_Click();
    void Retour_Focus();

    // Word draw and turns (Form1_Tours.cpp)
    void Choisir_Mot();
    void Init_Partie();
    void Nouveau_Click();
    void Effacer_Plateau();
    void Marquer_Case(int k, Marque m);

    // Answer time limit (Form1_Temps.cpp)
    void BH_Temps_Change();
    void Minuterie1_Timer();
    void Demarrer_Chrono();
    void Regler_Jauge(int valeur);

    // Guess entry (Form1_Saisie.cpp)
    void Mot_J_Change();
    void Mot_J_KeyPress_Entree();
    void Mot_J_KeyDown(int touche);
    void Mot_J_KeyUp(int touche);

    // Evaluation, scoring, end of a word (Form1_Verification.cpp)
    void Verifier_Mot();
    bool Montrer_Solution();
    void Compter_Points();
    void Montrer_Scores();
    void Ouvrir_Tirage();
    void Fin_De_Mot();
    void Fin_Partie();

    // Accessible names (Form1_Accessibilite.cpp)
    void Nommer_Controles();
    void Annoncer_Temps();

    // Sound switch, About, Help, leaving (Form1_Annexes.cpp)
    void Son_Off_Click();
    void Son_On_Click();
    void A_Propos_Click();
    void Aide_Click();
    void Quitter_Click();

    // Score table (Form1_Scores.cpp)
    void Scores_Click();
    void Reprendre_Apres_Scores();

    // The context menu, its keys and the options it alone offers (Form1_Menu.cpp)
    void creerActions();
    void Ouvrir_Menu(const QPoint& ou);
    void Couleurs_Click(bool adaptees);
    void Mots_Click(bool sansRetour);
    void Colorer_Meneur();

    EtatJeu& e;
    Services s;
    const Emplacements emplacements_;
    Reglages reglages_;
    MotsTires motsTires_;
    QMenu* menu_ = nullptr;
    bool meneurMontre_ = false; // the lead colours show: since the first points of the game
};
