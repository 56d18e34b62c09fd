#!/usr/bin/env bash
# The linters of make lint; any finding fails:
#  - shellcheck over the shell scripts (scripts/, .ci/, .githooks/);
#  - clang-format (.clang-format) over every C++ file git tracks, once the
#    tree is formatted (the switch below);
#  - clang-tidy (.clang-tidy) over every source of the Linux build, as its
#    compile_commands.json lists them.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1

# The sources must be as .clang-format lays them out; to mend a finding:
#   git ls-files '*.cpp' '*.h' | xargs clang-format -i
# KASUMIRO_LINT_FORMAT=0 skips the check.
CHECK_FORMAT=${KASUMIRO_LINT_FORMAT:-1}

failed=0

shell_scripts=(scripts/*.sh .ci/* .githooks/* src/main/make_icon.sh)
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
  echo "lint: $findings clang-tidy findings (log: build/linux/lint.log)"
  failed=1
fi
[ "$failed" -eq 0 ] || exit 1
echo "lint: ${#shell_scripts[@]} scripts, $(grep -c '"file"' build/linux/compile_commands.json) sources, no findings"
