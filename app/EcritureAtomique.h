#pragma once
// The files the game writes (the score table, the drawn-words memory) are replaced whole or
// not at all: written beside the old one under a temporary name, then renamed over it. The
// temporary names are hidden and carry the game's own prefix, which no person gives a file:
// they are the only files the game ever removes after a write cut short.

#include <QByteArray>
#include <QString>
#include <optional>

/** What every temporary file of the game is named from: ".verlo-tmp-" + 6 letters or digits
 * + "-" + the name of the file it stands for. */
inline constexpr char PREFIXE_TEMPORAIRE[] = ".verlo-tmp-";

/**
 * Replaces the file at `chemin` by `contenu`, whole or not at all, with the old file's
 * permissions (the umask's for a new one). Never writes through a symbolic link, over
 * something that is not a regular file, or over a file its owner made read-only. Nothing on
 * success, otherwise why it failed, in French, for the player.
 */
std::optional<QString> Ecrire_Fichier_Atomique(const QString& chemin, const QByteArray& contenu);

/** Whether a file can be made in `dossier`: permission bits say nothing for root or on a
 * read-only medium that still shows them set, so a temporary file is made and removed. */
bool Dossier_Inscriptible(const QString& dossier);

/**
 * Removes the game's temporary files left in `dossier` by a write cut short and untouched
 * for more than a minute (a younger one may be another running copy's write in progress).
 * Nothing else is ever touched, whatever its name or age.
 */
void Nettoyer_Temporaires(const QString& dossier);

/** The reason for a failed system call, in French when it is a usual one. */
QString Raison_Systeme(int numeroErreur, const QString& texteSysteme);

/**
 * While it lives, a write past the file-size limit fails (EFBIG) instead of ending the
 * program with SIGXFSZ.
 */
class Sans_Signal_Taille {
public:
    Sans_Signal_Taille();
    ~Sans_Signal_Taille();
    Sans_Signal_Taille(const Sans_Signal_Taille&) = delete;
    Sans_Signal_Taille& operator=(const Sans_Signal_Taille&) = delete;

private:
    void (*avant_)(int) = nullptr;
};
