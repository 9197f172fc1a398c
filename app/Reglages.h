#pragma once
// The two options the game remembers from one run to the next (the colours told apart with
// every common colour-vision deficiency, the words not given again); the others start afresh
// at every run. Kept in QSettings' INI format, at QSettings' place for the organisation and
// application "verlo", but read and written by the game's own careful readers: QSettings
// would open a FIFO at that name and wait on a lock file for good.

#include <QString>

struct Reglages {
    bool couleursAdaptees = false;
    bool motsSansRetour = false;
    bool operator==(const Reglages&) const = default;
};

/** ~/.config/verlo/verlo.conf, where QSettings keeps the settings of "verlo". */
QString Chemin_Reglages();

/**
 * What the settings file holds; the defaults for whatever is missing or garbled, and for a
 * file that is unreadable or not a regular file, or whose QSettings lock beside it is not a
 * regular file. Never blocks, never tells the player.
 */
Reglages Lire_Reglages(const QString& chemin);

/**
 * Writes the options, whole or not at all, keeping whatever else the file holds. Silently
 * does nothing when the file or its lock is not a regular file or cannot be written.
 */
void Ecrire_Reglages(const QString& chemin, const Reglages& reglages);
