#!/usr/bin/env bash
# Writes the portable build's THIRD-PARTY.txt and share/doc/: each bundled file's Debian package, its version and source, and its copyright file.
#   scripts/portable-notices.sh FOLDER SOURCES
# SOURCES lists the paths on this system that the files of FOLDER were copied
# from, one a line (scripts/portable.sh writes it).
set -euo pipefail
top=$1 sources=$2

# The installed package that holds PATH (or, through a link, the file it names).
package_of() {
  local path
  for path in "$1" "$(readlink -f "$1")" "${1#/usr}"; do
    dpkg-query -S "$path" 2>/dev/null | awk -F': ' -v p="$path" '$2 == p { split($1, names, ", "); print names[1]; exit }' |
      grep . && return 0
  done
  echo "portable-notices: no Debian package holds $1" >&2
  return 1
}

mapfile -t packages < <(while IFS= read -r path; do package_of "$path"; done <"$sources" | sort -u)
mkdir -p "$top/share/doc/common-licenses"
{
  cat <<'TEXT'
Third-party notices for the portable Kasumiro

Kasumiro itself (bin/kasumiro, bin/kasumiro-cli) is under the MIT licence:
LICENSE. Beside it this folder holds libraries, Qt plugins, a font and data
taken unchanged from the Debian GNU/Linux packages listed below (only the
libraries' search path was set, with patchelf). Each is under its own
licence; each package's copyright file follows, and the common licences it
names are in share/doc/common-licenses/.

Qt 6 (lib/libQt6*.so.6, plugins/, translations/) is used under the GNU
Lesser General Public License version 3 (share/doc/common-licenses/LGPL-3,
with GPL-3). You may replace those libraries with your own build of the
same Qt version. The complete source of every package below, in exactly
the version listed, is at Debian's archive:
  https://snapshot.debian.org/package/SOURCE/VERSION/
  (or `apt-get source SOURCE=VERSION` on Debian 12)
and the current versions at https://deb.debian.org/debian/pool/main/.

Package                         Version                 Source
TEXT
  for package in "${packages[@]}"; do
    dpkg-query -W -f='${binary:Package;-32}${Version;-24}${source:Package} ${source:Version}\n' "$package"
  done
  for package in "${packages[@]}"; do
    printf '\n%s\n%s\n\n' "========================================================================" "$package"
    cat "/usr/share/doc/${package%%:*}/copyright"
  done
} >"$top/THIRD-PARTY.txt"

for licence in LGPL-3 GPL-3 $(grep -o '/usr/share/common-licenses/[A-Za-z0-9.+-]*[A-Za-z0-9]' "$top/THIRD-PARTY.txt" |
  sed 's|.*/||' | sort -u); do
  [ -f "/usr/share/common-licenses/$licence" ] && install -m 644 "/usr/share/common-licenses/$licence" "$top/share/doc/common-licenses/"
done
true
