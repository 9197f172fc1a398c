#include "EnregistrementPartie.h"

#include "Classement.h"
#include "FichierScores.h"
#include "Verrou.h"
#include "app/Points.h"

#include <algorithm>
#include <tuple>

namespace {

/** The rows that count (points above 0), in an order that ignores the table's own. */
std::vector<Fiche_Score> comptees(std::vector<Fiche_Score> lignes) {
    std::erase_if(lignes, [](const Fiche_Score& f) { return Valeur_Points(f.points) <= 0; });
    std::sort(lignes.begin(), lignes.end(), [](const Fiche_Score& a, const Fiche_Score& b) {
        return std::tie(a.nom, a.points) < std::tie(b.nom, b.points);
    });
    return lignes;
}

} // namespace

bool Enregistrer_Partie(EtatJeu& e, QString& nom1, QString& nom2, const QString& chemin,
                        QString* erreur, int attenteMs) {
    if (!e.Qualifie(1) && !e.Qualifie(2))
        return true;
    Verrou verrou(chemin + QStringLiteral(".lock"));
    if (QString raison; !verrou.prendre(attenteMs, &raison)) {
        Inscrire_Noms(e, nom1, nom2); // shown for the rest of the run, though not kept
        if (erreur)
            *erreur = Message_Echec_Scores(chemin, raison);
        return false;
    }

    // A file gone or unreadable is not taken for an empty table, which would drop the
    // records this copy knows: the rows read at start-up serve, as when nobody wrote.
    if (const auto stockees = Lire_Scores(chemin)) {
        std::vector<Fiche_Score> connues;
        for (int r = 1; r <= LIGNES_SCORES; ++r)
            connues.push_back({e.Tab_Scores(r, 1), e.Tab_Scores(r, 2)});
        if (comptees(*stockees) != comptees(connues)) {
            e.Tab_Scores.fill(QString());
            for (std::size_t r = 0; r < stockees->size(); ++r) {
                e.Tab_Scores(static_cast<int>(r) + 1, 1) = (*stockees)[r].nom;
                e.Tab_Scores(static_cast<int>(r) + 1, 2) = (*stockees)[r].points;
            }
            Classer_Partie(e);
        }
    }
    if (!Inscrire_Noms(e, nom1, nom2))
        return true; // the other copy's records leave no room: the table stays as stored
    return Enregistrer_Scores(e, chemin, erreur);
}
