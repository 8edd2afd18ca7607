#!/usr/bin/env bash
# Runs the checks of .clang-tidy over every source file under src/, JOBS at a
# time, with the build's compile commands, and fails on a finding.
#   scripts/tidy.sh [BUILD] [JOBS]
set -uo pipefail
build=${1:-build}
jobs=${2:-$(nproc)}
cd "$(dirname "$0")/.." || exit 1
command -v clang-tidy >/dev/null || { echo "clang-tidy is not installed"; exit 1; }
if [ ! -f "$build/compile_commands.json" ]; then
  echo "$build/compile_commands.json is missing: build first"
  exit 1
fi
mapfile -t files < <(find src -name '*.cpp' | sort)
start=$SECONDS
# clang-tidy counts the findings it hides from other people's headers; only
# the findings themselves are shown.
printf '%s\0' "${files[@]}" | xargs -0 -P "$jobs" -n 1 clang-tidy -p "$build" --quiet 2>&1 |
  grep -Ev '^[0-9]+ (warnings?|errors?)( and [0-9]+ errors?)? generated\.$'
status=${PIPESTATUS[1]}
elapsed=$((SECONDS - start))
if [ "$status" -ne 0 ]; then
  echo "tidy: findings in the files above (${#files[@]} files, ${elapsed} s)"
  exit 1
fi
echo "tidy: ${#files[@]} files, no findings (${elapsed} s)"
