#pragma once
// The program's only ties to the outside world that tests must control:
// sound (the beep included), the clocks and the random generator.

#include <QString>
#include <cstdint>
#include <random>

enum class ModeSon { Attente, Asynchrone }; // waits for the end / returns at once

class ISon {
public:
    virtual ~ISon() = default;
    /** Plays a WAV file of the program's folder by bare name; silence if missing. */
    virtual void jouer(const QString& fichier, ModeSon mode) = 0;
    /** The platform beep. */
    virtual void bip() = 0;
    /** The player turned the sound on: the output may get ready for the first sound. */
    virtual void preparer() {}
};

class IHorloge {
public:
    virtual ~IHorloge() = default;
    /** Seconds since local midnight, with fraction: what seeds the generator. */
    virtual double heureDuJour() const = 0;
    /** Milliseconds on a clock that never jumps: what every duration is measured on. */
    virtual std::int64_t monotoneMs() const = 0;
    /**
     * The real milliseconds to sleep for `reste` ms to pass on this clock: `reste` for the
     * system's. A clock of the tests lets them pass at once and answers 0.
     */
    virtual std::int64_t sommeil(std::int64_t reste) { return reste; }
};

class IHasard {
public:
    virtual ~IHasard() = default;
    /** Mixes a fresh time value into the generator's state. */
    virtual void reensemencer(double heure) = 0;
    /** Uniform in [0, 1). */
    virtual double suivant() = 0;
};

/** The bundle the windows receive; the objects outlive the windows. */
struct Services {
    ISon& son;
    IHorloge& horloge;
    IHasard& hasard;
};

class HorlogeSysteme final : public IHorloge {
public:
    double heureDuJour() const override;
    std::int64_t monotoneMs() const override;
};

class HasardSysteme final : public IHasard {
public:
    HasardSysteme();
    void reensemencer(double heure) override;
    double suivant() override;

private:
    std::mt19937_64 gen_;
};
