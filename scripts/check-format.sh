#!/usr/bin/env bash
# Lists the C++ files under src/, tests/, bench/ and fuzz/ that differ from
# .clang-format, and fails when there is one. Exits 77 (skipped) without
# clang-format. Untracked files count too, so a new file is checked before
# it is committed.
set -uo pipefail
cd "${1:-$(dirname "$0")/..}" || exit 1
command -v clang-format >/dev/null || { echo "clang-format is not installed"; exit 77; }
trees=(src tests bench fuzz)
if git rev-parse --git-dir >/dev/null 2>&1; then
  mapfile -t listed < <(git ls-files --cached --others --exclude-standard -- "${trees[@]}")
else
  mapfile -t listed < <(find "${trees[@]}" -type f)
fi
files=()
for file in "${listed[@]}"; do
  [[ $file =~ \.(cpp|h)$ && -f $file ]] && files+=("$file")
done
report=$(clang-format --dry-run --Werror "${files[@]}" 2>&1)
status=$?
differing=$(sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' \
  <<<"$report" | sort -u)
if [ -n "$differing" ]; then
  echo "These files differ from .clang-format (run clang-format -i on them):"
  echo "$differing"
  exit 1
fi
if [ "$status" -ne 0 ]; then
  echo "$report"
  exit "$status"
fi
echo "${#files[@]} files match .clang-format"
