#!/usr/bin/env bash
# Writes the API reference of the component set (Doxygen over its installed
# headers) into build/docs/html.
#   scripts/docs.sh [--check]    --check: fail when a public class or struct
#                                has no documentation
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v doxygen >/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends doxygen >/dev/null
fi

mkdir -p build/docs
doxygen docs/Doxyfile 2> build/docs/warnings.log
echo "docs: build/docs/html/index.html"
undocumented=$(grep "Compound .* is not documented" build/docs/warnings.log || true)
if [ "${1:-}" = "--check" ] && [ -n "$undocumented" ]; then
  echo "$undocumented" >&2
  echo "docs: $(wc -l <<<"$undocumented") public classes without documentation" >&2
  exit 1
fi
