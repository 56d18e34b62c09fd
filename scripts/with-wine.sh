#!/usr/bin/env bash
# Runs a command inside a fresh Wine prefix under Xvfb with a Japanese locale
# (code page 932), then ends every Wine process of that prefix.
#   scripts/with-wine.sh COMMAND [ARGS...]
# The command sees WINEPREFIX and may call wine itself.
set -euo pipefail

if [ "${1:-}" = "--inside-xvfb" ]; then
  shift
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
  # Without a window manager Wine waits for one each time a window hides.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  wineserver -w
  status=0
  "$@" || status=$?
  wineserver -k 2>/dev/null || true
  exit $status
fi

export WINEPREFIX="${KASUMIRO_WINEPREFIX:-$(mktemp -d /tmp/kasumiro-wine.XXXXXX)}"
export WINEDEBUG="${WINEDEBUG:--all,err+winediag}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export TZ="${TZ:-JST-9}"

status=0
xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside-xvfb "$@" || status=$?
wineserver -k 2>/dev/null || true
if [ -z "${KASUMIRO_WINEPREFIX:-}" ] && [ -z "${KASUMIRO_KEEP_PREFIX:-}" ]; then rm -rf "$WINEPREFIX"; fi
exit $status
