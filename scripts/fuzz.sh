#!/usr/bin/env bash
# Runs every libFuzzer target for a set time, seeded from fuzz/corpus/<target>/.
# The targets are built in the sanitizer build (the linux-asan preset: clang,
# ASan and UBSan), which make test has built already.
#   scripts/fuzz.sh [SECONDS]   (default: $FUZZ_SECONDS, or 60 a target)
# New inputs go to build/fuzz/corpus/ (the repo's seeds stay as they are); a
# failing input is kept in build/fuzz/artifacts/ and fails the run.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1

seconds=${1:-${FUZZ_SECONDS:-60}}
mkdir -p build
# Configured once; the build itself configures again when CMake's files change
# (make test runs the sanitizer tests from that build meanwhile).
if ! { { [ -f build/linux-asan/CMakeCache.txt ] || cmake --preset linux-asan; } &&
       cmake --build --preset linux-asan -j "$(nproc)" --target fuzz_targets; } >build/fuzz-build.log 2>&1; then
  tail -40 build/fuzz-build.log
  echo "fuzz: the build failed (log: build/fuzz-build.log)"
  exit 1
fi

failed=0
for seeds in fuzz/corpus/*/; do
  target=$(basename "$seeds")
  work=build/fuzz/corpus/$target
  mkdir -p "$work" build/fuzz/artifacts
  log=build/fuzz/$target.log
  if build/linux-asan/fuzz/fuzz_"$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
       -artifact_prefix=build/fuzz/artifacts/"$target"- "$work" "$seeds" >"$log" 2>&1; then
    runs=$(awk '/stat::number_of_executed_units:/ { print $2 }' "$log")
    echo "fuzz: $target: $runs executions in $seconds s, no property failed"
  else
    failed=$((failed + 1))
    grep -E "property failed|ERROR|SUMMARY|runtime error|Test unit written" "$log" | head -8
    echo "fuzz: $target: FAILED (log: $log)"
  fi
done
[ "$failed" -eq 0 ]
