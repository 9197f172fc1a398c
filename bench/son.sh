#!/bin/bash
# Resident memory that the first sound costs: VERLO's memory once shown, then after the
# sound is turned on and a found word has played the applause. Runs on a private Xvfb,
# from a copy of the program whose word lists hold one word, N times; prints the medians.
# Usage: bench/son.sh [N]   (default 5). The sound goes to the running audio server, if
# any (for a machine without one: pulseaudio -D, pactl load-module module-null-sink).
# Needs: xvfb, xdotool (Debian packages).
set -euo pipefail
cd "$(dirname "$0")/.."
N=${1:-5}
BUILD=${BUILD:-build}

command -v Xvfb >/dev/null || { echo "missing Xvfb (apt-get install xvfb)"; exit 1; }
command -v xdotool >/dev/null || { echo "missing xdotool (apt-get install xdotool)"; exit 1; }
cmake --build "$BUILD" --target verlo verlo_son -j2 >/dev/null

jeu=$(mktemp -d)
cp "$BUILD"/{verlo,libverlo_son.so,applaudi.wav,fanfare.wav,mouton.wav} "$jeu"
for n in 1 2 3; do printf 'TERRE\r\n' >"$jeu/5L-$n.txt"; done

ecran=:$((90 + RANDOM % 100))
Xvfb "$ecran" -noreset -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$jeu"' EXIT
sleep 1
export DISPLAY=$ecran

rss() { awk '/^VmRSS/ {print $2}' "/proc/$1/status"; }
clic() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.3; }

for _ in $(seq "$N"); do
    (cd "$jeu" && exec ./verlo) >/dev/null 2>&1 &
    pid=$!
    fenetre=$(xdotool search --sync --onlyvisible --pid "$pid" --name "V E R L O" | head -1)
    sleep 1
    avant=$(rss "$pid")
    clic "$fenetre" 157 357 # the loudspeaker
    clic "$fenetre" 572 294 # "Nouv. Partie"
    xdotool windowfocus --sync "$fenetre" type --delay 20 erre
    xdotool key Return
    sleep 3
    echo "$avant $(rss "$pid")"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
done >"$jeu/mesures"
cat "$jeu/mesures"
awk '{ print $2 - $1 }' "$jeu/mesures" | sort -n | awk '{ d[NR] = $1 } END {
    printf "mémoire du premier son : %.1f MB (médiane de %d, budget 12 MB)\n",
    d[int((NR + 1) / 2)] / 1024, NR }'
