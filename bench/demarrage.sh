#!/bin/bash
# Start-up of VERLO against a plain window with the same kinds of controls
# (fenetre_reference.cpp), on a private Xvfb: time from launch to the first pixels drawn
# in the main window, and resident memory at that moment. Runs interleaved in batches, so
# that a busy moment of the machine hits both alike; prints each batch's medians, then
# the medians of all runs and the ratios to the budgets (1.15x, +2 MB).
# Usage: bench/demarrage.sh [RUNS [BATCH]]   (default 45 runs of each, batches of 9)
# Needs: xvfb, python3-xlib (Debian packages; make deps-bench). ECRAN=:n picks the display.
set -euo pipefail
. "$(dirname "$0")/commun.sh"
N=${1:-45}
LOT=${2:-9}

command -v Xvfb >/dev/null || { echo "Xvfb manque : make deps-bench" >&2; exit 2; }
/usr/bin/python3 -c 'import Xlib.ext.damage' 2>/dev/null ||
    { echo "python3-xlib manque : make deps-bench" >&2; exit 2; }
[ -f "$BUILD/CMakeCache.txt" ] || cmake -S . -B "$BUILD" >/dev/null
cmake --build "$BUILD" --target verlo fenetre_reference -j2 >/dev/null

ecran=${ECRAN:-:$((90 + RANDOM % 100))}
# nice execs Xvfb, so $! is the server itself and the trap ends it.
nice -n "$PRIORITE" Xvfb "$ecran" -noreset -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
resultats=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$resultats"' EXIT
sleep 1
export DISPLAY=$ecran
unset QT_QPA_PLATFORM

mesurer() { devant bench/premiers_pixels.py 1 "$1"; }
reference=$BUILD/bench/fenetre_reference
verlo=$BUILD/verlo
mediane() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
colonne() { cut -d' ' -f"$1" "$2" | mediane; }

# Caches warm, libraries loaded once by each.
for _ in 1 2; do mesurer "$reference" >/dev/null; mesurer "$verlo" >/dev/null; done

printf '%-5s %12s %12s %7s\n' lot "référence" VERLO rapport
lots=$(((N + LOT - 1) / LOT))
for l in $(seq "$lots"); do
    : >"$resultats/ref_lot"; : >"$resultats/verlo_lot"
    for i in $(seq "$LOT"); do
        # Who goes first alternates, so that neither always follows the other.
        if (((l + i) % 2)); then
            mesurer "$reference" | tee -a "$resultats/ref" >>"$resultats/ref_lot"
            mesurer "$verlo" | tee -a "$resultats/verlo" >>"$resultats/verlo_lot"
        else
            mesurer "$verlo" | tee -a "$resultats/verlo" >>"$resultats/verlo_lot"
            mesurer "$reference" | tee -a "$resultats/ref" >>"$resultats/ref_lot"
        fi
    done
    a=$(colonne 1 "$resultats/ref_lot"); b=$(colonne 1 "$resultats/verlo_lot")
    awk -v l="$l" -v a="$a" -v b="$b" 'BEGIN {printf "%-5s %9.1f ms %9.1f ms %7.2f\n", l, a, b, b / a}'
done

ms_ref=$(colonne 1 "$resultats/ref"); ms_verlo=$(colonne 1 "$resultats/verlo")
carte_ref=$(colonne 2 "$resultats/ref"); carte_verlo=$(colonne 2 "$resultats/verlo")
rss_ref=$(colonne 3 "$resultats/ref"); rss_verlo=$(colonne 3 "$resultats/verlo")
runs=$(wc -l <"$resultats/verlo")
echo "médianes de $runs lancements chacun"
echo "référence : premiers pixels $ms_ref ms (carte $carte_ref ms), $rss_ref kB"
echo "VERLO     : premiers pixels $ms_verlo ms (carte $carte_verlo ms), $rss_verlo kB"
awk -v a="$ms_verlo" -v b="$ms_ref" -v ra="$rss_verlo" -v rb="$rss_ref" 'BEGIN {
    printf "rapport aux premiers pixels : %.2f (budget 1.15)\n", a / b
    printf "mémoire en plus             : %.1f MB (budget 2 MB)\n", (ra - rb) / 1024
}'
