#!/usr/bin/env bash
# Sets up a Wine prefix for Kasumiro (run inside it, WINEPREFIX set): no
# waiting for a window manager, Wine's Marlett for the title bars' buttons, and
# the Japanese fonts the window asks for.
#   scripts/setup-wine-prefix.sh
set -euo pipefail

reg_add() { wine reg add "$1" /v "$2" /t REG_SZ /d "$3" /f >/dev/null 2>&1 || true; }

# Without a window manager Wine waits for one each time a window hides.
reg_add 'HKCU\Software\Wine\X11 Driver' Managed N

# Wine draws every title bar's buttons with its own Marlett font (the letters
# "0", "1" and "r" in it are the minimise, maximise and close glyphs). Debian's
# Wine 8 loads fonts only from the prefix's C:\windows\Fonts (empty after
# wineboot) and from fontconfig's folders, never from its own data folder
# where fonts-wine puts marlett.ttf: without a copy in the prefix, Marlett
# falls back to Liberation Mono and the buttons read "0 1 r".
fonts="$WINEPREFIX/drive_c/windows/Fonts"
for data in /usr/share/wine/fonts /opt/wine-stable/share/wine/fonts; do
  if [ -f "$data/marlett.ttf" ] && [ -d "$fonts" ]; then cp -f "$data/marlett.ttf" "$fonts/"; break; fi
done

# Windows' Japanese UI fonts are not there. The Ume fonts (fonts-horai-umefont)
# stand in: their widths are close to the Windows fonts', so that a dated slot
# label fits its 199-pixel button as the layout was designed for.
for face in "ＭＳ Ｐゴシック" "MS PGothic"; do reg_add 'HKCU\Software\Wine\Fonts\Replacements' "$face" "Ume P Gothic"; done
reg_add 'HKCU\Software\Wine\Fonts\Replacements' "MS UI Gothic" "Ume UI Gothic"
for face in "ＭＳ ゴシック" "MS Gothic"; do reg_add 'HKCU\Software\Wine\Fonts\Replacements' "$face" "Ume Gothic"; done

# Wine's Japanese long date carries the day name, which a Japanese Windows
# does not show by default (the window would grow for it): the tests see the
# Windows picture.
case "${LANG:-}" in
  ja_JP*) reg_add 'HKCU\Control Panel\International' sLongDate "yyyy'年'M'月'd'日'" ;;
esac
wineserver -w
