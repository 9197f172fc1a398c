#include "Wav.h"

#include "app/FichierRegulier.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>

namespace {

quint32 lire32(const char* p) {
    return qFromLittleEndian<quint32>(p);
}

quint16 lire16(const char* p) {
    return qFromLittleEndian<quint16>(p);
}

} // namespace

std::optional<std::int64_t> dureeWavMs(const QString& chemin) {
    QFile f;
    if (!Ouvrir_Fichier_Regulier(f, chemin))
        return std::nullopt;
    char entete[12];
    if (f.read(entete, 12) != 12 || qstrncmp(entete, "RIFF", 4) != 0 ||
        qstrncmp(entete + 8, "WAVE", 4) != 0)
        return std::nullopt;

    quint32 octetsParSeconde = 0;
    char morceau[8];
    while (f.read(morceau, 8) == 8) {
        const qint64 taille = lire32(morceau + 4);
        if (qstrncmp(morceau, "fmt ", 4) == 0) {
            char fmt[16];
            if (taille < 16 || f.read(fmt, 16) != 16)
                return std::nullopt;
            const quint16 format = lire16(fmt);
            const quint16 canaux = lire16(fmt + 2);
            const quint32 frequence = lire32(fmt + 4);
            const quint16 bloc = lire16(fmt + 12);
            octetsParSeconde = lire32(fmt + 8);
            if (format != 1 || canaux == 0 || bloc == 0 || octetsParSeconde == 0 || // integer PCM
                quint64{frequence} * bloc != octetsParSeconde)
                return std::nullopt;
            if (!f.seek(f.pos() + taille - 16 + (taille & 1)))
                return std::nullopt;
        } else if (qstrncmp(morceau, "data", 4) == 0) {
            if (octetsParSeconde == 0)
                return std::nullopt;
            // A header may claim more than the file holds: only what is there plays.
            const qint64 donnees = std::min<qint64>(taille, f.size() - f.pos());
            return donnees * 1000 / octetsParSeconde;
        } else if (!f.seek(f.pos() + taille + (taille & 1))) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}
