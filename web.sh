#!/usr/bin/env bash
# Builds Varelo for the browser into build-web/site: the core as WebAssembly (emscripten)
# and the page, with the controls and texts the desktop build exports. "./web.sh --serve"
# then serves the site on http://localhost:8080/ (any static server will do).
set -euo pipefail
cd "$(dirname "$0")"
site=build-web/site
if [ "${1:-}" = "--serve" ]; then
  [ -f "$site/index.html" ] || "$0"
  exec node web/serve.mjs "$site" "${2:-8080}"
fi
scripts/setup.sh web
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)" --target varelo_webexport
# emscripten's tools find Debian's JavaScript modules (acorn) there.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S web -B build-web/wasm -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-web/wasm -j"$(nproc)"
mkdir -p "$site"
# The German texts are the source texts.
# The windows in German (the source texts) and in English, with the translations of the
# core's texts; the page takes the browser's language.
for lang in de en; do
  suffix=$([ $lang = de ] && echo "" || echo ".$lang")
  for module in mirror ray-path imaging lens; do
    LANGUAGE=$lang QT_QPA_PLATFORM=offscreen build/varelo_webexport controls $module "$site/$module.controls$suffix.json"
  done
  LANGUAGE=$lang QT_QPA_PLATFORM=offscreen build/varelo_webexport menu "$site/menu$suffix.json"
done
QT_QPA_PLATFORM=offscreen build/varelo_webexport translations i18n/varelo_en.ts "$site/translations.en.json"
# The fullest mirror and lens scenes for the benchmark page.
for module in mirror lens; do
  LANGUAGE=de QT_QPA_PLATFORM=offscreen build/varelo_webexport fullest $module "$site/$module.fullest.txt" \
    "build-web/$module.desktop-ops.json"
done
# The example lessons, as the desktop's "Beispiele" menu opens them.
mkdir -p "$site/lessons"
cp share/lessons/*.varelo "$site/lessons/"
cp build-web/wasm/varelo_core.js build-web/wasm/varelo_core.wasm web/page/* share/varelo.svg "$site/"
echo "The site is in $site; ./web.sh --serve serves it."
