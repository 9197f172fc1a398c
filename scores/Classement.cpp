#include "Classement.h"

#include "app/Points.h"

#include <utility>

namespace {

const QString NOM_ANONYME = QStringLiteral("Anonyme");

/**
 * The one sort of the game, for both tables. A diminishing-gap exchange sort: which of two
 * equal scores ends first depends on these exact steps, and the players see it when a new
 * score ties a stored one, so it must stay as it is.
 */
template <typename Table, typename EchangeEnPlus>
void trierLignes(EtatJeu& e, Table& t, int n, EchangeEnPlus echangeEnPlus) {
    e.Nb_Scores = static_cast<std::int16_t>(n);
    for (int ecart = e.Nb_Scores / 2; ecart > 0; ecart /= 2) {
        int limite = e.Nb_Scores - ecart;
        int dernier = 0;
        do {
            dernier = 0;
            for (int ligne = 1; ligne <= limite; ++ligne) {
                if (Valeur_Points(t(ligne + ecart, 2)) > Valeur_Points(t(ligne, 2))) {
                    for (int colonne = 1; colonne <= 2; ++colonne) {
                        e.Tampon_Tri = t(ligne, colonne);
                        t(ligne, colonne) = t(ligne + ecart, colonne);
                        t(ligne + ecart, colonne) = e.Tampon_Tri;
                    }
                    echangeEnPlus(ligne, ligne + ecart);
                    dernier = ligne;
                }
            }
            limite = dernier - ecart;
        } while (dernier != 0);
    }
}

bool joueurQualifie(const EtatJeu& e, int joueur) {
    for (int r = 1; r <= LIGNES_SCORES; ++r)
        if (e.Classement_Joueur(r) == joueur && Valeur_Points(e.Classement(r, 2)) > 0)
            return true;
    return false;
}

} // namespace

void Trier_Scores(EtatJeu& e) {
    trierLignes(e, e.Tab_Scores, LIGNES_SCORES, [](int, int) {});
}

void Trier_Classement(EtatJeu& e) {
    trierLignes(e, e.Classement, LIGNES_SCORES + 2,
                [&e](int a, int b) { std::swap(e.Classement_Joueur(a), e.Classement_Joueur(b)); });
}

void Classer_Partie(EtatJeu& e) {
    for (int r = 1; r <= LIGNES_SCORES; ++r) {
        e.Classement(r, 1) = e.Tab_Scores(r, 1);
        e.Classement(r, 2) = e.Tab_Scores(r, 2);
        e.Classement_Joueur(r) = 0;
    }
    for (int joueur = 1; joueur <= 2; ++joueur) {
        const int r = LIGNES_SCORES + joueur;
        e.Classement(r, 1) = QString::number(joueur);
        e.Classement(r, 2) = Points_En_Texte(e.Score_J(joueur));
        e.Classement_Joueur(r) = static_cast<std::int16_t>(joueur);
    }
    Trier_Classement(e);
    for (int joueur = 1; joueur <= 2; ++joueur)
        e.Qualifie(joueur) = joueurQualifie(e, joueur);
}

bool Inscrire_Noms(EtatJeu& e, QString& nom1, QString& nom2) {
    if (!e.Qualifie(1) && !e.Qualifie(2))
        return false;
    if (nom1.isEmpty())
        nom1 = NOM_ANONYME;
    if (nom2.isEmpty())
        nom2 = NOM_ANONYME;
    for (int r = 1; r <= LIGNES_SCORES; ++r) {
        e.Tab_Scores(r, 1) = e.Classement(r, 1);
        e.Tab_Scores(r, 2) = e.Classement(r, 2);
        if (e.Classement_Joueur(r) == 1 && e.Score_J(1) > 0)
            e.Tab_Scores(r, 1) = nom1;
        if (e.Classement_Joueur(r) == 2 && e.Score_J(2) > 0)
            e.Tab_Scores(r, 1) = nom2;
    }
    return true;
}
