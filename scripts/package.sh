#!/usr/bin/env bash
# Builds and makes the Debian packages (utility, library, development files
# with the Designer plugin) into build/packages/.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh default
cpack --config build/CPackConfig.cmake -B build/packages
ls build/packages/*.deb
