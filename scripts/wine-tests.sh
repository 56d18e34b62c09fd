#!/usr/bin/env bash
# Runs the Windows test programs of a mingw build in one fresh Wine prefix,
# with a Japanese locale (code page 932) or the one named.
#   scripts/wine-tests.sh BUILD_DIR [LOCALE]      e.g. en_US.UTF-8 (code page 1252)
set -euo pipefail

if [ "${1:-}" = "--run" ]; then
  build="$2"
  status=0
  # The end-to-end tests keep their folders on a drive of their own: under Wine
  # the shell's folder chooser finds folders there reliably, not under C: or Z:.
  e2e_drive="$(mktemp -d /tmp/kasumiro-e2e-drive.XXXXXX)"
  e2e_link="$WINEPREFIX/dosdevices/k:"
  if ln -s "$e2e_drive" "$e2e_link" 2>/dev/null; then export KASUMIRO_E2E_ROOT="K:\\"; else e2e_link=""; fi
  for exe in kasumiro_tests kasumiro_cli_tests kasumiro_e2e; do
    if [ -f "$build/tests/$exe.exe" ]; then
      echo "--- $exe.exe under Wine"
      wine "$build/tests/$exe.exe" --gtest_brief=1 || status=1
    fi
  done
  rm -rf "$e2e_drive"
  if [ -n "$e2e_link" ]; then rm -f "$e2e_link"; fi
  exit $status
fi

build="$(cd "$1" && pwd)"
locale="${2:-ja_JP.UTF-8}"

# Wine run by root writes files marked read-only, which Windows refuses: run
# the tests as an ordinary user when root can, so those cases are tested too.
if [ "$(id -u)" = 0 ] && [ -z "${KASUMIRO_WINE_KEEP_USER:-}" ] && id nobody >/dev/null 2>&1 &&
   runuser -u nobody -- test -r "$build/tests/kasumiro_tests.exe" 2>/dev/null; then
  home="$(mktemp -d /tmp/kasumiro-wine-home.XXXXXX)"
  chown nobody "$home"
  status=0
  runuser -u nobody -- env HOME="$home" PATH="$PATH" KASUMIRO_WINE_KEEP_USER=1 "$0" "$build" "$locale" || status=$?
  rm -rf "$home"
  exit $status
fi

echo "--- Wine with LANG=$locale"
exec "$(dirname "$0")/with-wine.sh" --locale "$locale" "$(cd "$(dirname "$0")" && pwd)/wine-tests.sh" --run "$build"
