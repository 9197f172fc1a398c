#pragma once
// The score file: one line per stored score, `"name","points"`, in Windows-1252 with CR LF
// line ends, so that a table written on one machine reads the same on any other.

#include "app/EtatJeu.h"

#include <QChar>
#include <QString>
#include <optional>
#include <vector>

inline constexpr auto NOM_FICHIER_SCORES = "VERLO-SB.SCO";

/** One stored score, as in the file. */
struct Fiche_Score {
    QString nom;
    QString points;
    bool operator==(const Fiche_Score&) const = default;
};

/**
 * Whether a name box takes the character. The file escapes nothing, so a double quote
 * would cut the record, a control character could end the line, and a character the code
 * page lacks would come back as '?'.
 */
bool Caractere_Nom_Accepte(QChar c);

/**
 * The stored scores in file order, or nothing when no regular file can be read at the name
 * (missing, a FIFO, a device...). Only the first megabyte is read. Malformed lines are
 * skipped; of more than twelve records the twelve with the most points are kept.
 */
std::optional<std::vector<Fiche_Score>> Lire_Scores(const QString& chemin);

/** The scores read into Tab_Scores rows 1..n, the other rows free (all of them when the
 * file could not be read); Nb_Scores := n. */
void Charger_Scores(EtatJeu& e, const QString& chemin);

/**
 * Writes the rows of Tab_Scores whose points are above 0, replacing the file whole or not
 * at all (Ecrire_Fichier_Atomique). On failure returns false and puts a message for the
 * player in *erreur.
 */
bool Enregistrer_Scores(const EtatJeu& e, const QString& chemin, QString* erreur);

/** The message for a table that could not be saved at `chemin`, for the reason given. */
QString Message_Echec_Scores(const QString& chemin, const QString& raison);
