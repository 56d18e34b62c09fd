#!/usr/bin/env bash
# Builds the Debian package from debian/ as Debian builds it, in a copy of the
# tree under build/debian/: the source package (the upstream tarball is the
# tree without debian/) for lintian, then dpkg-buildpackage -us -uc -b
# (debhelper over CMake, dpkg-buildflags' flags, the tests run by dh_auto_test
# unless DEB_BUILD_OPTIONS has nocheck). It puts the .deb, the -dbgsym
# package, the .buildinfo, the .changes file and the source package in dist/.
# make package installs the build dependencies first (scripts/install-deps.sh
# package: apt-get build-dep).
#   scripts/package.sh                            (make package)
#   DEB_BUILD_OPTIONS=nocheck scripts/package.sh  (make test: its tests ran before)
# At release time the maintainer, the home page and the AppStream id go in
# from the environment, written into the tree by scripts/set-identity.sh
# (commit the change):
#   KASUMIRO_MAINTAINER="Name <address>" KASUMIRO_HOMEPAGE=https://... \
#   KASUMIRO_APPSTREAM_ID=tld.domain.kasumiro make package
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -n "${KASUMIRO_MAINTAINER:-}${KASUMIRO_HOMEPAGE:-}${KASUMIRO_APPSTREAM_ID:-}" ]; then
  scripts/set-identity.sh
fi

# dpkg-buildpackage writes its results beside the source folder, and debhelper
# its work inside it: both stay under build/debian/.
work=build/debian
version=$(dpkg-parsechangelog -S Version)
upstream=${version%-*}
source="$work/kasumiro-$upstream"
rm -rf "$work"
mkdir -p "$source"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  # The tracked and the new files as they are now, without ignored ones.
  git ls-files -z --cached --others --exclude-standard |
    tar --null --files-from=- --ignore-failed-read -cf - 2>/dev/null | tar -xf - -C "$source"
else
  tar --exclude=./build --exclude=./dist -cf - . | tar -xf - -C "$source"
fi
# The upstream tarball as the same bytes on every build: sorted names, the
# changelog's time, no owner.
epoch=$(dpkg-parsechangelog -S Timestamp)
tar -C "$work" --exclude="kasumiro-$upstream/debian" --sort=name --mtime="@$epoch" --owner=0 --group=0 \
  --numeric-owner --pax-option=exthdr.name=%d/PaxHeaders/%f,delete=atime,delete=ctime \
  -cf - "kasumiro-$upstream" | xz -9 >"$work/kasumiro_$upstream.orig.tar.xz"
(cd "$work" && dpkg-source -b "kasumiro-$upstream")
(cd "$source" && dpkg-buildpackage -us -uc -b -J"$(nproc)")

mkdir -p dist
rm -f dist/kasumiro_* dist/kasumiro-dbgsym_*
cp "$work"/kasumiro_* "$work"/kasumiro-dbgsym_*.deb dist/
ls dist/kasumiro_* dist/kasumiro-dbgsym_*
