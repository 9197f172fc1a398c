#include "Verification.h"

#include "Demarrage.h"
#include "app/Donnees.h"
#include "app/ListesMots.h"
#include "extras/SonPlateforme.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

// Start-up with nobody to answer: a missing list is reported and never asked for.
class DialoguesMuets final : public IDialoguesChargement {
public:
    explicit DialoguesMuets(QTextStream& sortie) : sortie_(sortie) {}
    void avertir(const QString&, const QString& texte) override {
        sortie_ << "absent : "
                << QString(texte).replace(QStringLiteral("\r\n"), QStringLiteral(" ")) << '\n';
    }
    std::optional<QString> choisirFichier(const QString&, const QString&) override {
        return std::nullopt;
    }

private:
    QTextStream& sortie_;
};

} // namespace

int verifierInstallation() {
    QTextStream sortie(stdout);
    DialoguesMuets ui(sortie);
    EtatJeu e;
    Emplacements emplacements;
    const QString programme = QCoreApplication::applicationDirPath();
    bool complet = Charger_Donnees(e, programme, ui, emplacements);
    if (complet) {
        for (int n = 1; n <= 3; ++n)
            sortie << "liste " << n << " : " << cheminDonnee(nomListe(n), programme) << " ("
                   << e.Nb_Mots(n) << " mots)\n";
        sortie << "scores : " << emplacements.scores << '\n';
        // The sounds: without them, or without their module, the switch would stay silent.
        for (const char* son : {"applaudi.wav", "fanfare.wav", "mouton.wav"}) {
            const QString chemin = trouverDans(dossiersDonnees(programme), QString::fromUtf8(son));
            sortie << "son : " << (chemin.isEmpty() ? QStringLiteral("absent ") + son : chemin)
                   << '\n';
            complet = complet && !chemin.isEmpty();
        }
        const bool module = SonPlateforme::chargerModule(programme) != nullptr;
        sortie << "module de son : " << (module ? "chargé" : "absent") << '\n';
        complet = complet && module;
    }
    return complet ? 0 : 1;
}
