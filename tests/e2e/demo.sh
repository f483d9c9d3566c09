#!/usr/bin/env bash
# Shows one whole firmware update on a machine without a display: starts the
# utility on a virtual display, drives it through its real window and prints
# what it saw.   tests/e2e/demo.sh BINDIR
set -euo pipefail
bindir="$(cd "${1:?usage: demo.sh BINDIR}" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
# Debian's python3, which has the accessibility bindings, whatever else is on the PATH.
exec /usr/bin/python3 "$here/demo.py" --bindir "$bindir" --artefacts "$(dirname "$bindir")/e2e-artifacts/demo"
