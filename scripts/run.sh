#!/usr/bin/env bash
# Builds the utility, the simulated camera and the gallery (nothing else) and
# starts the utility against the simulated camera. With a display it opens the
# window; without one it drives a whole update through the real window on a
# virtual display and prints what it saw.
set -euo pipefail
cd "$(dirname "$0")/.."

# A first run makes the quick build (no debug info, precompiled headers, no
# tests); a build already there, quick or full, is reused as it is.
preset=run
[ -f build/CMakeCache.txt ] && preset=current
scripts/setup.sh "$preset" ispupdate usbcfg gallery
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/bin/ispupdate
fi
exec tests/e2e/demo.sh build/bin
