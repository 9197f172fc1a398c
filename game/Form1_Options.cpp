// Options of a game: new game, number of players, level, bonus draw.

#include "Form1.h"

#include "Niveaux.h"
#include "app/controles/Bouton.h"
#include "app/controles/Image.h"
#include "app/controles/Panel3D.h"

#include "bonus/Carte.h"

#include <QLineEdit>
#include <QRadioButton>

void Form1::Retour_Focus() {
    if (Mot_J(e.Joueur)->isVisibleTo(this))
        Mot_J(e.Joueur)->setFocus();
}

void Form1::Nouv_Partie_Click() {
    Init_Partie();
    Mot_J(2)->hide();
    Image1(2)->show();
    Image1(1)->hide();
    Mot_J(1)->show();
    Nouvelles_Grilles(e, s.hasard, s.horloge);
}

void Form1::Nb_J_Click() {
    e.Nb_Joueurs = Nb_J(2)->isChecked() ? 2 : 1;
    Nouv_Partie_Click();
}

void Form1::Difficulté_Click() {
    for (int i = 1; i <= 3; ++i)
        if (Difficulté(i)->isChecked()) {
            e.Niveau = static_cast<std::int16_t>(i);
            break;
        }
    for (int k = 1; k <= 5; ++k)
        Rep_H(k)->setText(legendeRep_H(e.Niveau, k));
    Nouv_Partie_Click();
}

void Form1::Diff_Titre_Click() {
    Retour_Focus();
}

void Form1::Avec_Tirage_Click() {
    e.Tirage_Actif = Avec_Tirage->isChecked();
    Retour_Focus();
}
