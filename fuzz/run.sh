#!/usr/bin/env bash
# Runs one libFuzzer target built by `make fuzz` for SECONDS (600 unless given),
# with its dictionary and seeds and limits that reach the sizes where slow
# paths show: inputs up to 1 MB for the HTML targets, one second per input.
# New inputs collect in BUILD/corpus/TARGET, crashes and hangs in
# BUILD/findings/TARGET. Run one target at a time on a shared machine.
# Usage: fuzz/run.sh TARGET [SECONDS] [BUILD]   (TARGET: convert document formfile reader)
set -euo pipefail
target=$1
seconds=${2:-600}
build=${3:-build-fuzz}
here=$(cd "$(dirname "$0")" && pwd)
corpus=$build/corpus/$target
mkdir -p "$corpus" "$build/findings/$target"
# -len_control=0 lets inputs reach -max_len at once instead of growing slowly.
options=(-max_total_time="$seconds" -timeout=1 -rss_limit_mb=2048 -len_control=0
         -print_final_stats=1 -artifact_prefix="$build/findings/$target/")
inputs=("$corpus")
case $target in
  document|reader)
    options+=(-max_len=1048576 -dict="$here/reader/reader.dict")
    inputs+=("$here/reader/seeds") ;;
  convert)
    options+=(-max_len=65536 -dict="$here/convert/convert.dict")
    cp -n "$here/../examples/Sample.pas" "$corpus/" ;;
  formfile)
    options+=(-max_len=65536)
    cp -n "$here/../examples/Sample.dfm" "$corpus/" ;;
  *) echo "unknown fuzz target $target" >&2; exit 2 ;;
esac
exec "$build/fuzz/$target/fuzz_$target" "${options[@]}" "${inputs[@]}"
