#!/usr/bin/env bash
# Start-time benchmark of Kasumiro.exe under Wine (make bench-exe): in a plain
# Japanese prefix and then a plain US one (wineboot -i, nothing added, the
# wineserver kept running), bench/exe's launcher starts Kasumiro.exe, on the
# sample game with a stored folder and slot, and the bare window in turn,
# PAIRS times each (20 by default), and prints both medians and their ratio;
# then the same against controls-window.exe, the bare window carrying the
# main window's standard controls, which shows what those controls cost.
#   scripts/bench-exe.sh [PAIRS]
set -euo pipefail
cd "$(dirname "$0")/.."
build="$(pwd)/${KASUMIRO_MINGW_BUILD:-build/mingw}"

if [ "${1:-}" = "--run" ]; then
  pairs="$2"
  wineserver -p  # before any program, which would start a server of its own
  bench="$WINEPREFIX/drive_c/bench"
  mkdir -p "$bench/kasumiro" "$bench/bare" "$bench/controls"
  cp "$build/Kasumiro.exe" "$bench/kasumiro/"
  cp "$build/bench/exe/bare-window.exe" "$bench/bare/"
  cp "$build/bench/exe/controls-window.exe" "$bench/controls/"
  cp "$build/bench/exe/start-bench.exe" "$bench/"
  wine "$build/make-sample-game.exe" 'C:\bench\game'
  printf '[Kasumiro]\r\nBaseDir=C:\\bench\\game\\\r\nSaveData=0\r\n' >"$bench/kasumiro/Kasumiro.ini"
  wine 'C:\bench\start-bench.exe' "$pairs" 'C:\bench\kasumiro\Kasumiro.exe' 'C:\bench\bare\bare-window.exe'
  echo "--- the same against the bare window with the main window's controls"
  wine 'C:\bench\start-bench.exe' "$pairs" 'C:\bench\kasumiro\Kasumiro.exe' 'C:\bench\controls\controls-window.exe'
  exit
fi

pairs="${1:-20}"
cmake --preset mingw >/dev/null
cmake --build --preset mingw -j "$(nproc)" --target Kasumiro make-sample-game bare-window controls-window \
  start-bench
echo "Load before the runs: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
for locale in ja_JP.UTF-8 en_US.UTF-8; do
  echo "--- $pairs pairs in a plain $locale prefix"
  KASUMIRO_PLAIN_PREFIX=1 scripts/with-wine.sh --locale "$locale" "$(pwd)/scripts/bench-exe.sh" --run "$pairs"
done
