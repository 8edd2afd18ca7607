#!/bin/sh
# Converts real Pascal files from the Debian package fpc-source with
# codelume-cli, reads each page back with `codelume-cli dump --fixed-metrics`
# and checks that the preformatted lines carry the source line for line (the
# expected page text comes from bench/convert/check_pages.py). For manual runs.
#
#     roundtrip_fpc.sh [CLI [COUNT]]    (defaults: build/src/cli/codelume-cli, 300)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
cli=${1:-$here/../../build/src/cli/codelume-cli}
count=${2:-300}
[ -x "$cli" ] || { echo "roundtrip_fpc.sh: no codelume-cli at $cli" >&2; exit 2; }
[ -d /usr/share/fpcsrc ] || apt-get install -y fpc-source
# Every k-th file of the sorted list, so the sample spreads over the whole tree.
files=$(find /usr/share/fpcsrc -type f \( -name '*.pas' -o -name '*.pp' \) | LC_ALL=C sort)
total=$(printf '%s\n' "$files" | wc -l)
step=$(( total / count > 0 ? total / count : 1 ))
printf '%s\n' "$files" | awk -v step="$step" -v count="$count" 'NR % step == 0 && n++ < count' |
  python3 "$here/roundtrip_pages.py" "$cli"
