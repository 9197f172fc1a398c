// Evaluating a proposal: the marking of the line, the points of a found word,
// the spelled solution and what follows the end of a word.

#include "Form1.h"

#include "app/Attente.h"
#include "app/Marquage.h"
#include "app/controles/Bouton.h"
#include "app/controles/Panel3D.h"

#include "app/Points.h"
#include "app/Sons.h"
#include "app/controles/Apparence.h"
#include "bonus/Form6.h"

#include <QTimer>
#include <cmath>

namespace {
constexpr int PAUSE_LETTRE_MS = 150; // between two letters of the spelled solution
} // namespace

// Closing the window ends the program where it stands: every wait ends at once, and a
// word being spelled opens no other window after it.
void Form1::closeEvent(QCloseEvent* ev) {
    Signaler_Fermeture(true);
    QWidget::closeEvent(ev);
}

void Form1::Verifier_Mot() {
    Minuterie1->stop();
    const auto marques = Marquer(e.Mot_Cherche, e.Mot_Propose, e.Copie_Cherche, e.Copie_Propose);
    const int debut = (e.Ligne - 1) * 5;
    // Right places first, then wrong places: the cells change in the order marked.
    for (int i = 1; i <= 5; ++i) {
        const bool place = marques[i - 1] == Marque::BienPlacee;
        Marquer_Case(debut + i, place ? Marque::BienPlacee : Marque::Absente);
        Mot(debut + i)->repaint();
    }
    for (int i = 1; i <= 5; ++i)
        if (marques[i - 1] == Marque::MalPlacee) {
            Marquer_Case(debut + i, Marque::MalPlacee);
            Mot(debut + i)->repaint();
        }

    if (e.Mot_Propose == e.Mot_Cherche) {
        Compter_Points();
        if (!Montrer_Solution())
            return;
        Jouer_Effet(e, s.son, Effet::Applaudissements);
        if (Fermeture_Signalee())
            return;
        if (e.Tirage_Actif)
            Ouvrir_Tirage();
        Fin_De_Mot();
    } else if (e.Ligne != 5) {
        ++e.Ligne;
        Marquer_Case((e.Ligne - 1) * 5 + 1, Marque::Debut);
    } else {
        if (Montrer_Solution())
            Fin_De_Mot();
    }
}

// False when the main window closed meanwhile: the game goes no further.
bool Form1::Montrer_Solution() {
    e.Mot_Fini = true;
    Cadre_Temps->hide();
    for (int i = 1; i <= 5; ++i) {
        Réponse(i)->show();
        Réponse(i)->setText(e.Mot_Cherche.texte().mid(i - 1, 1));
        s.son.bip();
        Réponse(i)->repaint();
        // A held Enter typed on meanwhile would start the next word: input is dropped.
        if (!Attendre(s.horloge, PAUSE_LETTRE_MS, Saisie::Ignoree))
            return false;
    }
    return true;
}

void Form1::Compter_Points() {
    const double points = Valeur_Points(Rep_H(6 - e.Ligne)->text());
    e.Score_J(e.Joueur) = static_cast<std::int16_t>(std::lround(e.Score_J(e.Joueur) + points));
    Montrer_Scores();
}

// The current player's score, and who leads: after a found word and after a paid bonus line.
void Form1::Montrer_Scores() {
    Score(e.Joueur)->setText(Points_En_Texte(e.Score_J(e.Joueur)));
    Colorer_Meneur();
}

// Equal scores both show as leading.
void Form1::Colorer_Meneur() {
    meneurMontre_ = true;
    const bool adaptees = reglages_.couleursAdaptees;
    const bool premierDevant = e.Score_J(1) > e.Score_J(2);
    Score(1)->setForeColor(couleurMeneur(premierDevant, adaptees));
    Score(2)->setForeColor(couleurMeneur(!premierDevant, adaptees));
    if (e.Score_J(1) == e.Score_J(2)) {
        Score(1)->setForeColor(couleurMeneur(true, adaptees));
        Score(2)->setForeColor(couleurMeneur(true, adaptees));
    }
}

// The bonus draw; the found word's handling goes on once the window is closed.
void Form1::Ouvrir_Tirage() {
    Form6 tirage(e, s, this, [this] { Montrer_Scores(); });
    tirage.exec();
}

void Form1::Fin_De_Mot() {
    if (e.Mots_Joues(e.Nb_Joueurs) > 9)
        Fin_Partie();
    else
        Nouveau->setFocus();
}
