#!/bin/bash
# Start-up time (launch to mapped window) and resident memory of VERLO against a
# minimal Qt window showing text, on a private Xvfb. Runs both in turn N times
# and prints the medians. Usage: bench/demarrage.sh [N]   (default 21)
# Needs: xvfb, python3-xlib (Debian packages).
set -euo pipefail
cd "$(dirname "$0")/.."
N=${1:-21}
BUILD=${BUILD:-build}

command -v Xvfb >/dev/null || { echo "missing Xvfb (apt-get install xvfb)"; exit 1; }
/usr/bin/python3 -c 'import Xlib' 2>/dev/null || { echo "missing python3-xlib (apt-get install python3-xlib)"; exit 1; }
cmake --build "$BUILD" --target verlo fenetre_minimale -j2 >/dev/null

ecran=:$((90 + RANDOM % 100))
Xvfb "$ecran" -noreset -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
resultats=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$resultats"' EXIT
sleep 1
export DISPLAY=$ecran

# Interleaved, so that a busy moment of the machine hits both alike.
for _ in $(seq "$N"); do
    bench/chrono_fenetre.py 1 "$BUILD/bench/fenetre_minimale" >>"$resultats/reference"
    bench/chrono_fenetre.py 1 "$BUILD/verlo" >>"$resultats/verlo"
done

mediane() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
ms_ref=$(cut -d' ' -f1 "$resultats/reference" | mediane)
ms_verlo=$(cut -d' ' -f1 "$resultats/verlo" | mediane)
rss_ref=$(cut -d' ' -f2 "$resultats/reference" | mediane)
rss_verlo=$(cut -d' ' -f2 "$resultats/verlo" | mediane)
echo "fenêtre minimale : $ms_ref ms, $rss_ref kB"
echo "VERLO            : $ms_verlo ms, $rss_verlo kB"
awk -v a="$ms_verlo" -v b="$ms_ref" -v ra="$rss_verlo" -v rb="$rss_ref" 'BEGIN {
    printf "rapport de temps : %.2f (budget 1.15)\n", a / b
    printf "mémoire en plus  : %.1f MB (budget 8 MB)\n", (ra - rb) / 1024
}'
