#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each one for a bounded time,
# starting from the committed seeds in fuzz/corpus/<target>/. New inputs go to
# build-fuzz/corpus/<target>/, crashes to build-fuzz/crashes/.
#   scripts/fuzz.sh [seconds per target, default 60] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."
duree="${1:-60}"
shift || true
cibles=("$@")
[ "${#cibles[@]}" -gt 0 ] || cibles=(fuzz_sauvegarde fuzz_image fuzz_source fuzz_calculatrice fuzz_plugins fuzz_compression)

bash scripts/dependances.sh --fuzz
dossier=build-fuzz
cmake -S . -B "$dossier" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_C_FLAGS=-fsanitize=fuzzer-no-link -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link \
    -DCORVANEL_SANITIZE=ON -DCORVANEL_FUZZ=ON -DCORVANEL_TESTS=OFF -DCORVANEL_BENCH=OFF
cmake --build "$dossier" -j"${CORVANEL_JOBS:-2}" --target "${cibles[@]}"

# Qt's own start-up keeps a few blocks for the whole run; anything else that leaks fails.
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=0:print_stacktrace=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export QT_QPA_PLATFORM=offscreen
# Every input goes through a file: in memory where the machine allows it.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi
mkdir -p "$dossier/crashes" "$dossier/journaux"
echec=0
for cible in "${cibles[@]}"; do
    mkdir -p "$dossier/corpus/$cible"
    echo "== $cible: ${duree} s"
    # The run's own corpus first: new inputs land there, the committed seeds stay as they are.
    if ! "$dossier/$cible" "$dossier/corpus/$cible" "fuzz/corpus/$cible" \
        -max_total_time="$duree" -rss_limit_mb=2048 -malloc_limit_mb=1024 -timeout=10 \
        -max_len=70000 -print_final_stats=1 \
        -artifact_prefix="$dossier/crashes/$cible-" 2>"$dossier/journaux/$cible.log"; then
        echec=1
        tail -n 60 "$dossier/journaux/$cible.log"
    fi
    grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb|Done [0-9]+ runs' \
        "$dossier/journaux/$cible.log" || true
done
exit "$echec"
