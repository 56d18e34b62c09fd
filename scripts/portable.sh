#!/usr/bin/env bash
# Packs the portable Linux build dist/kasumiro-VERSION-linux-x86_64.tar.xz: the two programs with the Qt libraries, plugins, font and data they load, behind launchers.
#   scripts/portable.sh      (make portable)
# The programs are the linux preset's build (KASUMIRO_LINUX_BUILD names
# another build folder than build/linux).
# Everything but glibc's own libraries comes from this Debian system; the
# result is the same bytes for the same programs (sorted, owners and times
# fixed by SOURCE_DATE_EPOCH, the last commit's time unless set). How it is
# made and tested: docs/portable.md.
set -euo pipefail
cd "$(dirname "$0")/.."
multiarch=/usr/lib/x86_64-linux-gnu
qt_plugins="$multiarch/qt6/plugins"
# The Qt plugins that a window on X11 or Wayland loads; wayland-egl and the
# GL integrations are left out, since the widgets draw without OpenGL.
plugins=(platforms/libqxcb.so platforms/libqwayland-generic.so
  wayland-shell-integration/libxdg-shell.so wayland-shell-integration/libwl-shell-plugin.so
  wayland-decoration-client/libbradient.so
  platforminputcontexts/libcomposeplatforminputcontextplugin.so
  platforminputcontexts/libibusplatforminputcontextplugin.so)
# glibc's own libraries, which the host gives.
glibc_own='^(ld-linux-x86-64|libc|libm|libdl|libpthread|librt|libresolv|libutil|libanl|libmvec|libBrokenLocale|libnss_[a-z]*)\.so'

version=$(sed -n 's/^project(Kasumiro VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "portable: no version in CMakeLists.txt" >&2; exit 1; }
name="kasumiro-$version-linux-x86_64"
export SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || date +%s)}"
for tool in patchelf xz; do
  command -v "$tool" >/dev/null || { echo "portable: $tool is missing (scripts/install-deps.sh portable)" >&2; exit 1; }
done

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
installed="$stage/installed"
top="$stage/$name"

# The programs and their desktop entry and icons, as installed under /usr.
build="${KASUMIRO_LINUX_BUILD:-build/linux}"
cmake --preset linux -B "$build" >/dev/null
cmake --build "$build" -j "$(nproc)" --target kasumiro kasumiro-cli kasumiro_package_files
DESTDIR="$installed" cmake --install "$build" --prefix /usr >/dev/null
[ -f "$installed/usr/share/icons/hicolor/48x48/apps/kasumiro.png" ] ||
  { echo "portable: the icon's PNG sizes are missing (rsvg-convert: scripts/install-deps.sh portable)" >&2; exit 1; }

mkdir -p "$top/bin" "$top/lib" "$top/plugins" "$top/translations" "$top/share/fonts" "$top/share/fontconfig" \
  "$top/share/kasumiro" "$top/share/applications" "$top/share/X11" "$top/share/doc"
# Stripped of the build ID too, which hashes the debug information and with
# it the build folder's path.
install -m 755 "$installed/usr/games/kasumiro" "$installed/usr/games/kasumiro-cli" "$top/bin/"
strip --remove-section=.note.gnu.build-id "$top"/bin/kasumiro*
sources="$stage/sources"
# copy FILE DESTINATION: a file of this system into the bundle, its origin noted for the notices.
copy() {
  [ -f "$1" ] || { echo "portable: $1 is missing (scripts/install-deps.sh portable)" >&2; exit 1; }
  mkdir -p "$(dirname "$2")"
  install -m 644 "$1" "$2"
  echo "$1" >>"$sources"
}
for plugin in "${plugins[@]}"; do copy "$qt_plugins/$plugin" "$top/plugins/$plugin"; done

# Every library that ldd resolves for the programs and plugins, but glibc's.
ldd "$top"/bin/kasumiro* "$top"/plugins/*/*.so >"$stage/ldd"
if grep 'not found' "$stage/ldd" >&2; then echo "portable: libraries that ldd does not find" >&2; exit 1; fi
awk '$2 == "=>" && $3 ~ /^\// { print $1 "\t" $3 }' "$stage/ldd" | sort -u | while IFS=$'\t' read -r soname path; do
  [[ "$soname" =~ $glibc_own ]] || copy "$path" "$top/lib/$soname"
done
# DT_RPATH, not DT_RUNPATH: LD_LIBRARY_PATH (Steam sets it) cannot override it.
# shellcheck disable=SC2016 # $ORIGIN is the loader's: the folder of the file.
origin='$ORIGIN'
patchelf --force-rpath --set-rpath "$origin/../lib" "$top"/bin/kasumiro*
patchelf --force-rpath --set-rpath "$origin/../../lib" "$top"/plugins/*/*.so
for library in "$top"/lib/*.so*; do patchelf --force-rpath --set-rpath "$origin" "$library"; done

# The newest glibc symbol version any file asks for: the launchers' floor.
glibc=$(find "$top/bin" "$top/lib" "$top/plugins" -type f -exec objdump -T {} + |
  grep -o 'GLIBC_[0-9]*\.[0-9]*' | sed 's/GLIBC_//' | sort -uV | tail -n 1)
for program in kasumiro kasumiro-cli; do
  sed "s/@GLIBC@/$glibc/" packaging/portable/launcher.sh >"$top/$program"
  chmod 755 "$top/$program"
done

install -m 644 packaging/portable/qt.conf "$top/bin/qt.conf"
install -m 644 packaging/portable/fonts.conf "$top/share/fontconfig/fonts.conf"
install -m 644 packaging/portable/desktop-entry.sh "$top/share/kasumiro/desktop-entry.sh"
copy /usr/share/qt6/translations/qtbase_ja.qm "$top/translations/qtbase_ja.qm"
copy /usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf "$top/share/fonts/ipagp.ttf"
install -m 644 /usr/share/doc/fonts-ipafont-gothic/copyright "$top/share/fonts/ipagp-copyright.txt"
install -m 644 "$installed/usr/share/applications/kasumiro.desktop" "$top/share/applications/"
cp -r "$installed/usr/share/icons" "$top/share/"
copy /usr/share/icons/hicolor/index.theme "$top/share/icons/hicolor/index.theme"
cp -rL /usr/share/X11/xkb "$top/share/X11/"
echo /usr/share/X11/xkb/rules/base >>"$sources"
install -m 644 packaging/portable/README.txt "$top/README.txt"
install -m 644 LICENSE "$top/LICENSE"
scripts/portable-notices.sh "$top" "$sources"

# Read-only for others, no owner or time of this machine, names sorted.
chmod -R u+rwX,go+rX,go-w "$top"
mkdir -p dist
rm -f dist/kasumiro-*-linux-x86_64.tar.xz
tarball="dist/$name.tar.xz"
tar --sort=name --format=gnu --owner=0 --group=0 --numeric-owner --mtime="@$SOURCE_DATE_EPOCH" \
  -C "$stage" -cf - "$name" | xz -T1 -9 >"$tarball.new"
mv "$tarball.new" "$tarball"
echo "$tarball: $(find "$top" -type f | wc -l) files, $(du -sm "$top" | cut -f1) MB unpacked," \
  "$(($(stat -c %s "$tarball") / 1024 / 1024)) MB packed, needs glibc $glibc"
