#!/usr/bin/env bash
# Builds and runs the benchmark offscreen; an optional argument sets the number of runs.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target varelo_bench -j"$(nproc)"
QT_QPA_PLATFORM=offscreen build/varelo_bench "$@"
