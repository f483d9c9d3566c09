#!/usr/bin/env bash
# Redraws every skin picture into resources/pictures, rewrites resources/skin.qrc
# and the desktop icons in resources/icons, and renders the contact sheets into docs/. The output is committed, so a normal
# build never needs this.
#   scripts/skin-pictures.sh [build-dir]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."

build="${1:-build}"
[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target skingen
QT_QPA_PLATFORM=offscreen "$build/bin/skingen" resources docs
QT_QPA_PLATFORM=offscreen "$build/bin/skingen" --icons resources/icons
