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
fi
cmake -S . -B "$dossier" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}"
cmake --build "$dossier"
cd "$dossier"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
