#!/usr/bin/env bash
# Checks that make lint guards what it claims: its clang-tidy run
# (scripts/lint_tidy.py, with the results of earlier runs at hand) must refuse
# the Win32 front end's win32_frame.cpp with a 70-line function added. The
# changed file stands in for the real one through clang's file overlay, with
# make lint's compile database (build/lint/): the tree is not touched, copied
# or configured again. Only that file is analysed.
set -euo pipefail
cd "$(dirname "$0")/.."

target=src/ui/win32/win32_frame.cpp
if ! grep -qF "$(pwd)/$target\"" build/lint/compile_commands.json 2>/dev/null; then
  echo "lint-probe: build/lint/compile_commands.json does not list $target (make lint writes it)" >&2
  exit 1
fi
probe="$(mktemp -d /tmp/kasumiro-lint-probe.XXXXXX)"
trap 'rm -rf "$probe"' EXIT
{
  cat "$target"
  echo "void LintProbeLongFunction() {"
  for _ in $(seq 68); do echo "    DefaultBeep();"; done
  echo "}"
} >"$probe/win32_frame.cpp"

if scripts/lint_tidy.py --root "$(pwd)" --database build/lint --files "^$(pwd)/$target\$" --jobs 1 \
     --overlay "$target=$probe/win32_frame.cpp" --log "$probe/lint.log" >"$probe/lint.out" 2>&1; then
  cat "$probe/lint.out" "$probe/lint.log"
  echo "lint-probe: make lint passed a 70-line function in $target"
  exit 1
fi
if ! grep -q "LintProbeLongFunction.*readability-function-size" "$probe/lint.log"; then
  cat "$probe/lint.out" "$probe/lint.log"
  echo "lint-probe: make lint failed, but not on the 70-line function in $target"
  exit 1
fi
grep -m1 "readability-function-size" "$probe/lint.log"
echo "lint-probe: make lint refuses a 70-line function in $target"
