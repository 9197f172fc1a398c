#pragma once
// Everything the game remembers between two events, in one place. Windows and
// procedures read and write these members directly, under the game's own names.

#include "Tableau.h"
#include "Texte5.h"

#include <QString>
#include <cstdint>

inline constexpr int MOTS_PAR_LISTE = 1400;
inline constexpr int LIGNES_SCORES = 12;

struct EtatJeu {
    // Start-up and word lists
    QString Chemin_Actuel;
    QString Lecteur;
    QString Saut_Ligne;
    Tableau<std::int16_t, 0, 3> Nb_Mots;
    Tableau2<Texte5, 0, 3, 0, MOTS_PAR_LISTE> Liste_Mots;
    QString Texte_Rangs;

    // Game and turn
    std::int16_t Nb_Joueurs = 0;
    std::int16_t Niveau = 0;
    std::int16_t Joueur = 0;
    Tableau<std::int16_t, 0, 2> Mots_Joues;
    Texte5 Mot_Cherche;
    std::int16_t Ligne = 0;
    Texte5 Mot_Propose;
    Texte5 Copie_Cherche;
    Texte5 Copie_Propose;
    bool Mot_Fini = false;
    bool Voir_Solution = false;
    std::int64_t Debut_Chrono = 0; // monotonic ms: passing midnight changes nothing
    std::int16_t Focus_Attente = 0;
    bool Tirage_Actif = false;
    Tableau<std::int16_t, 0, 2> Score_J;
    Tableau<bool, 0, 2> Qualifie;

    // Scores and ranking
    Tableau2<QString, 0, LIGNES_SCORES, 0, 2> Tab_Scores;
    std::int16_t Nb_Scores = 0;
    Tableau2<QString, 0, LIGNES_SCORES + 2, 0, 2> Classement;
    // Which player's new row each row of Classement is (0: a stored row). Kept
    // apart from the name so that a stored name "1" is never taken for a player.
    Tableau<std::int16_t, 0, LIGNES_SCORES + 2> Classement_Joueur;
    QString Tampon_Tri;
    QString Texte_Noms;
    QString Texte_Points;

    // Bonus draw grid
    Tableau<QString, 0, 12> Alignements;
    Tableau2<std::int16_t, 0, 2, 0, 25> Grille_J;
    Tableau2<std::int16_t, 0, 2, 0, 25> Grille_Origine;
    Tableau2<std::int16_t, 0, 2, 0, 25> Sac;
    Tableau<std::int16_t, 0, 2> Debut_Sac;
    std::int16_t Boules_Restantes = 0;
    std::int16_t Case_Tiree = 0;
    bool Arret_Melange = false;

    // Sound
    bool Son_Actif = false;
};
