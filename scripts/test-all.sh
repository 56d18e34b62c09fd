#!/usr/bin/env bash
# Every test: native, under AddressSanitizer and UBSan, and the Windows build
# under Wine (unit tests, command line and the real program end to end).
set -uo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc)
passed=0
failed=0
step() {  # step NAME COMMAND...: runs one stage and counts it
  echo "==> $1"
  shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $*"; fi
}

build() { cmake --preset "$1" >/dev/null && cmake --build --preset "$1" -j "$jobs"; }

step "Linux build" build linux
step "Linux tests" ctest --preset linux -j "$jobs"
step "Sanitizer build" build linux-asan
step "Sanitizer tests" ctest --preset linux-asan -j "$jobs"
step "Windows build" build mingw
step "Windows tests under Wine" scripts/wine-tests.sh build/mingw

echo
echo "test stages: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
