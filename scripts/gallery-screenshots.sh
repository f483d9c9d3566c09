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
# The example skin pack (skins/graphite) joins the styles with --skin; only
# its own pictures are kept, the others show a sixth choice in the switch.
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
"$build/bin/gallery" --skin skins/graphite --screenshot "$shots" >/dev/null
cp "$shots/gallery-graphite.png" "$shots/gallery-stock-graphite.png" docs/
