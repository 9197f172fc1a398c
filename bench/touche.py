#!/usr/bin/python3
"""Keystroke to pixels: starts a program, clicks at (X, Y) in its main window (a button
that opens the answer box, or the box itself), then N times presses a letter key and
BackSpace through XTEST and times each press to the first X DAMAGE event on the window
that follows it. Prints the median and the quartiles in milliseconds.
Usage: touche.py N X Y PROGRAM [ARGS...]   (DISPLAY set; no window manager)"""

import select
import statistics
import subprocess
import sys
import time

from Xlib import X, XK, display
from Xlib.ext import damage, xtest

LARGEUR_MIN, HAUTEUR_MIN = 300, 200


def attendre(d, condition, delai=10.0):
    """Events until one meets the condition; its arrival time."""
    fin = time.monotonic() + delai
    while True:
        while d.pending_events():
            ev = d.next_event()
            if condition(ev):
                return time.monotonic()
        reste = fin - time.monotonic()
        if reste <= 0 or not select.select([d.fileno()], [], [], reste)[0]:
            raise RuntimeError("rien reçu à temps")


def vider(d, duree):
    fin = time.monotonic() + duree
    while time.monotonic() < fin:
        while d.pending_events():
            d.next_event()
        select.select([d.fileno()], [], [], max(0.0, fin - time.monotonic()))


def main():
    n, x, y = int(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3])
    d = display.Display()
    d.damage_query_version()
    racine = d.screen().root
    racine.change_attributes(event_mask=X.SubstructureNotifyMask)
    d.sync()
    proc = subprocess.Popen(sys.argv[4:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    fenetre = []
    dommage = d.extension_event.DamageNotify

    def creee(ev):
        if ev.type == X.CreateNotify and ev.width >= LARGEUR_MIN and ev.height >= HAUTEUR_MIN:
            fenetre.append(ev.window)
            ev.window.damage_create(damage.DamageReportRawRectangles)
            d.flush()
            return True
        return False

    try:
        attendre(d, creee)
        w = fenetre[0]
        attendre(d, lambda ev: ev.type == dommage and ev.drawable.id == w.id)
        vider(d, 1.5)
        geo = w.get_geometry()
        pos = w.translate_coords(racine, 0, 0)
        xtest.fake_input(d, X.MotionNotify, x=-pos.x + x, y=-pos.y + y)
        xtest.fake_input(d, X.ButtonPress, 1)
        xtest.fake_input(d, X.ButtonRelease, 1)
        d.flush()
        vider(d, 1.0)
        mesures = []
        for i in range(n):
            for touche in ("a", "BackSpace"):
                code = d.keysym_to_keycode(XK.string_to_keysym(touche))
                debut = time.monotonic()
                xtest.fake_input(d, X.KeyPress, code)
                d.flush()
                t = attendre(d, lambda ev: ev.type == dommage and ev.drawable.id == w.id)
                xtest.fake_input(d, X.KeyRelease, code)
                d.flush()
                mesures.append((t - debut) * 1000.0)
                vider(d, 0.15)
        q = statistics.quantiles(mesures, n=4)
        print(f"{statistics.median(mesures):.2f} ms (quartiles {q[0]:.2f} - {q[2]:.2f}, "
              f"{len(mesures)} touches, fenêtre {geo.width}x{geo.height})")
    finally:
        proc.terminate()
        proc.wait()
        d.close()


if __name__ == "__main__":
    main()
