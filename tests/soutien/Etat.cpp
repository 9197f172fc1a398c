#include "Etat.h"

#include "bonus/Carte.h"
#include "scores/Classement.h"

void preparerEtat(EtatJeu& e, const QStringList& stockees, const QList<int>& scores) {
    e.Saut_Ligne = QStringLiteral("\r\n");
    e.Niveau = e.Joueur = 1;
    for (int i = 1; i <= LIGNES_SCORES; ++i)
        e.Texte_Rangs += QStringLiteral("%1  ").arg(i) + (i < LIGNES_SCORES ? e.Saut_Ligne : "");
    Remplir_Alignements(e);
    for (int i = 0; i < stockees.size(); ++i)
        e.Tab_Scores(i / 2 + 1, i % 2 + 1) = stockees[i];
    for (const int score : scores)
        e.Score_J(++e.Nb_Joueurs) = static_cast<std::int16_t>(score);
    if (!scores.isEmpty())
        Classer_Partie(e);
}

void DialoguesFactices::avertir(const QString&, const QString& texte) {
    messages << texte;
}

std::optional<QString> DialoguesFactices::choisirFichier(const QString& dossier,
                                                         const QString& filtre) {
    choix << dossier << filtre;
    return reponse ? reponse() : std::nullopt;
}
