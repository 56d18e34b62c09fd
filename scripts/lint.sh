#!/usr/bin/env bash
# The linters of make lint; any finding fails:
#  - shellcheck over the shell scripts (scripts/, .ci/, .githooks/,
#    packaging/portable/);
#  - clang-format (.clang-format) over every C++ file git tracks, once the
#    tree is formatted (the switch below);
#  - clang-tidy (.clang-tidy) over every source of the Linux and the Windows
#    build, as their compile_commands.json list them (scripts/lint_database.py);
#    a source that passed before is analysed again only when its content, its
#    compile command or a file it includes changed (scripts/lint_tidy.py keeps
#    what passed in ~/.cache/kasumiro/clang-tidy, keyed by content).
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1
mkdir -p build

# The sources must be as .clang-format lays them out; to mend a finding:
#   git ls-files '*.cpp' '*.h' | xargs clang-format -i
# KASUMIRO_LINT_FORMAT=0 skips the check.
CHECK_FORMAT=${KASUMIRO_LINT_FORMAT:-1}
# The sources clang-tidy analyses, as a pattern of their full paths; all of
# the tree's by default.
TIDY_FILES=${KASUMIRO_LINT_FILES:-"$(pwd)/(src|tests|tools)/"}

failed=0

shell_scripts=(scripts/*.sh .ci/* .githooks/* src/main/make_icon.sh packaging/portable/*.sh)
if ! shellcheck "${shell_scripts[@]}"; then
  echo "lint: shellcheck findings"
  failed=1
fi

if [ "$CHECK_FORMAT" = 1 ]; then
  mapfile -t cpp_files < <(git ls-files '*.cpp' '*.h')
  if ! "${CLANG_FORMAT:-clang-format}" --dry-run --Werror "${cpp_files[@]}" 2>build/clang-format.log; then
    grep -E "(warning|error): " build/clang-format.log | head -40
    echo "lint: $(grep -cE "(warning|error): " build/clang-format.log) places not formatted (log: build/clang-format.log)"
    failed=1
  fi
fi

# clang-tidy reads both builds' compile databases, the Windows one with the
# cross compiler's C++ headers (scripts/lint_database.py). What the builds
# generate before compiling (Qt's moc output) is generated first, so that a
# fresh clone lints as a built tree does.
cmake --preset linux >/dev/null || exit 1
cmake --preset mingw >/dev/null || exit 1
mapfile -t generated < <(cmake --build build/linux --target help | sed -n 's/^\.\.\. \(.*_autogen\)$/\1/p')
if [ "${#generated[@]}" -gt 0 ]; then
  cmake --build build/linux --target "${generated[@]}" >/dev/null || exit 1
fi
mkdir -p build/lint
scripts/lint_database.py build/lint/compile_commands.json build/linux/compile_commands.json \
  build/mingw/compile_commands.json >build/lint/database.log || exit 1

scripts/lint_tidy.py --root "$(pwd)" --database build/lint --files "$TIDY_FILES" --jobs "$(nproc)" \
  --log build/lint/lint.log >build/lint/tidy.log 2>&1
status=$?
findings=$(grep -cE "(warning|error): " build/lint/lint.log)
if [ "$status" -ne 0 ] || [ "$findings" -gt 0 ]; then
  grep -E -A3 "(warning|error): " build/lint/lint.log | head -100
  [ "$findings" -gt 0 ] || head -40 build/lint/lint.log build/lint/tidy.log
  echo "lint: $findings clang-tidy findings (log: build/lint/lint.log)"
  failed=1
fi
[ "$failed" -eq 0 ] || exit 1
echo "lint: ${#shell_scripts[@]} scripts; $(cat build/lint/database.log); clang-tidy: $(cat build/lint/tidy.log); no findings"
