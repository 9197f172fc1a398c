#!/usr/bin/env python3
"""How far apart the board's marks and the lead colours look, for normal colour vision and
with each of the three common deficiencies at full severity, simulated with the model of
Machado, Oliveira and Fernandes (2009) in linear RGB; distances are CIE 1976 ΔE in CIELAB
(D65). The colours are read from the game's own table, app/controles/Apparence.h.

    python3 tools/daltonisme.py        # prints the table; fails when the adapted colours
                                       # miss a target
"""

import math
import re
import sys
from pathlib import Path

APPARENCE = Path(__file__).resolve().parent.parent / "app" / "controles" / "Apparence.h"

MATRICES = {
    "normale": None,
    "protanopie": [[0.152286, 1.052583, -0.204868], [0.114503, 0.786281, 0.099216],
                   [-0.003882, -0.048116, 1.051998]],
    "deutéranopie": [[0.367322, 0.860646, -0.227968], [0.280085, 0.672501, 0.047413],
                     [-0.011820, 0.042940, 0.968881]],
    "tritanopie": [[1.255528, -0.076749, -0.178779], [-0.078411, 0.930809, 0.147602],
                   [0.004733, 0.691367, 0.303900]],
}

# Targets for the adapted colours, under every vision above.
ECART_MARQUES, ECART_GRIS, ECART_CYAN, CONTRASTE_LETTRE, ECART_MENEUR = 60, 30, 40, 4.5, 40


def lineaire(c):
    c /= 255
    return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4


def gamma(c):
    c = min(max(c, 0.0), 1.0)
    return 255 * (12.92 * c if c <= 0.0031308 else 1.055 * c ** (1 / 2.4) - 0.055)


def simuler(rgb, vision):
    m = MATRICES[vision]
    if m is None:
        return rgb
    l = [lineaire(c) for c in rgb]
    return tuple(gamma(sum(m[i][j] * l[j] for j in range(3))) for i in range(3))


def lab(rgb):
    r, g, b = (lineaire(c) for c in rgb)
    x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047
    y = 0.2126 * r + 0.7152 * g + 0.0722 * b
    z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883
    f = lambda t: t ** (1 / 3) if t > 216 / 24389 else (24389 / 27 * t + 16) / 116
    return 116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))


def ecart(a, b, vision):
    return math.dist(lab(simuler(a, vision)), lab(simuler(b, vision)))


def contraste(fond, vision):
    """WCAG contrast ratio of the black letter on the background."""
    r, g, b = (lineaire(c) for c in simuler(fond, vision))
    return (0.2126 * r + 0.7152 * g + 0.0722 * b + 0.05) / 0.05


def couleurs():
    table = {}
    for nom, r, g, b in re.findall(r"inline const QColor (\w+)\((\d+), (\d+), (\d+)\);",
                                   APPARENCE.read_text()):
        table[nom] = (int(r), int(g), int(b))
    return table


def main():
    c = couleurs()
    jeux = {
        "du jeu": (c["vert"], c["jaune"], c["vert"], c["rouge"]),
        "adaptées": (c["adapteeBienPlacee"], c["adapteeMalPlacee"], c["adapteeDevant"],
                     c["adapteeDerriere"]),
    }
    gris, cyan = c["gris"], c["cyan"]
    manques = []
    print(f"{'couleurs':9} {'vision':13} {'marques':>8} {'→ gris':>7} {'→ cyan':>7} "
          f"{'lettre':>7} {'meneur':>7}")
    for nom, (bien, mal, devant, derriere) in jeux.items():
        for vision in MATRICES:
            marques = ecart(bien, mal, vision)
            vs_gris = min(ecart(bien, gris, vision), ecart(mal, gris, vision))
            vs_cyan = min(ecart(bien, cyan, vision), ecart(mal, cyan, vision))
            lettre = min(contraste(bien, vision), contraste(mal, vision))
            meneur = ecart(devant, derriere, vision)
            print(f"{nom:9} {vision:13} {marques:8.0f} {vs_gris:7.0f} {vs_cyan:7.0f} "
                  f"{lettre:7.1f} {meneur:7.0f}")
            if nom == "adaptées":
                for mesure, cible, quoi in ((marques, ECART_MARQUES, "marques"),
                                            (vs_gris, ECART_GRIS, "gris"),
                                            (vs_cyan, ECART_CYAN, "cyan"),
                                            (lettre, CONTRASTE_LETTRE, "lettre"),
                                            (meneur, ECART_MENEUR, "meneur")):
                    if mesure < cible:
                        manques.append(f"{vision} {quoi} {mesure:.1f} < {cible}")
    print(f"\ncibles des couleurs adaptées : marques ≥ {ECART_MARQUES}, chacune ≥ {ECART_GRIS} "
          f"du gris et ≥ {ECART_CYAN} du cyan, lettre noire ≥ {CONTRASTE_LETTRE}:1, "
          f"meneur ≥ {ECART_MENEUR} ; ΔE 1976")
    if manques:
        sys.exit("cibles manquées : " + "; ".join(manques))
    print("toutes atteintes")


if __name__ == "__main__":
    main()
