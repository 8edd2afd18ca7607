#!/usr/bin/env bash
# Runs the program from a build folder: converts the sample files into pages.
set -euo pipefail
build=${1:-build}
out=out/examples
mkdir -p "$out"
for source in examples/*.pas examples/*.dfm; do
  [ -e "$source" ] || continue
  page="$out/$(basename "$source" | tr . _).HTM"
  "$build/src/cli/codelume-cli" convert --force -o "$page" "$source"
  echo "$source -> $page"
done
