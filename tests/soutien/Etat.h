#pragma once
// The state start-up leaves, and start-up's questions answered without a window.

#include "app/EtatJeu.h"
#include "demarrage/Demarrage.h"

#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

/**
 * The state as start-up leaves it, with stored rows given as name, points, name, points...
 * and, when scores are given, a finished game of these players' scores, ranked.
 */
void preparerEtat(EtatJeu& e, const QStringList& stockees = {}, const QList<int>& scores = {});

/** Notes the messages and the file dialog's folder and filter; answers as `reponse` says
 * (Cancel when it is not set). */
struct DialoguesFactices final : IDialoguesChargement {
    void avertir(const QString& titre, const QString& texte) override;
    std::optional<QString> choisirFichier(const QString& dossier, const QString& filtre) override;

    QStringList messages;
    QStringList choix;
    std::function<std::optional<QString>()> reponse;
};
