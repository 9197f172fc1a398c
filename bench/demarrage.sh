#!/bin/bash
# Start-up time (launch to mapped window) and resident memory of VERLO against a
# minimal Qt window showing text, on a private Xvfb. Prints medians of N runs.
# Usage: bench/demarrage.sh [N]   (default 15; needs xvfb, xdotool)
set -euo pipefail
cd "$(dirname "$0")/.."
N=${1:-15}
BUILD=${BUILD:-build}

cmake --build "$BUILD" --target verlo fenetre_minimale -j2 >/dev/null
for c in Xvfb xdotool; do command -v $c >/dev/null || { echo "missing $c (apt-get install xvfb xdotool)"; exit 1; }; done

ecran=:$((90 + RANDOM % 100))
Xvfb "$ecran" -noreset -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
export DISPLAY=$ecran

# mesure PROGRAMME TITRE -> "ms rss_kb"
mesure() {
    local debut fin pid rss
    debut=$(date +%s%N)
    "$1" >/dev/null 2>&1 &
    pid=$!
    timeout 20 xdotool search --sync --onlyvisible --name "$2" >/dev/null
    fin=$(date +%s%N)
    sleep 0.5 # let the first paint settle before reading memory
    rss=$(awk '/VmRSS/ {print $2}' /proc/$pid/status)
    kill $pid
    wait $pid 2>/dev/null || true
    echo "$(((fin - debut) / 1000000)) $rss"
}

mediane() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

declare -A ms rss
for prog in reference verlo; do
    : >"/tmp/bench_$prog"
done
for _ in $(seq "$N"); do
    mesure "$BUILD/bench/fenetre_minimale" 'Fenetre minimale' >>/tmp/bench_reference
    mesure "$BUILD/verlo" 'V E R L O' >>/tmp/bench_verlo
done
for prog in reference verlo; do
    ms[$prog]=$(cut -d' ' -f1 "/tmp/bench_$prog" | mediane)
    rss[$prog]=$(cut -d' ' -f2 "/tmp/bench_$prog" | mediane)
done
echo "fenêtre minimale : ${ms[reference]} ms, ${rss[reference]} kB"
echo "VERLO            : ${ms[verlo]} ms, ${rss[verlo]} kB"
awk -v a="${ms[verlo]}" -v b="${ms[reference]}" -v ra="${rss[verlo]}" -v rb="${rss[reference]}" 'BEGIN {
    printf "rapport de temps : %.2f (budget 1.15)\n", a / b
    printf "mémoire en plus  : %.1f MB (budget 8 MB)\n", (ra - rb) / 1024
}'
