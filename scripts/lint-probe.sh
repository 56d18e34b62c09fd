#!/usr/bin/env bash
# Checks that make lint guards what it claims, as a fresh clone runs it: a
# copy of the tracked files with a 70-line function added to the Win32 front
# end must fail clang-tidy's 60-line rule. Only that file is analysed.
set -euo pipefail
cd "$(dirname "$0")/.."

probe="$(mktemp -d /tmp/kasumiro-lint-probe.XXXXXX)"
trap 'rm -rf "$probe"' EXIT
git ls-files -z | xargs -0 cp --parents -t "$probe"
target=src/ui/win32/win32_frame.cpp
{
  echo "void LintProbeLongFunction() {"
  for _ in $(seq 68); do echo "    DefaultBeep();"; done
  echo "}"
} >>"$probe/$target"

if KASUMIRO_LINT_FORMAT=0 KASUMIRO_LINT_FILES="/$target\$" "$probe/scripts/lint.sh" >"$probe/lint.out" 2>&1; then
  cat "$probe/lint.out"
  echo "lint-probe: make lint passed a 70-line function in $target"
  exit 1
fi
if ! grep -q "readability-function-size" "$probe/lint.out"; then
  cat "$probe/lint.out"
  echo "lint-probe: make lint failed, but not on the 70-line function in $target"
  exit 1
fi
grep -m1 "readability-function-size" "$probe/lint.out"
echo "lint-probe: make lint refuses a 70-line function in $target"
