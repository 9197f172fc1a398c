// The score-file reader, given any bytes as a score file: whatever it keeps, writing it
// out and reading that back gives the same table, so the second save equals the first.

#include "Essais.h"
#include "app/Cp1252.h"
#include "app/EtatJeu.h"
#include "app/Points.h"
#include "scores/FichierScores.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

namespace {

QByteArray contenu(const QString& chemin) {
    QFile f(chemin);
    exiger(f.open(QIODevice::ReadOnly), "fichier enregistré relu");
    return f.readAll();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    static const QTemporaryDir dossier(dossierEssais());
    const QString lu = dossier.filePath(QStringLiteral("lu.sco"));
    const QString premier = dossier.filePath(QStringLiteral("premier.sco"));
    const QString second = dossier.filePath(QStringLiteral("second.sco"));
    {
        QFile f(lu);
        exiger(f.open(QIODevice::WriteOnly | QIODevice::Truncate), "fichier d'essai écrit");
        f.write(reinterpret_cast<const char*>(donnees), static_cast<qint64>(taille));
    }

    // Each save starts from no file: what an earlier input left there plays no part.
    QFile::remove(premier);
    QFile::remove(second);
    EtatJeu e;
    Charger_Scores(e, lu);
    exiger(e.Nb_Scores >= 0 && e.Nb_Scores <= LIGNES_SCORES, "au plus douze scores");
    for (int r = e.Nb_Scores + 1; r <= LIGNES_SCORES; ++r)
        exiger(e.Tab_Scores(r, 1).isEmpty() && e.Tab_Scores(r, 2).isEmpty(), "lignes libres vides");
    exiger(Enregistrer_Scores(e, premier, nullptr), "premier enregistrement");

    EtatJeu relu;
    Charger_Scores(relu, premier);
    exiger(Enregistrer_Scores(relu, second, nullptr), "second enregistrement");
    exiger(contenu(premier) == contenu(second), "le second enregistrement égale le premier");

    // Every row with points survives the round trip, in order; a byte the code page leaves
    // unassigned was read as U+FFFD and comes back as the '?' it was written as.
    int gardes = 0;
    for (int r = 1; r <= e.Nb_Scores; ++r)
        if (Valeur_Points(e.Tab_Scores(r, 2)) > 0) {
            ++gardes;
            for (int c = 1; c <= 2; ++c)
                exiger(cp1252::encoder(relu.Tab_Scores(gardes, c)) ==
                           cp1252::encoder(e.Tab_Scores(r, c)),
                       "nom et points relus");
        }
    exiger(relu.Nb_Scores == gardes, "les scores positifs relus, eux seuls");
    return 0;
}
