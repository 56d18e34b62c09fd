#!/usr/bin/env bash
# Every test: native, under AddressSanitizer and UBSan, and the Windows build
# under Wine (unit tests, command line and the real program end to end); the
# Debian package and its lintian check; a short run of every fuzz target, and
# the linter, with its probe.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1

jobs=$(nproc)
log="$(mktemp /tmp/kasumiro-test-log.XXXXXX)"
trap 'rm -f "$log"' EXIT
stages_failed=0
step() {  # step NAME COMMAND...: runs one stage, keeping its output for the count
  echo "==> $1"
  shift
  if ! "$@" 2>&1 | tee -a "$log"; then
    stages_failed=$((stages_failed + 1))
    echo "FAILED: $*"
  fi
}

build() { cmake --preset "$1" >/dev/null && cmake --build --preset "$1" -j "$jobs"; }

step "Linux build" build linux
step "Linux tests" ctest --preset linux -j "$jobs"
step "Sanitizer build" build linux-asan
step "Sanitizer tests" ctest --preset linux-asan -j "$jobs"
step "Windows build" build mingw
step "Window program without streams, at most 512 KiB" scripts/check-exe.sh build/mingw
# Twice: on a Japanese system (code page 932) and on a US or European one
# (code page 1252), where every text must read the same.
step "Windows tests under Wine, Japanese locale" scripts/wine-tests.sh build/mingw ja_JP.UTF-8
step "Windows tests under Wine, English locale" scripts/wine-tests.sh build/mingw en_US.UTF-8
# The Debian package as a reviewer sees it: built by dpkg-buildpackage without
# its tests (the same ran above), then lintian and the package's checks.
step "Debian package" env DEB_BUILD_OPTIONS=nocheck scripts/package.sh
step "Debian package checks" scripts/check-package.sh dist/kasumiro_*.changes
step "Fuzz regression" scripts/fuzz.sh "${FUZZ_REGRESSION_SECONDS:-10}"
step "Lint" scripts/lint.sh
step "Lint refuses a long function in Win32 code, from a fresh copy" scripts/lint-probe.sh

# Totals over every run: ctest's "N tests failed out of M" and GoogleTest's
# PASSED / FAILED / SKIPPED lines from the Wine runs.
read -r passed failed skipped < <(awk '
  /tests passed, [0-9]+ tests failed out of/ { f += $4; p += $NF - $4 }
  /^\[  PASSED  \] [0-9]+ test/ { p += $4 }
  /^\[  FAILED  \] [0-9]+ test/ { f += $4 }
  /^\[  SKIPPED \] [0-9]+ test/ { s += $4 }
  END { print p + 0, f + 0, s + 0 }' "$log")
if [ "$stages_failed" -gt 0 ] && [ "$failed" -eq 0 ]; then failed=$stages_failed; fi

echo
echo "Tests: $passed passed, $failed failed, $skipped skipped"
[ "$stages_failed" -eq 0 ]
