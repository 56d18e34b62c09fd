#!/usr/bin/env bash
# Writes the release's maintainer, home page and AppStream id, from the
# environment, over the values in the tree (placeholders until the release):
# the maintainer of debian/control, debian/changelog, debian/copyright and
# debian/upstream/metadata; the home page there, in debian/watch and in
# cmake/packaging.cmake (the metainfo's links); the AppStream id in
# cmake/packaging.cmake. Each variable left unset keeps its value.
#   KASUMIRO_MAINTAINER="Name <address>" KASUMIRO_HOMEPAGE=https://... \
#   KASUMIRO_APPSTREAM_ID=tld.domain.kasumiro scripts/set-identity.sh
set -euo pipefail
cd "$(dirname "$0")/.."

files=(debian/control debian/changelog debian/copyright debian/upstream/metadata debian/watch
       cmake/packaging.cmake)
# replace OLD NEW: every occurrence of the text OLD in the files above.
replace() {
  [ -n "$2" ] && [ "$1" != "$2" ] || return 0
  perl -pi -e 'BEGIN { ($old, $new) = (shift, shift) } s/\Q$old\E/$new/g' "$1" "$2" "${files[@]}"
}
replace "$(sed -n 's/^Maintainer: //p' debian/control)" "${KASUMIRO_MAINTAINER:-}"
replace "$(sed -n 's/^Homepage: //p' debian/control)" "${KASUMIRO_HOMEPAGE:-}"
replace "$(sed -n 's/^set(KASUMIRO_APPSTREAM_ID "\([^"]*\)".*/\1/p' cmake/packaging.cmake)" "${KASUMIRO_APPSTREAM_ID:-}"
git status --short -- "${files[@]}" 2>/dev/null || true
