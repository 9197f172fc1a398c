#pragma once
// The state start-up leaves, and start-up's questions answered without a window.

#include "app/EtatJeu.h"
#include "bonus/Carte.h"
#include "demarrage/Demarrage.h"
#include "scores/Classement.h"

#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

/**
 * The state as start-up leaves it, with stored rows given as name, points, name, points...
 * and, when scores are given, a finished game of these players' scores, ranked.
 */
inline void preparerEtat(EtatJeu& e, const QStringList& stockees = {},
                         const QList<int>& scores = {}) {
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

/** Notes the messages and the file dialog's folder and filter; answers as `reponse` says
 * (Cancel when it is not set). */
struct DialoguesFactices final : IDialoguesChargement {
    void avertir(const QString&, const QString& texte) override { messages << texte; }
    std::optional<QString> choisirFichier(const QString& dossier, const QString& filtre) override {
        choix << dossier << filtre;
        return reponse ? reponse() : std::nullopt;
    }

    QStringList messages;
    QStringList choix;
    std::function<std::optional<QString>()> reponse;
};
