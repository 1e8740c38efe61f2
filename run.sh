#!/usr/bin/env bash
# Builds Varelo (Release) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target varelo -j"$(nproc)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "varelo: no display found (DISPLAY is not set); start it from a desktop session or under xvfb-run." >&2
  exit 1
fi
exec build/varelo
