#!/bin/bash
# Wake-ups per second (context switches of all the process's threads) of VERLO and of the
# reference window left idle, then with a text cursor blinking: the reference's line edit
# clicked, VERLO during a line (a game started with "Nouv. Partie", the answer clock
# running, nothing typed). Then keystroke to pixels in
# the answer box against the reference window's line edit (touche.py).
# Last, the spin of the bonus draw: pictures painted per second (tirage.cpp).
# Usage: bench/reveils.sh [SECONDS] [KEYS]   (default 10 s per sample, 41 keys)
# Needs: xvfb, python3-xlib, xdotool (make deps-bench). ECRAN=:n picks the display.
set -euo pipefail
. "$(dirname "$0")/commun.sh"
DUREE=${1:-10}
TOUCHES=${2:-41}

for c in Xvfb xdotool; do command -v $c >/dev/null || { echo "$c manque : make deps-bench" >&2; exit 2; }; done
[ -f "$BUILD/CMakeCache.txt" ] || cmake -S . -B "$BUILD" >/dev/null
cmake --build "$BUILD" --target verlo fenetre_reference tirage -j2 >/dev/null

ecran=${ECRAN:-:$((90 + RANDOM % 100))}
# nice execs Xvfb, so $! is the server itself and the trap ends it.
nice -n "$PRIORITE" Xvfb "$ecran" -noreset -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
prog=""
trap 'kill $prog $xvfb 2>/dev/null || true' EXIT
sleep 1
export DISPLAY=$ecran
unset QT_QPA_PLATFORM

commutations() { cat /proc/"$1"/task/*/status | awk '/ctxt_switches/ {s += $2} END {print s}'; }
par_seconde() { # PID: wake-ups per second over DUREE
    local a b
    a=$(commutations "$1"); sleep "$DUREE"; b=$(commutations "$1")
    awk -v a="$a" -v b="$b" -v d="$DUREE" 'BEGIN {printf "%.1f/s", (b - a) / d}'
}

"$BUILD/bench/fenetre_reference" >/dev/null 2>&1 & prog=$!
sleep 3
echo "référence au repos        : $(par_seconde $prog)"
# Its line edit clicked: the text cursor blinks, as in VERLO's answer box during a line.
xdotool mousemove 60 197 click 1
sleep 1
echo "référence, curseur actif  : $(par_seconde $prog)"
kill $prog; wait $prog 2>/dev/null || true

"$BUILD/verlo" >/dev/null 2>&1 & prog=$!
sleep 3
echo "VERLO au repos            : $(par_seconde $prog)"
# "Nouv. Partie", the main window at the screen's corner: the answer clock starts.
xdotool mousemove 572 294 click 1
sleep 1
echo "VERLO pendant une ligne   : $(par_seconde $prog)"
kill $prog; wait $prog 2>/dev/null || true
prog=""

echo "touche → pixels, référence : $(devant bench/touche.py "$TOUCHES" 60 197 "$BUILD/bench/fenetre_reference")"
echo "touche → pixels, VERLO     : $(devant bench/touche.py "$TOUCHES" 572 294 "$BUILD/verlo")"
echo "$(devant "$BUILD/bench/tirage" 5)"
