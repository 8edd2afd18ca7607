#!/usr/bin/env bash
# Remakes docs/codelume-window.png: the window right after converting
# examples/Sample.pas, as a person sees it. Runs the program on a virtual
# display (needs xvfb, xdotool and imagemagick).
# Usage: scripts/screenshot.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
program=$PWD/$build/src/app/codelume
work=$(mktemp -d -t codelume-XXXXXX)
xvfb_pid='' app_pid=''
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display number and writes it to the given descriptor.
exec 3<> "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n1 "$work/display")

cp examples/Sample.pas "$work/"
"$program" "$work/Sample.pas" >/dev/null 2>&1 &
app_pid=$!
window=$(xdotool search --sync --name '^Codelume$' | head -n1)
xdotool windowsize --sync "$window" 720 500
xdotool windowfocus --sync "$window"
xdotool key --window "$window" ctrl+Return
for _ in $(seq 50); do [ -s "$work/Sample_pas.HTM" ] && break; sleep 0.1; done
# A click into the page takes the focus (and its caret) from the field.
xdotool mousemove --window "$window" 300 300 click 1
sleep 1
import -window "$window" "$work/shot.png"
# Few colours keep the committed picture small.
convert "$work/shot.png" -colors 64 -strip docs/codelume-window.png
echo "docs/codelume-window.png"
