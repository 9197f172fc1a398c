#pragma once
// Files as a player or the system leaves them, and their bytes.

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>

/** A shell command in the current folder; true when it succeeded. */
inline bool shell(const QString& commande) {
    return QProcess::execute(QStringLiteral("sh"), {QStringLiteral("-c"), commande}) == 0;
}

inline QByteArray lire(const QString& fichier) {
    QFile f(fichier);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

inline bool ecrire(const QString& fichier, const QByteArray& octets) {
    QFile f(fichier);
    return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
}
