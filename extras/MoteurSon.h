#pragma once
// What the sound module, loaded at run time, provides to the program. The
// program itself never links the audio library: a player who keeps the sound
// off never loads it.

#include <QString>

class IMoteurSon {
public:
    virtual ~IMoteurSon() = default;
    /** Whether an audio output device exists: without one nothing is heard. */
    virtual bool sortiePresente() const = 0;
    /** Gets a file ready so that its first play starts at once. */
    virtual void charger(const QString& chemin) = 0;
    /** Stops the sound playing, if any, and starts this file; returns at once. */
    virtual void jouer(const QString& chemin) = 0;
};

/** The module's one entry point, resolved by name. */
extern "C" {
using CreerMoteurSon = IMoteurSon* (*)();
}
inline constexpr char SYMBOLE_MOTEUR_SON[] = "verlo_creer_moteur_son";
