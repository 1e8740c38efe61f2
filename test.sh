#!/usr/bin/env bash
# Builds Varelo and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j2
cd build && ctest --output-on-failure
