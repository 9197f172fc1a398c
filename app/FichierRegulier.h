#pragma once
// Reading the game's own files without trusting what stands at their name: a FIFO would
// hold start-up for ever, a device or a huge file would fill memory.

#include <QByteArray>
#include <QString>
#include <optional>

/**
 * At most the first `plafond` bytes of the file, or nothing when it cannot be opened or is
 * not a regular file (a link to a regular file is one). Never blocks on the opening.
 */
std::optional<QByteArray> Lire_Fichier_Regulier(const QString& chemin, qint64 plafond);
