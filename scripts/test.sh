#!/usr/bin/env bash
# Builds everything and runs the whole test suite: unit and widget tests, the
# end-to-end runs of the real executable under Xvfb, and a short bounded run of
# every fuzz target.  ISP_SANITIZE=1 also runs the suite under ASan/UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh default
ctest --preset default -j2

if [ -d fuzz ]; then
  scripts/setup.sh fuzz
  scripts/fuzz.sh "${ISP_FUZZ_SECONDS:-30}"
fi

if [ "${ISP_SANITIZE:-0}" = 1 ]; then
  scripts/setup.sh asan
  ctest --preset asan -j2 -E '^e2e'
fi
