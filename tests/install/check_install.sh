#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR and checks what a desktop reads
# from it. Usage: check_install.sh CHECK BUILD_DIR SOURCE_DIR
# Exit 0 passes, 1 fails, 77 skips (a tool this check needs is missing).
set -euo pipefail
check=$1 build=$2 source=$3
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
need() { command -v "$1" >/dev/null || { echo "SKIP: $1 is not installed"; exit 77; }; }
install_into_stage() { DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null; }

expected_files() {
  echo usr/bin/codelume usr/bin/codelume-cli
  echo usr/share/applications/codelume.desktop usr/share/mime/packages/codelume.xml
  echo usr/share/man/man1/codelume.1.gz usr/share/man/man1/codelume-cli.1.gz
  echo usr/share/icons/hicolor/scalable/apps/codelume.svg
  for size in 16 22 24 32 48 64 128 256; do
    echo "usr/share/icons/hicolor/${size}x${size}/apps/codelume.png"
  done
}

case $check in
entry)
  need desktop-file-validate
  desktop-file-validate "$source/data/codelume.desktop" || fail "the desktop entry does not validate"
  ;;
files)
  install_into_stage
  for file in $(expected_files); do [ -s "$stage/$file" ] || fail "$file was not installed"; done
  for program in codelume codelume-cli; do
    [ -x "$stage/usr/bin/$program" ] || fail "$program is not executable"
  done
  extra=$(cd "$stage" && find . -type f | sed 's|^\./||' | sort | comm -23 - <(expected_files | tr ' ' '\n' | sort))
  [ -z "$extra" ] || fail "unexpected files installed: $extra"
  grep -qx 'Exec=codelume %f' "$stage/usr/share/applications/codelume.desktop" || fail "Exec line"
  grep -qx 'Icon=codelume' "$stage/usr/share/applications/codelume.desktop" || fail "Icon line"
  ;;
mime)
  need update-mime-database
  install_into_stage
  mime=$stage/usr/share/mime
  update-mime-database "$mime" 2>/dev/null || fail "update-mime-database rejects the package"
  for glob in '*.dfm' '*.lfm'; do
    grep -qF "application/x-pascal-form:$glob" "$mime/globs2" || fail "$glob is not a form file"
  done
  for glob in '*.pp' '*.dpr' '*.dpk' '*.lpr'; do
    grep -qF "text/x-pascal:$glob" "$mime/globs2" || fail "$glob is not Pascal source"
  done
  ;;
man)
  need man
  install_into_stage
  for page in codelume codelume-cli; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$stage/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$page(1): $warnings"
  done
  ;;
*)
  fail "unknown check $check"
  ;;
esac
