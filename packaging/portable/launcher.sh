#!/bin/sh
# Starts this folder's kasumiro or kasumiro-cli (the launcher's own name) with the libraries, fonts and Qt plugins beside it.
# scripts/portable.sh copies it under both names and writes the glibc version
# the bundle needs in place of @GLIBC@.
self=$(readlink -f -- "$0") || exit 1
here=$(dirname -- "$self")
program=$(basename -- "$self")
needed=@GLIBC@

# The host's glibc version (2.36), or nothing when no tool tells it.
host_glibc() {
  version=$(getconf GNU_LIBC_VERSION 2>/dev/null | sed -n 's/^glibc \([0-9]*\.[0-9]*\).*/\1/p')
  [ -n "$version" ] || version=$(ldd --version 2>/dev/null | sed -n '1s/.* \([0-9]*\.[0-9]*\)$/\1/p')
  echo "$version"
}
# A raw loader error would name a symbol; the player gets a sentence.
have=$(host_glibc)
if [ -n "$have" ]; then
  if [ "${have%%.*}" -lt "${needed%%.*}" ] ||
    { [ "${have%%.*}" -eq "${needed%%.*}" ] && [ "${have#*.}" -lt "${needed#*.}" ]; }; then
    echo "$program: このプログラムは glibc $needed 以降が必要ですが, このシステムの glibc は $have です." >&2
    echo "$program: this program needs glibc $needed or newer, and this system has glibc $have." >&2
    exit 1
  fi
fi

case "$program:${1-}" in
  kasumiro:--install-desktop) exec sh "$here/share/kasumiro/desktop-entry.sh" install "$here" ;;
  kasumiro:--uninstall-desktop) exec sh "$here/share/kasumiro/desktop-entry.sh" uninstall "$here" ;;
esac

# The bundle's fonts beside the host's configuration, which may be missing.
export FONTCONFIG_FILE="$here/share/fontconfig/fonts.conf"
# Plugins and themes of the host's Qt, another version, must not load.
unset QT_PLUGIN_PATH QT_QPA_PLATFORM_PLUGIN_PATH QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_WAYLAND_DECORATION
# Without XKB data no keyboard works under Wayland; the host's is newer if there.
[ -d /usr/share/X11/xkb ] || export XKB_CONFIG_ROOT="$here/share/X11/xkb"
# Icons (the window's, through the hicolor theme) from the bundle, the host's after.
export XDG_DATA_DIRS="$here/share:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}"
exec "$here/bin/$program" "$@"
