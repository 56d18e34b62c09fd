#!/usr/bin/env bash
# Runs a command inside a fresh Wine prefix under Xvfb, then ends every Wine
# process of that prefix. The locale is Japanese (code page 932) unless
# --locale names another, such as en_US.UTF-8 (code page 1252).
#   scripts/with-wine.sh [--locale LOCALE] COMMAND [ARGS...]
# The command sees WINEPREFIX and may call wine itself.
set -euo pipefail

if [ "${1:-}" = "--inside-xvfb" ]; then
  shift
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
  # KASUMIRO_PLAIN_PREFIX: as wineboot left it, as a player's would be.
  [ -n "${KASUMIRO_PLAIN_PREFIX:-}" ] || "$(dirname "$0")/setup-wine-prefix.sh"
  status=0
  "$@" || status=$?
  wineserver -k 2>/dev/null || true
  exit $status
fi

export WINEPREFIX="${KASUMIRO_WINEPREFIX:-$(mktemp -d /tmp/kasumiro-wine.XXXXXX)}"
export WINEDEBUG="${WINEDEBUG:--all,err+winediag}"
export WINEDLLOVERRIDES="mscoree,mshtml="
locale=ja_JP.UTF-8
if [ "${1:-}" = "--locale" ]; then locale="$2"; shift 2; fi
# Wine silently falls back to code page 1252 when the locale is not generated.
if ! locale -a 2>/dev/null | grep -qix "${locale/UTF-8/utf8}"; then
  echo "with-wine: the locale $locale is not generated (scripts/install-deps.sh windows does it)" >&2
  exit 1
fi
export LANG="$locale" LC_ALL="$locale"
export TZ="${TZ:-JST-9}"

status=0
xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside-xvfb "$@" || status=$?
wineserver -k 2>/dev/null || true
if [ -z "${KASUMIRO_WINEPREFIX:-}" ] && [ -z "${KASUMIRO_KEEP_PREFIX:-}" ]; then rm -rf "$WINEPREFIX"; fi
exit $status
