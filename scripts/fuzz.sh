#!/usr/bin/env bash
# Runs every fuzz target for a bounded time, starting from its committed seed
# corpus (fuzz/corpus/<name>/ for target fuzz_<name>). Inputs found on the way
# go to a scratch folder, so the committed corpus stays small. A crash stops
# the script with a non-zero status and leaves the input in build-fuzz/.
#   scripts/fuzz.sh [seconds per target]      (default 30; needs scripts/setup.sh fuzz)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-30}"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

for corpus in fuzz/corpus/*/; do
  name="$(basename "$corpus")"
  target="build-fuzz/bin/fuzz_$name"
  if [ ! -x "$target" ]; then
    echo "fuzz: $target is missing; run scripts/setup.sh fuzz" >&2
    exit 1
  fi
  # Inputs may grow to 4 KiB, or to the largest seed (whole layouts of real windows).
  max_len="$(find "$corpus" -type f -printf '%s\n' | sort -n | tail -n 1)"
  max_len=$(( ${max_len:-0} > 4096 ? max_len : 4096 ))
  options=(-max_total_time="$seconds" -max_len="$max_len" -timeout=10 -rss_limit_mb=2048
           -print_final_stats=1 -artifact_prefix="build-fuzz/crash-$name-")
  [ -f "fuzz/$name.dict" ] && options+=(-dict="fuzz/$name.dict")
  mkdir -p "$scratch/$name"
  echo "fuzz: $name for ${seconds}s"
  LSAN_OPTIONS="suppressions=$PWD/cmake/lsan.supp:print_suppressions=0" \
  QT_QPA_PLATFORM=offscreen "$target" "${options[@]}" "$scratch/$name" "$corpus" 2>"$scratch/$name.log" || {
    tail -n 40 "$scratch/$name.log" >&2
    exit 1
  }
  grep -E '^(Done|stat::number_of_executed_units)' "$scratch/$name.log" || true
done
