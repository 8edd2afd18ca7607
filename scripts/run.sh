#!/usr/bin/env bash
# Starts the desktop program from a build folder. Without a display it
# converts the sample files instead and says where the pages are.
set -euo pipefail
build=${1:-build}
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$build/src/app/codelume"
fi
echo "No display found: converting the examples with codelume-cli instead."
out=out/examples
mkdir -p "$out"
for source in examples/*.pas examples/*.dfm; do
  [ -e "$source" ] || continue
  page="$out/$(basename "$source" | tr . _).HTM"
  "$build/src/cli/codelume-cli" convert --force -o "$page" "$source"
  echo "$source -> $page"
done
