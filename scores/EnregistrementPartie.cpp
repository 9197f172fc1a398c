#include "EnregistrementPartie.h"

#include "Classement.h"
#include "FichierScores.h"
#include "app/Points.h"

#include <QFileInfo>
#include <QLockFile>
#include <algorithm>
#include <cerrno>
#include <tuple>

namespace {

// A save holds the lock for milliseconds; one older than this was left by a copy that
// stopped or died, whatever its process seems to be.
constexpr int VERROU_PERIME_MS = 10'000;

/** The rows that count (points above 0), in an order that ignores the table's own. */
std::vector<Fiche_Score> comptees(std::vector<Fiche_Score> lignes) {
    std::erase_if(lignes, [](const Fiche_Score& f) { return Valeur_Points(f.points) <= 0; });
    std::sort(lignes.begin(), lignes.end(), [](const Fiche_Score& a, const Fiche_Score& b) {
        return std::tie(a.nom, a.points) < std::tie(b.nom, b.points);
    });
    return lignes;
}

QString raisonVerrou(const QString& chemin, QLockFile::LockError erreur, int numeroErreur) {
    if (erreur == QLockFile::LockFailedError)
        return QStringLiteral("une autre copie du jeu l'enregistre en ce moment");
    if (!QFileInfo(QFileInfo(chemin).absolutePath()).isDir())
        return QStringLiteral("le dossier n'existe pas");
    return Raison_Systeme(numeroErreur,
                          QStringLiteral("le verrou du tableau n'a pas pu être posé"));
}

} // namespace

bool Enregistrer_Partie(EtatJeu& e, QString& nom1, QString& nom2, const QString& chemin,
                        QString* erreur, int attenteMs) {
    if (!e.Qualifie(1) && !e.Qualifie(2))
        return true;
    const Sans_Signal_Taille sansSignal; // the lock file is written too
    QLockFile verrou(chemin + QStringLiteral(".lock"));
    verrou.setStaleLockTime(VERROU_PERIME_MS);
    errno = 0;
    if (!verrou.tryLock(attenteMs)) {
        const int numeroErreur = errno;
        Inscrire_Noms(e, nom1, nom2); // shown for the rest of the run, though not kept
        if (erreur)
            *erreur =
                Message_Echec_Scores(chemin, raisonVerrou(chemin, verrou.error(), numeroErreur));
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
