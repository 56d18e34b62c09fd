#!/usr/bin/env bash
# Builds Kasumiro, makes a sample game once and starts Kasumiro.exe on it under
# Wine with a Japanese locale, in a Wine prefix kept between runs.
#   scripts/run.sh            (make run)
#   KASUMIRO_LOCALE=en_US.UTF-8 scripts/run.sh    as on a US or European Windows
# Everything it makes lives together in ${XDG_DATA_HOME:-~/.local/share}/kasumiro:
# sample-game/, wineprefix/, and run/ with the program and its settings file.
# KASUMIRO_LINUX_BUILD and KASUMIRO_MINGW_BUILD name other build folders than
# build/linux and build/mingw.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
linux_build="${KASUMIRO_LINUX_BUILD:-build/linux}"
mingw_build="${KASUMIRO_MINGW_BUILD:-build/mingw}"

cmake --preset linux -B "$linux_build" >/dev/null
cmake --build "$linux_build" -j "$jobs" --target make-sample-game
cmake --preset mingw -B "$mingw_build" >/dev/null
cmake --build "$mingw_build" -j "$jobs" --target Kasumiro

data="${XDG_DATA_HOME:-$HOME/.local/share}/kasumiro"
game="$data/sample-game"
export WINEPREFIX="$data/wineprefix"
export WINEDEBUG="${WINEDEBUG:--all,err+winediag}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG="${KASUMIRO_LOCALE:-ja_JP.UTF-8}" LC_ALL="${KASUMIRO_LOCALE:-ja_JP.UTF-8}"

# The sample game is made once, so that rewrites carry over from run to run;
# delete the folder for a fresh one.
if [ ! -d "$game/NEW.DAT" ]; then
  mkdir -p "$game"
  "$linux_build/make-sample-game" "$game"
  echo "Sample game made in $game"
fi

run="$data/run"
mkdir -p "$run"
cp "$mingw_build/Kasumiro.exe" "$run/Kasumiro.exe"

# Without a display the program would wait unseen for one: run it on a
# virtual screen instead and say so.
if [ -z "${DISPLAY:-}" ]; then
  echo "No DISPLAY: running Kasumiro.exe on a virtual screen (Xvfb); stop it with Ctrl+C."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

if [ ! -d "$WINEPREFIX" ]; then
  echo "Making the Wine prefix $WINEPREFIX (once, about a minute)..."
  mkdir -p "$data"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
fi
# Set up again whenever the set-up changed (a prefix of an older version
# still names other fonts).
stamp="$WINEPREFIX/kasumiro-setup"
if ! cmp -s scripts/setup-wine-prefix.sh "$stamp"; then
  scripts/setup-wine-prefix.sh
  cp scripts/setup-wine-prefix.sh "$stamp"
fi

# First start: point the program at the sample game; later starts keep
# whatever folder and slot the user chose.
if [ ! -f "$run/Kasumiro.ini" ]; then
  printf '[Kasumiro]\r\nBaseDir=%s\\\r\n' "$(winepath -w "$game")" >"$run/Kasumiro.ini"
fi

echo "Starting Kasumiro.exe (settings: $run/Kasumiro.ini, game: $game)"
cd "$run"
status=0
wine Kasumiro.exe || status=$?
wineserver -w || true
exit $status
