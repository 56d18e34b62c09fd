#!/usr/bin/env bash
# Runs the Windows tests of a mingw build under Wine: the CTest tests of one
# locale in one fresh prefix, or one test program as CTest's emulator.
#   scripts/wine-tests.sh BUILD_DIR [LOCALE [CTEST_ARGS...]]
#       every test of LOCALE, ja_JP.UTF-8 (code page 932) by default or
#       en_US.UTF-8 (code page 1252); e.g. --output-junit Testing/wine.xml
#   scripts/wine-tests.sh --program PROGRAM.exe [ARGS...]
#       the emulator: in the prefix of its locale's run, else in its own
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

# Wine run by root writes files marked read-only, which Windows refuses: the
# tests run as an ordinary user when root can, so those cases are tested too.
# wine_user PATH: that user's name when there is one that can read PATH.
wine_user() {
  if [ "$(id -u)" = 0 ] && [ -z "${KASUMIRO_WINE_KEEP_USER:-}" ] && id nobody >/dev/null 2>&1 &&
     runuser -u nobody -- test -r "$1" 2>/dev/null; then
    echo nobody
  fi
}

# in_prefix PATH LOCALE COMMAND...: the command in a fresh prefix of LOCALE
# (scripts/with-wine.sh), as the user of wine_user PATH.
in_prefix() {
  local user home status=0
  user="$(wine_user "$1")"
  set -- "$here/with-wine.sh" --locale "$2" "$here/wine-tests.sh" --inside "$2" "${@:3}"
  if [ -z "$user" ]; then "$@"; return; fi
  home="$(mktemp -d /tmp/kasumiro-wine-home.XXXXXX)"
  chown "$user" "$home"
  runuser -u "$user" -- env HOME="$home" PATH="$PATH" KASUMIRO_WINE_KEEP_USER=1 "$@" || status=$?
  rm -rf "$home"
  return $status
}

case "${1:-}" in
--inside)
  # In the prefix: the end-to-end tests keep their folders on a drive of
  # their own, made before the programs start: under Wine the shell's folder
  # chooser finds folders there reliably, not under C: or Z:.
  locale="$2"
  shift 2
  e2e_drive="$(mktemp -d /tmp/kasumiro-e2e-drive.XXXXXX)"
  e2e_link="$WINEPREFIX/dosdevices/k:"
  if ln -s "$e2e_drive" "$e2e_link" 2>/dev/null; then export KASUMIRO_E2E_ROOT="K:\\"; else e2e_link=""; fi
  status=0
  KASUMIRO_WINE_RUN="$locale" "$@" || status=$?
  rm -rf "$e2e_drive"
  if [ -n "$e2e_link" ]; then rm -f "$e2e_link"; fi
  exit $status
  ;;
--program)
  shift
  locale="${KASUMIRO_WINE_LOCALE:-ja_JP.UTF-8}"
  if [ "${KASUMIRO_WINE_RUN:-}" = "$locale" ]; then exec wine "$@"; fi
  # Run by ctest alone: a prefix for this program.
  in_prefix "$1" "$locale" "$here/wine-tests.sh" --program "$@"
  exit
  ;;
esac

build="$(cd "$1" && pwd)"
locale="${2:-ja_JP.UTF-8}"
shift $(($# < 2 ? $# : 2))
# ctest keeps its records in the build's Testing/, which that user writes.
mkdir -p "$build/Testing/Temporary"
user="$(wine_user "$build")"
if [ -n "$user" ]; then chown -R "$user" "$build/Testing"; fi
echo "--- Wine with LANG=$locale"
in_prefix "$build" "$locale" ctest --test-dir "$build" --label-regex "^${locale%%.*}\$" --no-tests=error --verbose "$@"
