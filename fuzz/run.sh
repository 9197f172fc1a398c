#!/bin/sh
# Fuzzes the word-list loader and the score-file reader with libFuzzer under ASan and
# UBSan, SECONDS each (default 60), one after the other on one core.
# Usage: fuzz/run.sh [SECONDS]      Needs clang and libclang-rt-14-dev (make deps-fuzz).
# New inputs go to $BUILD/corpus-<target>, the committed seeds in fuzz/corpus/<target> are
# only read. A finding is left in $BUILD/trouvailles: copy it into fuzz/corpus/<target>,
# where the ordinary test suite replays it (corpus_<target>), then mend the reader.
set -eu
cd "$(dirname "$0")/.."
SECONDES=${1:-60}
BUILD=${BUILD:-build-fuzz}

command -v clang++ >/dev/null || { echo "clang manque : make deps-fuzz" >&2; exit 2; }
if [ ! -f "$BUILD/CMakeCache.txt" ]; then
    CC=clang CXX=clang++ cmake -S . -B "$BUILD" -DVERLO_FUZZ=ON \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$BUILD" --target fuzz_listes fuzz_scores -j "${JOBS:-2}" >/dev/null
mkdir -p "$BUILD/trouvailles"

echec=0
for cible in listes scores; do
    mkdir -p "$BUILD/corpus-$cible"
    echo "== fuzz_$cible : $SECONDES s"
    # One line every 2^n runs and the final figures; the full log stays in the build folder.
    if "$BUILD/fuzz/fuzz_$cible" -max_total_time="$SECONDES" -timeout=10 -max_len=16384 \
        -dict="fuzz/$cible.dict" -artifact_prefix="$BUILD/trouvailles/$cible-" \
        -print_final_stats=1 "$BUILD/corpus-$cible" "fuzz/corpus/$cible" \
        >"$BUILD/fuzz_$cible.log" 2>&1; then
        grep -E '^(#[0-9]+.*DONE|stat::number_of_executed_units|stat::peak_rss_mb)' \
            "$BUILD/fuzz_$cible.log" || true
    else
        echec=1
        echo "TROUVAILLE dans fuzz_$cible :"
        tail -n 40 "$BUILD/fuzz_$cible.log"
    fi
done
[ "$echec" = 0 ] && echo "aucune trouvaille"
exit "$echec"
