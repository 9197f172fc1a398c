#!/usr/bin/python3
"""Runs a program N times and prints, per run, the milliseconds from launch to
the mapping of its first top-level window, and its resident memory (kB) half a
second later. Watches the X server directly, so the timing is not limited by
polling. Usage: chrono_fenetre.py N PROGRAM [ARGS...]  (DISPLAY must be set)"""

import os
import subprocess
import sys
import time

from Xlib import X, display


def une_mesure(commande):
    d = display.Display()
    racine = d.screen().root
    racine.change_attributes(event_mask=X.SubstructureNotifyMask)
    d.sync()
    debut = time.monotonic()
    proc = subprocess.Popen(commande, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    fin = None
    while fin is None:
        ev = d.next_event()
        if ev.type == X.MapNotify:
            try:
                nom = ev.window.get_wm_name() or ""
            except Exception:
                nom = ""
            # Qt maps hidden helper windows too: only a titled window counts.
            if nom:
                fin = time.monotonic()
    time.sleep(0.5)
    with open(f"/proc/{proc.pid}/status") as f:
        rss = next(int(l.split()[1]) for l in f if l.startswith("VmRSS"))
    proc.terminate()
    proc.wait()
    d.close()
    return (fin - debut) * 1000.0, rss


def main():
    n = int(sys.argv[1])
    for _ in range(n):
        ms, rss = une_mesure(sys.argv[2:])
        print(f"{ms:.1f} {rss}", flush=True)


if __name__ == "__main__":
    main()
