#pragma once
// "Valider"'s saving of the table, safe against another copy of the game saving the same
// file: each copy ranks its own players against what is stored at that moment, not against
// what it read at start-up.

#include "app/EtatJeu.h"

#include <QString>

/**
 * Under a lock beside the file, reads the stored rows again; when another copy saved
 * meanwhile, this game's players are ranked anew against them (in file order, then the
 * players, the fourteen rows sorted). The qualified players' rows take the names
 * (Inscrire_Noms, empty names becoming "Anonyme") and the table is written. Tab_Scores ends
 * as the table saved, or as it would have been. Returns false with a message in *erreur
 * when the lock could not be had (Verrou::prendre) or the file not be written; true when
 * saved, or when no player qualified (nothing is written then).
 */
bool Enregistrer_Partie(EtatJeu& e, QString& nom1, QString& nom2, const QString& chemin,
                        QString* erreur, int attenteMs = 5000);
