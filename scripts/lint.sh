#!/usr/bin/env bash
# clang-tidy (.clang-tidy) over every source of the Linux build, as its
# compile_commands.json lists them; any finding fails.
set -uo pipefail
cd "$(dirname "$0")/.."

cmake --preset linux >/dev/null || exit 1
# The compile commands are GCC's: clang need not know every warning option.
# Headers count only in the project's own folders, not what the build
# generates (Qt's moc output under build/).
run-clang-tidy -p build/linux -j "$(nproc)" -quiet -extra-arg=-Wno-unknown-warning-option \
  -header-filter="^$(pwd)/(src|tests|fuzz|tools|bench)/" "$(pwd)/(src|tests|tools)/" >build/linux/lint.log 2>&1
status=$?
findings=$(grep -cE "(warning|error): " build/linux/lint.log)
if [ "$status" -ne 0 ] || [ "$findings" -gt 0 ]; then
  grep -E -A3 "(warning|error): " build/linux/lint.log | head -100
  echo "lint: $findings findings (log: build/linux/lint.log)"
  exit 1
fi
echo "lint: $(grep -c '"file"' build/linux/compile_commands.json) files, no findings"
