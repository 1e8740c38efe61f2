#!/usr/bin/env bash
# Installs the Debian packages the build needs, when they are missing. "web" adds what the
# browser build needs (emscripten, Node.js), "browser" what its tests need (Chromium, npm).
set -euo pipefail
packages=(g++ cmake make qt6-base-dev libgl-dev fonts-dejavu-core fonts-liberation2 desktop-file-utils shared-mime-info qt6-svg-dev
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          dpkg-dev file lintian appstream man-db groff-base gzip)
for group in "$@"; do
  case "$group" in
    web) packages+=(emscripten); command -v node >/dev/null 2>&1 || packages+=(nodejs) ;;
    # Node.js from another source brings its own npm, which Debian's package would conflict with.
    browser) packages+=(chromium); command -v npm >/dev/null 2>&1 || packages+=(npm) ;;
  esac
done
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
elif command -v sudo >/dev/null 2>&1; then
  sudo apt-get update -qq && sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
else
  echo "Please run as root: apt-get install -y ${missing[*]}" >&2
  exit 1
fi
