#!/usr/bin/env bash
# Runs the Windows test programs of a mingw build in one fresh Wine prefix.
#   scripts/wine-tests.sh BUILD_DIR
set -euo pipefail

if [ "${1:-}" = "--run" ]; then
  build="$2"
  status=0
  for exe in kasumiro_tests kasumiro_cli_tests kasumiro_e2e; do
    if [ -f "$build/tests/$exe.exe" ]; then
      echo "--- $exe.exe under Wine"
      wine "$build/tests/$exe.exe" --gtest_brief=1 || status=1
    fi
  done
  exit $status
fi

build="$(cd "$1" && pwd)"
exec "$(dirname "$0")/with-wine.sh" "$(cd "$(dirname "$0")" && pwd)/wine-tests.sh" --run "$build"
