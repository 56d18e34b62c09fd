#!/usr/bin/env bash
# Start-to-first-paint time and peak memory of kasumiro against a minimal Qt
# Widgets window, on a sample game, under Xvfb when there is no display: one
# paired run (the two alternating) in a Japanese locale, then one in C.UTF-8.
#   scripts/bench-linux.sh [RUNS]      (make bench-linux; RUNS of each, 40 by default)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${KASUMIRO_LINUX_BUILD:-build/linux}"
cmake --preset linux -B "$build" >/dev/null
cmake --build "$build" -j "$(nproc)" --target kasumiro_paint_bench make-sample-game >/dev/null
game="$(mktemp -d /tmp/kasumiro-bench-game.XXXXXX)"
trap 'rm -rf "$game"' EXIT
"$build/make-sample-game" "$game/" >/dev/null
export QT_LOGGING_RULES="*.debug=false" XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$game}"
unset LC_ALL
for locale in ja_JP.UTF-8 C.UTF-8; do
  echo "LANG=$locale"
  if [ -z "${DISPLAY:-}" ]; then
    LANG=$locale xvfb-run -a -s "-screen 0 1280x1024x24" "$build/kasumiro_paint_bench" "$game" "${1:-40}"
  else
    LANG=$locale "$build/kasumiro_paint_bench" "$game" "${1:-40}"
  fi
done
