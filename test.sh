#!/usr/bin/env bash
# Builds Corvanel with every test and runs them all, headless.
# CORVANEL_SANITIZE=ON builds and runs them under AddressSanitizer and UBSan instead.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/dependances.sh --tests
dossier=build
options=()
if [ "${CORVANEL_SANITIZE:-OFF}" = "ON" ]; then
    dossier=build-asan
    options+=(-DCORVANEL_SANITIZE=ON -DCORVANEL_BENCH=OFF)
    # The first fault stops the test that met it, with its stack; leaks count as faults.
    export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=1:print_stacktrace=1:strict_string_checks=1:check_initialization_order=1"
    export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
fi
cmake -S . -B "$dossier" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}"
cmake --build "$dossier" -j"${CORVANEL_JOBS:-$(nproc)}"
cd "$dossier"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
