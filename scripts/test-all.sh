#!/usr/bin/env bash
# Every test: the Windows build, its size check and its tests under Wine
# (unit tests, command line and the real program end to end) with a Japanese
# and an English locale; the tests under AddressSanitizer and UBSan (clang,
# whose build holds the fuzz targets too); the Debian package, whose GCC build
# runs the plain tests with warnings as errors, and its lintian check; a short
# run of every fuzz target, and the linter, with its probe; the portable Linux
# build in clean minbase roots of Debian 11, 12 and 13.
# The stages after the Windows build run in lanes beside one another: the two
# Wine runs (which mostly wait), the linters, the package, the portable
# build, the fuzz run once the sanitizer build is there, and in front that
# build and its tests. Each stage keeps its output in
# build/test-logs/; that of the stages beside is shown whole once all end.
# The run ends with each stage's start and time, and CTest's totals.
# The compilers run through ccache, whose files are kept outside the tree and
# keyed by content and command: a clone in another folder on the same machine
# compiles only what changed (CCACHE_BASEDIR makes the clone's paths relative).
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1

jobs=$(nproc)
logs=build/test-logs
rm -rf "$logs"
mkdir -p "$logs"
started=$(date +%s)
if command -v ccache >/dev/null 2>&1; then
  export CCACHE_DIR="${CCACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/kasumiro/ccache}"
  CCACHE_BASEDIR="$(pwd)"
  # The debug information's build folder is that of the clone that filled
  # the cache; the objects are the same.
  export CCACHE_BASEDIR CCACHE_NOHASHDIR=1 CCACHE_STATSLOG="$PWD/$logs/ccache.log"
  export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
fi
# The package's GCC build holds the code to warnings as errors here (debian/rules).
export KASUMIRO_WERROR=ON

# stage ID TITLE COMMAND...: runs one stage, its output in $logs/ID.log and,
# unless $quiet is set, on the terminal; its start, time, result and
# quietness go to $logs/stages.
stage() {
  local id="$1" title="$2" start status
  shift 2
  start=$(date +%s)
  if [ -n "${quiet:-}" ]; then
    "$@" >"$logs/$id.log" 2>&1
    status=$?
  else
    echo "==> $title"
    "$@" 2>&1 | tee "$logs/$id.log"
    status=${PIPESTATUS[0]}
    [ "$status" -eq 0 ] || echo "FAILED: $title"
  fi
  printf '%s\t%s\t%s\t%s\t%s\t%s\n' "$((start - started))" "$(($(date +%s) - start))" "$status" "$id" \
    "${quiet:-0}" "$title" >>"$logs/stages"
}
# beside FUNCTION: runs the stages of FUNCTION in the background, quietly.
beside() {
  (quiet=1 "$@") &
  echo "==> Beside the next stages: $1 ($logs/)"
}

build() { cmake --preset "$1" >/dev/null && cmake --build --preset "$1" -j "$jobs"; }
# The package's build tree, where dh_auto_test ran the tests.
package_tests() { ctest --test-dir "$(echo build/debian/kasumiro-*/obj-*)" --no-tests=error --output-on-failure "$@"; }

# The Windows tests run on a Japanese system (code page 932) and on a US or
# European one (code page 1252), where every text must read the same: two
# Wine prefixes at once, each on its own virtual screen (xvfb-run -a, which
# must not look for a free screen at the same moment as the other).
# wine_tests ID LOCALE TITLE: the mingw build's CTest tests of LOCALE, their
# results in $logs/ID.xml (written first in the build, by Wine's user).
wine_tests() {
  rm -f "build/mingw/Testing/$1.xml"
  stage "$1" "$3" scripts/wine-tests.sh build/mingw "$2" --output-junit "Testing/$1.xml"
  cp "build/mingw/Testing/$1.xml" "$logs/" 2>/dev/null
}
wine_japanese() { wine_tests wine-ja ja_JP.UTF-8 "Windows tests under Wine, Japanese locale"; }
wine_english() {
  sleep 10
  wine_tests wine-en en_US.UTF-8 "Windows tests under Wine, English locale"
}
linters() {
  stage lint "Lint" scripts/lint.sh
  stage lint-probe "Lint refuses a long function in Win32 code" scripts/lint-probe.sh
}
# The Debian package as a reviewer sees it, built by dpkg-buildpackage with
# its tests (the plain build's), then lintian and the package's checks.
package() {
  stage package "Debian package, its build running the tests" scripts/package.sh
  cp build/debian/kasumiro-*/obj-*/ctest-results.xml "$logs/package.xml" 2>/dev/null
  stage package-checks "Debian package checks" scripts/check-package.sh dist/kasumiro_*.changes
}

