// The score table from "Scores...", and the end of a game: ranking, the table
// or the low-score notice, then the next game.

#include "Form1.h"

#include "app/Sons.h"
#include "bonus/Carte.h"
#include "scores/Classement.h"
#include "scores/Form4.h"
#include "scores/Form5.h"

#include <QLineEdit>
#include <QTimer>

// The table window is closed: back to the answer box, with the answer clock
// running again (the time spent in the window counts against the line).
void Form1::Reprendre_Apres_Scores() {
    if (Mot_J(e.Joueur)->isVisibleTo(this)) {
        Mot_J(e.Joueur)->setFocus();
        Minuterie1->start();
    }
}

void Form1::Scores_Click() {
    Minuterie1->stop();
    {
        Form4 tableau(e, emplacements_.scores, this);
        tableau.exec();
    }
    Reprendre_Apres_Scores();
}

void Form1::Fin_Partie() {
    Classer_Partie(e);
    if (e.Qualifie(1) || e.Qualifie(2)) {
        Jouer_Effet(e, s.son, Effet::Fanfare);
        {
            Form4 tableau(e, emplacements_.scores, this);
            tableau.exec();
        }
        Reprendre_Apres_Scores();
    } else {
        Form5 avis(e, s, this);
        avis.exec();
    }
    Nouvelles_Grilles(e, s.hasard, s.horloge);
    Init_Partie();
}
