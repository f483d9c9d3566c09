#!/usr/bin/env bash
# Renders the gallery window once per style into docs/gallery-<style>.png,
# without a display. The pictures are committed; run this after changing a
# control's look or the gallery's layout.
#   scripts/gallery-screenshots.sh [build-dir]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."

build="${1:-build}"
[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target gallery
"$build/bin/gallery" --screenshot docs
