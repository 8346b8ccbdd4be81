#!/usr/bin/env bash
# Builds Corvanel and starts it from the build folder (where Plugin/ and Documentation/ are).
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/dependances.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
cd build
exec ./Corvanel "$@"
