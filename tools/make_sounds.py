#!/usr/bin/env python3
"""Synthesises the game's three sound effects into assets/sons/: applause
(applaudi.wav), a brass fanfare (fanfare.wav) and a sheep's bleat (mouton.wav).
16-bit PCM mono at 22050 Hz. Seeded: the same files on every run."""

import math
import random
import struct
import wave
from pathlib import Path

TAUX = 22050
DOSSIER = Path(__file__).resolve().parent.parent / "assets" / "sons"


def ecrire(nom, echantillons, crete=0.85):
    haut = max(1e-9, max(abs(x) for x in echantillons))
    gain = crete * 32767 / haut
    with wave.open(str(DOSSIER / nom), "wb") as f:
        f.setnchannels(1)
        f.setsampwidth(2)
        f.setframerate(TAUX)
        f.writeframes(b"".join(struct.pack("<h", int(round(x * gain))) for x in echantillons))


def applaudissements(duree=2.0):
    """Many hands: short bursts of band-passed noise at random moments, swelling in and
    dying away."""
    hasard = random.Random(1789)
    n = int(duree * TAUX)
    sortie = [0.0] * n
    for _ in range(int(duree * 38)):
        debut = hasard.randrange(0, n - 800)
        amplitude = hasard.uniform(0.3, 1.0)
        longueur = hasard.randrange(250, 700)
        # A clap: noise through a one-pole high-pass and a resonance around 1-2 kHz.
        f0 = hasard.uniform(900, 2200) / TAUX
        r = 0.93
        a1, a2 = 2 * r * math.cos(2 * math.pi * f0), -r * r
        y1 = y2 = x1 = 0.0
        for i in range(longueur):
            x = hasard.uniform(-1, 1)
            hp = x - x1
            x1 = x
            y = hp + a1 * y1 + a2 * y2
            y2, y1 = y1, y
            sortie[debut + i] += amplitude * y * math.exp(-i / (longueur / 5))
    for i in range(n):
        t = i / n
        sortie[i] *= min(1.0, t / 0.12) * min(1.0, (1 - t) / 0.35)
    return sortie


def cuivre(frequence, duree, volume=1.0):
    """A brass-like note: rich harmonics that brighten as the note swells, a light vibrato."""
    n = int(duree * TAUX)
    note = []
    phase = 0.0
    for i in range(n):
        t = i / TAUX
        attaque = min(1.0, t / 0.04)
        chute = min(1.0, (duree - t) / 0.08)
        enveloppe = attaque * chute * (0.85 + 0.15 * math.exp(-t * 6))
        phase += 2 * math.pi * frequence * (1 + 0.004 * math.sin(2 * math.pi * 5.5 * t)) / TAUX
        brillance = 0.35 + 0.5 * attaque
        x = sum(math.sin(k * phase) * brillance ** (k - 1) / k for k in range(1, 12))
        note.append(volume * enveloppe * x)
    return note


def fanfare():
    """Ta-ta-ta-taaa, then the tonic chord held."""
    do, mi, sol, do2 = 261.63, 329.63, 392.00, 523.25
    sortie = []
    for f, d in ((sol, 0.16), (sol, 0.16), (sol, 0.16), (do2, 0.5), (sol, 0.22), (do2, 0.3)):
        sortie += cuivre(f, d)
        sortie += [0.0] * int(0.03 * TAUX)
    accord = [sum(v) for v in zip(cuivre(do, 1.1, 0.6), cuivre(mi, 1.1, 0.5),
                                  cuivre(sol, 1.1, 0.5), cuivre(do2, 1.1, 0.6))]
    return sortie + accord


def mouton(duree=1.0):
    """Mééé: a nasal voice on an "è" whose pitch quavers about 18 times a second."""
    hasard = random.Random(42)
    n = int(duree * TAUX)
    formants = ((600, 90), (1800, 120), (2600, 160))
    sortie = []
    phase = 0.0
    for i in range(n):
        t = i / TAUX
        frequence = 330 - 40 * t + 22 * math.sin(2 * math.pi * 18 * t)
        phase += 2 * math.pi * frequence / TAUX
        x = 0.0
        for k in range(1, 25):
            fk = k * frequence
            if fk > TAUX / 2:
                break
            poids = sum(1 / (1 + ((fk - f) / l) ** 2) for f, l in formants)
            x += poids * math.sin(k * phase) / k ** 0.3
        x += 0.05 * hasard.uniform(-1, 1)  # breath
        enveloppe = min(1.0, t / 0.06) * min(1.0, (duree - t) / 0.25)
        enveloppe *= 0.75 + 0.25 * math.sin(2 * math.pi * 18 * t)
        sortie.append(enveloppe * x)
    return sortie


if __name__ == "__main__":
    DOSSIER.mkdir(parents=True, exist_ok=True)
    ecrire("applaudi.wav", applaudissements())
    ecrire("fanfare.wav", fanfare(), 0.7)
    ecrire("mouton.wav", mouton(), 0.7)
    for nom in ("applaudi.wav", "fanfare.wav", "mouton.wav"):
        with wave.open(str(DOSSIER / nom)) as f:
            print(f"{nom}: {f.getnframes() / f.getframerate():.2f} s")
