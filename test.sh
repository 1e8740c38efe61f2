#!/usr/bin/env bash
# Builds Varelo and runs every test; then the random-input soak once more under
# AddressSanitizer and UndefinedBehaviorSanitizer, in a build folder of its own; then the
# browser build and its tests in Debian's Chromium.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)"
(cd build && ctest --output-on-failure)
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARELO_SANITIZE=ON >/dev/null
cmake --build build-asan --target test_soak -j"$(nproc)"
(cd build-asan && ctest --output-on-failure -R test_soak)
# The browser: the site built, then the page driven in headless Chromium (puppeteer-core
# from npm, pinned by the lock file, with the system's Chromium).
scripts/setup.sh web browser
./web.sh
(cd web && npm ci --no-audit --no-fund --loglevel=error && npm test)
