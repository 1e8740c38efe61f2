#!/usr/bin/env bash
# Writes a PNG of every window state at three screen sizes into OUTDIR, so that the pictures
# before and after a change can be compared:
#   scripts/snapshots.sh OUTDIR             (needs build/varelo_snapshot)
#   scripts/snapshots.sh --compare OLD NEW  (lists the pictures that differ; fails if any)
# The windows speak German unless LANGUAGE says otherwise (LANGUAGE=en for the English ones).
set -euo pipefail
cd "$(dirname "$0")/.."
export LANGUAGE="${LANGUAGE:-de}"
if [ "${1:-}" = "--compare" ]; then
  differ=0
  for f in "$2"/*.png; do
    if ! cmp -s "$f" "$3/$(basename "$f")"; then
      echo "differs: $(basename "$f")"
      differ=1
    fi
  done
  exit $differ
fi
out=${1:?usage: scripts/snapshots.sh OUTDIR}
mkdir -p "$out"
states="menu mirror mirror-caustic mirror-markers mirror-help mirror-info ray-path ray-path-fan ray-path-all
        imaging imaging-row imaging-raster lens lens-bundle lens-all lens-sphere lens-protractors lens-help lens-info
        example-1 example-2 example-3 example-4 example-5 example-6"
for size in "1280 1024" "800 600" "1920 1080"; do
  for s in $states; do
    QT_QPA_PLATFORM=offscreen build/varelo_snapshot "$s" "$out/$s-${size/ /x}.png" $size 2>/dev/null
  done
done
# The printed pages, as pictures (where poppler-utils is installed).
if command -v pdftoppm >/dev/null; then
  for s in mirror-markers ray-path-all imaging-row lens-protractors; do
    QT_QPA_PLATFORM=offscreen build/varelo_snapshot "$s" "$out/$s.pdf" 1280 1024 pdf 2>/dev/null
    pdftoppm -r 50 -png -singlefile "$out/$s.pdf" "$out/page-$s"
    rm -f "$out/$s.pdf"
  done
fi
