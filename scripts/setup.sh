#!/usr/bin/env bash
# Installs (only when missing) the Debian packages the build needs, then
# configures the given preset and builds the given targets.
#   scripts/setup.sh [preset] [target...]      (default: preset "default")
# Without targets it builds everything and installs what the tests, fuzzing and
# packaging need as well; with targets (scripts/run.sh) only what building them
# and running the utility on a virtual display needs. The preset "current"
# builds the targets in the build that is already configured, as it is.
set -euo pipefail
cd "$(dirname "$0")/.."

# Building and running the utility, the simulated camera and the gallery, and
# the utility's narrated run on a virtual display (tests/e2e/demo.sh).
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libqt6opengl6-dev libgl-dev
  fonts-liberation2 fontconfig
  xvfb xdotool imagemagick
  dbus at-spi2-core python3 python3-pyatspi
)
# The rest of the suite: the test frameworks, fuzzing, the packages' checks,
# the API reference.
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev desktop-file-utils lintian appstream doxygen
)

preset="${1:-default}"
targets=("${@:2}")
((${#targets[@]})) || packages+=("${test_packages[@]}")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if [ "$preset" = current ]; then
  build=(--build build)
else
  cmake --preset "$preset" >/dev/null
  build=(--build --preset "$preset")
fi
if ((${#targets[@]})); then
  cmake "${build[@]}" --target "${targets[@]}"
else
  cmake "${build[@]}"
fi
