#!/usr/bin/python3
"""Runs a program N times and prints, per run, the milliseconds from launch to the first
pixels drawn in its main window, to that window's mapping, and the resident memory (kB)
read when the first pixels arrive. "Drawn" is the first X DAMAGE event on the window: the
map comes earlier, before any of the window's own painting, so it is not the finish line.
Usage: premiers_pixels.py N PROGRAM [ARGS...]   (DISPLAY must be set; no window manager)"""

import select
import subprocess
import sys
import time

from Xlib import X, display
from Xlib.ext import damage

# Qt also creates small hidden helper windows: the main window is the first this large.
LARGEUR_MIN, HAUTEUR_MIN = 300, 200
DELAI_MAX = 20.0


def rss_ko(pid):
    with open(f"/proc/{pid}/status") as f:
        return next(int(l.split()[1]) for l in f if l.startswith("VmRSS"))


def une_mesure(commande):
    d = display.Display()
    d.damage_query_version()
    racine = d.screen().root
    racine.change_attributes(event_mask=X.SubstructureNotifyMask)
    d.sync()
    fenetre = carte = pixels = rss = None
    debut = time.monotonic()
    proc = subprocess.Popen(commande, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        while pixels is None:
            if not d.pending_events():
                if not select.select([d.fileno()], [], [], DELAI_MAX)[0]:
                    raise RuntimeError(f"pas de fenêtre dessinée en {DELAI_MAX} s")
            ev = d.next_event()
            if ev.type == X.CreateNotify and fenetre is None:
                if ev.width >= LARGEUR_MIN and ev.height >= HAUTEUR_MIN:
                    # Created long before it maps: the watch is in place before any drawing.
                    fenetre = ev.window.id
                    ev.window.damage_create(damage.DamageReportNonEmpty)
                    d.flush()
            elif ev.type == X.MapNotify and ev.window.id == fenetre:
                carte = time.monotonic()
            elif ev.type == d.extension_event.DamageNotify and ev.drawable.id == fenetre:
                pixels = time.monotonic()
                rss = rss_ko(proc.pid)
    finally:
        proc.terminate()
        proc.wait()
        d.close()
    return (pixels - debut) * 1000.0, (carte - debut) * 1000.0 if carte else float("nan"), rss


def main():
    n = int(sys.argv[1])
    for _ in range(n):
        ms, ms_carte, rss = une_mesure(sys.argv[2:])
        print(f"{ms:.1f} {ms_carte:.1f} {rss}", flush=True)


if __name__ == "__main__":
    main()
