#include "Carte.h"

#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

namespace {

constexpr int CASES = 25;

/** A bag or grid position in debut..25, uniformly; a generator straying
    outside [0, 1) would pick an already drawn ball, so it is refused. */
int rangAuHasard(IHasard& hasard, int debut) {
    const double r = hasard.suivant();
    if (!(r >= 0.0 && r < 1.0))
        throw std::logic_error("tirage hors de [0, 1) : " + std::to_string(r));
    return debut + static_cast<int>(std::floor((CASES - debut + 1) * r));
}

void verifierEmplacement(int slot) {
    if (!decltype(EtatJeu::Debut_Sac)::contient(slot))
        throw std::out_of_range("emplacement " + std::to_string(slot) + " hors de 0..2");
}

} // namespace

void Remplir_Alignements(EtatJeu& e) {
    static constexpr std::array<const char*, 12> lignes = {
        "0102030405", "0607080910", "1112131415", "1617181920", "2122232425", "0106111621",
        "0207121722", "0308131823", "0409141924", "0510152025", "0509131721", "0107131925"};
    for (int l = 1; l <= 12; ++l)
        e.Alignements(l) = QString::fromLatin1(lignes[static_cast<std::size_t>(l - 1)]);
}

void Nouvelle_Grille(EtatJeu& e, int slot, IHasard& hasard, const IHorloge& horloge) {
    verifierEmplacement(slot); // before the generator is touched
    hasard.reensemencer(horloge.heureDuJour());

    // Built aside and copied in at the end: a refused draw leaves the slot as it was.
    Tableau<std::int16_t, 1, CASES> restants; // balls not yet placed, in 1..(26 - j)
    Tableau<std::int16_t, 1, CASES> grille;
    for (int i = 1; i <= CASES; ++i)
        restants(i) = static_cast<std::int16_t>(i);
    int k = 0;
    for (int j = 1; j <= CASES; ++j) {
        k = rangAuHasard(hasard, j);
        grille(j) = restants(k);
        restants(k) = restants(j);
    }

    e.Debut_Sac(slot) = 1;
    for (int i = 1; i <= CASES; ++i) {
        e.Sac(slot, i) = static_cast<std::int16_t>(i);
        e.Grille_J(slot, i) = grille(i);
        e.Grille_Origine(slot, i) = grille(i);
    }
    e.Case_Tiree = static_cast<std::int16_t>(k);
}

void Nouvelles_Grilles(EtatJeu& e, IHasard& hasard, const IHorloge& horloge) {
    Nouvelle_Grille(e, 1, hasard, horloge);
    Nouvelle_Grille(e, 2, hasard, horloge);
}

bool Sac_Vide(const EtatJeu& e, int p) {
    return e.Debut_Sac(p) > CASES;
}

int Tirer_Boule(EtatJeu& e, int p, IHasard& hasard, const IHorloge& horloge) {
    const int debut = e.Debut_Sac(p);
    if (debut > CASES)
        throw std::logic_error("sac vide");
    if (debut < 1)
        throw std::logic_error("aucune grille donnée");

    hasard.reensemencer(horloge.heureDuJour());
    const int k = rangAuHasard(hasard, debut);
    const std::int16_t boule = e.Sac(p, k);

    int c = 1;
    while (c <= CASES && e.Grille_J(p, c) != boule)
        ++c;
    // A ball still in the bag is always on the grid unless its cell was covered
    // out of turn: say so rather than cover a wrong cell.
    if (c > CASES)
        throw std::logic_error("boule " + std::to_string(boule) + " absente de la grille");

    e.Sac(p, k) = e.Sac(p, debut);
    e.Sac(p, debut) = boule; // Sac(1..Debut_Sac - 1) lists the balls in draw order
    e.Case_Tiree = static_cast<std::int16_t>(c);
    e.Debut_Sac(p) = static_cast<std::int16_t>(debut + 1);
    return c;
}

void Placer_Boule(EtatJeu& e, int p) {
    verifierEmplacement(p);
    if (e.Case_Tiree < 1 || e.Case_Tiree > CASES)
        throw std::logic_error("aucune boule tirée");
    e.Grille_J(p, e.Case_Tiree) = BOULE_COUVERTE;
}

std::array<int, 5> Cases_Ligne(const EtatJeu& e, int l) {
    const QString& cases = e.Alignements(l);
    if (cases.size() != 10)
        throw std::logic_error("ligne gagnante " + std::to_string(l) + " non remplie");
    std::array<int, 5> resultat{};
    for (int m = 0; m < 5; ++m) {
        bool ok = false;
        const int c = cases.mid(2 * m, 2).toInt(&ok);
        if (!ok || c < 1 || c > CASES)
            throw std::logic_error("ligne gagnante " + std::to_string(l) + " illisible");
        resultat[static_cast<std::size_t>(m)] = c;
    }
    return resultat;
}

int Ligne_Complete(const EtatJeu& e, int p) {
    verifierEmplacement(p);
    for (int l = 1; l <= 12; ++l) {
        int somme = 0;
        for (const int c : Cases_Ligne(e, l))
            somme += e.Grille_J(p, c);
        if (somme == SOMME_LIGNE)
            return l;
    }
    return 0;
}
