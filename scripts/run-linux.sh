#!/usr/bin/env bash
# Builds kasumiro, the Linux program, makes the sample game once and starts
# the program on it, seeding its settings file at the first start.
#   scripts/run-linux.sh      (make run-linux)
# The sample game is the one `make run` uses, in
# ${XDG_DATA_HOME:-~/.local/share}/kasumiro/sample-game; the settings file is
# the program's own, ${XDG_CONFIG_HOME:-~/.config}/kasumiro/kasumiro.ini.
# KASUMIRO_LINUX_BUILD names another build folder than build/linux.
set -euo pipefail
cd "$(dirname "$0")/.."
linux_build="${KASUMIRO_LINUX_BUILD:-build/linux}"

cmake --preset linux -B "$linux_build" >/dev/null
cmake --build "$linux_build" -j "$(nproc)" --target kasumiro make-sample-game

game="${XDG_DATA_HOME:-$HOME/.local/share}/kasumiro/sample-game"
if [ ! -d "$game/NEW.DAT" ]; then
  mkdir -p "$game"
  "$linux_build/make-sample-game" "$game/"
  echo "Sample game made in $game"
fi

# First start: point the program at the sample game; later starts keep
# whatever folder and slot the user chose.
settings="${XDG_CONFIG_HOME:-$HOME/.config}/kasumiro/kasumiro.ini"
if [ ! -f "$settings" ]; then
  mkdir -p "$(dirname "$settings")"
  printf '[Kasumiro]\nBaseDir=%s/\n' "$game" >"$settings"
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No DISPLAY: running kasumiro on a virtual screen (Xvfb); stop it with Ctrl+C."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$linux_build/kasumiro"
fi
echo "Starting kasumiro (settings: $settings, game: $game)"
exec "$linux_build/kasumiro"
