// The word-list loader, given any bytes as a list file.

#include "Essais.h"
#include "app/EtatJeu.h"
#include "app/ListesMots.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    static const QTemporaryDir dossier(dossierEssais());
    static const auto etat = std::make_unique<EtatJeu>(); // a list fills 1,400 rows
    const QString chemin = dossier.filePath(QStringLiteral("5L-2.txt"));
    {
        QFile f(chemin);
        exiger(f.open(QIODevice::WriteOnly | QIODevice::Truncate), "fichier d'essai écrit");
        f.write(reinterpret_cast<const char*>(donnees), static_cast<qint64>(taille));
    }
    const bool charge = Charger_Liste(*etat, 2, chemin);
    const int n = etat->Nb_Mots(2);
    exiger(n >= 0 && n <= MOTS_PAR_LISTE, "au plus MOTS_PAR_LISTE mots");
    exiger(charge == (n > 0), "chargée si et seulement si elle a des mots");
    exiger(taille > 0 || !charge, "un fichier vide ne charge rien");
    for (int k = 1; k <= n; ++k)
        exiger(etat->Liste_Mots(2, k).texte().size() == 5, "des mots de cinq caractères");
    return 0;
}
