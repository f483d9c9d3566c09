#!/usr/bin/env bash
# Builds everything and makes the Debian packages (utility with ispflash,
# library, development files with the Designer plugin, and a -dbgsym package
# for each) into build/packages/. docs/PACKAGING.md describes them.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh default
cpack --config build/CPackConfig.cmake -B build/packages
ls build/packages/*.deb build/packages/*.ddeb
