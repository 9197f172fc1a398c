#pragma once

#include "Demarrage.h"

/** The real message box and file dialog, in French, with the normal pointer. */
class DialoguesChargementQt final : public IDialoguesChargement {
public:
    void avertir(const QString& titre, const QString& texte) override;
    std::optional<QString> choisirFichier(const QString& dossier, const QString& filtre) override;
};

/** Qt's own French texts (dialog buttons, edit menus). */
void installerTraductionsQt();
