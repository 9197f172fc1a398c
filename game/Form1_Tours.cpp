// Drawing the hidden word, starting a game, passing the turn.

#include "Form1.h"

#include "app/controles/Bouton.h"
#include "app/controles/Image.h"
#include "app/controles/Panel3D.h"

#include "app/controles/Apparence.h"

#include <QLineEdit>
#include <QTimer>
#include <algorithm>
#include <cmath>

void Form1::Choisir_Mot() {
    s.hasard.reensemencer(s.horloge.heureDuJour());
    const double r = s.hasard.suivant();
    const int n = e.Nb_Mots(e.Niveau);
    const int k = reglages_.motsSansRetour
                      ? motsTires_.tirer(e, e.Niveau, r)
                      : std::clamp(static_cast<int>(std::floor(n * r + 1)), 1, std::max(n, 1));
    e.Mot_Cherche = e.Liste_Mots(e.Niveau, k);
    Mot(1)->setText(e.Mot_Cherche.texte().left(1));
}

// The mark is written first: the colour and the screen reader follow it.
void Form1::Marquer_Case(int k, Marque m) {
    Marques_Plateau(k) = m;
    Mot(k)->setBackColor(couleurMarque(m, reglages_.couleursAdaptees));
}

void Form1::Effacer_Plateau() {
    for (int k = 1; k <= 25; ++k) {
        Mot(k)->setText(QString());
        Marquer_Case(k, Marque::Aucune);
    }
    for (int c = 1; c <= 5; ++c)
        Réponse(c)->hide();
    Cadre_Temps->show();
}

void Form1::Init_Partie() {
    e.Joueur = 1; // before any box is written: the box's Change follows player Joueur
    for (int p = 1; p <= 2; ++p) {
        e.Score_J(p) = 0;
        Mot_J(p)->clear();
        Score(p)->setText(QStringLiteral("000"));
        Score(p)->setForeColor(couleurs::noir);
        meneurMontre_ = false;
        e.Qualifie(p) = false;
        e.Mots_Joues(p) = 0;
        Num_Mot(p)->setText(QString());
    }
    s.son.bip();
    Effacer_Plateau();
    Mot_J(2)->hide();
    Image1(2)->show(); // a game ended on player 2's word must not leave the place empty
    Image1(1)->hide();
    Mot_J(1)->show();
    Mot_J(1)->clear();
    e.Mots_Joues(1) = 1;
    Choisir_Mot();
    e.Ligne = 1;
    Demarrer_Chrono();
    Marquer_Case(1, Marque::BienPlacee); // the given first letter
    Num_Mot(1)->setText(QStringLiteral("1"));
    Mot_J(1)->setFocus();
    Mot_J(1)->setText(e.Mot_Cherche.texte().left(1));
    Mot_J(1)->setCursorPosition(1);
    // Mot_Fini stays as it was: after a finished word the box accepts nothing
    // until the next tick has cleared it.
    e.Focus_Attente = 1;
}

void Form1::Nouveau_Click() {
    e.Joueur = e.Nb_Joueurs == 2 ? (e.Joueur == 1 ? 2 : 1) : 1;
    s.son.bip();
    Effacer_Plateau();

    if (e.Nb_Joueurs == 2) {
        const int avant = Mot_J(1)->isVisibleTo(this) ? 1 : 2;
        const int apres = 3 - avant;
        Mot_J(avant)->hide();
        Image1(avant)->show();
        Image1(apres)->hide();
        Mot_J(apres)->show();
        Mot_J(apres)->clear();
    } else {
        Mot_J(2)->hide();
        Image1(2)->show();
    }
    // Also hides the icon: before any game both icons are shown, and the box
    // must not stand on top of its own player's icon.
    Image1(e.Joueur)->hide();
    Mot_J(e.Joueur)->show();
    Mot_J(e.Joueur)->clear();
    ++e.Mots_Joues(e.Joueur);

    if (e.Mots_Joues(1) <= 10) {
        Choisir_Mot();
        e.Ligne = 1;
        e.Mot_Fini = false;
        Demarrer_Chrono();
        Marquer_Case(1, Marque::BienPlacee);
        Num_Mot(e.Joueur)->setText(QString::number(e.Mots_Joues(e.Joueur)));
        Mot_J(e.Joueur)->setFocus();
        Mot_J(e.Joueur)->setText(e.Mot_Cherche.texte().left(1));
        Mot_J(e.Joueur)->setCursorPosition(1);
    } else {
        Minuterie1->stop();
        Fin_Partie();
    }
}
