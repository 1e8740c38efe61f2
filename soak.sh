#!/usr/bin/env bash
# The long soak: random user input under the sanitizers, ACTIONS per window (default 10^6).
# A second argument picks another random sequence; further arguments name test functions.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARELO_SANITIZE=ON >/dev/null
cmake --build build-asan --target test_soak -j"$(nproc)"
# No per-function time limit: a window's million actions take a while under the sanitizers.
QTEST_FUNCTION_TIMEOUT=86400000 QT_QPA_PLATFORM=offscreen VARELO_SOAK_ACTIONS="${1:-1000000}" VARELO_SOAK_RUN="${2:-0}" \
ASAN_OPTIONS=detect_leaks=0:halt_on_error=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  build-asan/tests/test_soak "${@:3}"