# The portable Linux build as `make portable` makes it, tested in clean roots
# (made once and cached outside the tree: the first run downloads them). Its
# own build folder: the linters' lane configures build/linux at this moment.
portable_build() {
  KASUMIRO_LINUX_BUILD=build/portable scripts/portable.sh &&
    cmake --build build/portable -j "$jobs" --target make-sample-game
}
portable() {
  stage portable-roots "Minbase roots of Debian 11, 12 and 13 (cached)" scripts/test-portable.sh --roots
  stage portable "Portable Linux build" portable_build
  stage portable-test "Portable Linux build in the minbase roots" scripts/test-portable.sh \
    dist/kasumiro-*-linux-x86_64.tar.xz build/portable/make-sample-game
}

fuzz_regression() { stage fuzz "Fuzz regression" scripts/fuzz.sh "${FUZZ_REGRESSION_SECONDS:-10}"; }

stage mingw "Windows build" build mingw
stage exe "Both exes held to Windows XP; Kasumiro.exe without streams, at most 512 KiB" scripts/check-exe.sh build/mingw
beside wine_japanese
beside wine_english
beside linters
beside package
beside portable
stage asan "Sanitizer build (clang), with the fuzz targets" build linux-asan
beside fuzz_regression
stage asan-tests "Sanitizer tests" ctest --preset linux-asan -j "$jobs" --output-junit "$PWD/$logs/asan-tests.xml"

wait
# The accessibility test, which needs an X server, on the package build's
# program; after the lanes, since two xvfb-run -a starting at one moment can
# take the same display (the sanitizer tests run this test too, and its
# Wayland form under a headless weston).
stage atspi "Accessibility tree of the package's program, on X11 and Wayland" package_tests -R '^kasumiro_(atspi|wayland)$' \
  --output-junit "$PWD/$logs/atspi.xml"
sort -n "$logs/stages" | while IFS=$'\t' read -r _ _ status id quiet title; do
  [ "$quiet" = 1 ] || continue
  echo "==> $title"
  cat "$logs/$id.log"
  [ "$status" -eq 0 ] || echo "FAILED: $title"
done

# Totals over every ctest run, from the results each wrote ($logs/*.xml).
read -r passed failed skipped < <(python3 - "$logs"/*.xml <<'EOF'
import sys
import xml.etree.ElementTree as ET
total = {"tests": 0, "failures": 0, "skipped": 0, "disabled": 0}
for name in sys.argv[1:]:
    try:
        suite = ET.parse(name).getroot()
    except (OSError, ET.ParseError):
        continue
    for key in total:
        total[key] += int(suite.get(key, 0))
skipped = total["skipped"] + total["disabled"]
print(total["tests"] - total["failures"] - skipped, total["failures"], skipped)
EOF
)
stages_failed=$(awk -F'\t' '$3 != 0' "$logs/stages" | wc -l)
if [ "$stages_failed" -gt 0 ] && [ "$failed" -eq 0 ]; then failed=$stages_failed; fi

echo
echo "Stage times (start after the beginning, duration):"
mmss() { printf '%d:%02d' $(($1 / 60)) $(($1 % 60)); }
sort -n "$logs/stages" | while IFS=$'\t' read -r start seconds status _ _ title; do
  printf '  %6s  %6s  %s%s\n' "+$(mmss "$start")" "$(mmss "$seconds")" "$title" "$([ "$status" -eq 0 ] || echo ' (FAILED)')"
done
echo "  total   $(mmss $(($(date +%s) - started)))"
if [ -n "${CCACHE_STATSLOG:-}" ] && [ -f "$CCACHE_STATSLOG" ]; then
  echo "  ccache: $(ccache --show-log-stats -v 2>/dev/null | awk '/^  (Hits|Misses):/ && !seen[$1]++ { printf "%s %s of %s  ", $1, $2, $4 }')"
fi
echo "Tests: $passed passed, $failed failed, $skipped skipped"
[ "$stages_failed" -eq 0 ]
