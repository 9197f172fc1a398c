#pragma once
// Everything start-up loads before the main window shows: the word lists (with
// the user's help when one is missing), the rank texts, the stored best scores
// and the bonus grid's winning lines.

#include "app/Emplacements.h"
#include "app/EtatJeu.h"

#include <QString>
#include <optional>

inline const QString TITRE_CONTROLE_LECTURE = QStringLiteral("Contrôle Lecture Fichiers");

/** What start-up asks of the user when a list cannot be read. */
class IDialoguesChargement {
public:
    virtual ~IDialoguesChargement() = default;
    /** A message with an exclamation icon and one OK button. */
    virtual void avertir(const QString& titre, const QString& texte) = 0;
    /** A file-open dialog; nothing on Cancel. */
    virtual std::optional<QString> choisirFichier(const QString& dossier,
                                                  const QString& filtre) = 0;
};

/** The load-failure message for a file, lines joined by Saut_Ligne. */
QString messageDefautChargement(const EtatJeu& e, const QString& fichier);

/** The file dialog's filter: the expected file in the description, every list as patterns. */
QString filtreDictionnaire(const QString& fichier);

/**
 * Start-up's loading steps for a program in dossierProgramme; the lists are looked for
 * as Donnees.h says, the score file is placed by Choisir_Dossier_Scores (what the game writes
 * goes to `emplacements`). Returns false when a list could not be had and the program must
 * end (the user was told why).
 */
bool Charger_Donnees(EtatJeu& e, const QString& dossierProgramme, IDialoguesChargement& ui,
                     Emplacements& emplacements);
