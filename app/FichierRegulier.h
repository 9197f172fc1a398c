#pragma once
// Reading the game's own files without trusting what stands at their name: a FIFO would
// hold the game for ever, a device or a huge file would fill memory.

#include <QByteArray>
#include <QString>
#include <optional>

/** Whether the name leads to a regular file (through links); never blocks. */
bool Est_Fichier_Regulier(const QString& chemin);

class QFile;

/**
 * Opens `fichier` on `chemin` for reading when it is a regular file (a link to one is one),
 * without ever blocking on the opening; false otherwise.
 */
bool Ouvrir_Fichier_Regulier(QFile& fichier, const QString& chemin);

/**
 * At most the first `plafond` bytes of the file, or nothing when it cannot be opened or is
 * not a regular file (a link to a regular file is one). Never blocks on the opening.
 */
std::optional<QByteArray> Lire_Fichier_Regulier(const QString& chemin, qint64 plafond);
