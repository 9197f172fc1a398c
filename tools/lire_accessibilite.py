#!/usr/bin/python3
"""What a screen reader sees of VERLO: the accessible tree of the main window, then the
cells of one board line, as read back through the AT-SPI bus.

Needs the Debian packages python3-pyatspi and at-spi2-core, and a running game started
with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 (or with a screen reader on) in the same D-Bus
session. Run it with the system's Python: /usr/bin/python3 tools/lire_accessibilite.py [LINE]
"""

import sys
import time

import pyatspi


def programme(nom="verlo", delai=15.0):
    """The application named `nom` on the accessibility bus, waited for."""
    fin = time.monotonic() + delai
    while time.monotonic() < fin:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == nom:
                return app
        time.sleep(0.25)
    sys.exit(f"{nom} is not on the accessibility bus")


def valeur(acc):
    try:
        return f" = {acc.queryValue().currentValue:g}"
    except NotImplementedError:
        return ""


def afficher(acc, profondeur=0):
    cache = "" if acc.getState().contains(pyatspi.STATE_SHOWING) else " (caché)"
    print(f"{'  ' * profondeur}[{acc.getRoleName()}] {acc.name}{valeur(acc)}{cache}")
    for enfant in acc:
        if enfant is not None:
            afficher(enfant, profondeur + 1)


def main():
    ligne = int(sys.argv[1]) if len(sys.argv) > 1 else 1
    app = programme()
    fenetre = next((f for f in app if f is not None and "V E R L O" in f.name), None)
    if fenetre is None:
        sys.exit("the main window is not shown")
    afficher(fenetre)
    debut = f"ligne {ligne}, colonne "
    cellules = pyatspi.findAllDescendants(fenetre, lambda a: a.name.startswith(debut))
    print(f"\nLigne {ligne} :")
    for cellule in sorted(cellules, key=lambda a: a.name):
        print(f"  {cellule.name}")
    return 0 if len(cellules) == 5 else 1


if __name__ == "__main__":
    sys.exit(main())
