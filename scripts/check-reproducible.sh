#!/usr/bin/env bash
# Builds the commit checked out twice, as Debian's reproducible-builds tests
# do: each build from its own clone, in folders of different names and
# depths, with a different time zone and umask, the same SOURCE_DATE_EPOCH
# (dpkg-buildpackage takes it from debian/changelog), and without tests. The
# .deb and the -dbgsym package of the two must be byte for byte the same;
# diffoscope shows where they differ. Uncommitted changes are not built.
#   scripts/check-reproducible.sh   (make reproducible, through scripts/check-package.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
commit=$(git rev-parse HEAD)
[ -z "$(git status --porcelain --untracked-files=no)" ] || echo "check-reproducible: uncommitted changes are left out of the builds"
work=$(mktemp -d /tmp/kasumiro-reproducible.XXXXXX)
trap 'rm -rf "$work"' EXIT

# build FOLDER TZ UMASK: one clone of the commit built in FOLDER, its log in FOLDER.log.
build() {
  git clone -q . "$1"
  git -C "$1" checkout -q --detach "$commit"
  echo "check-reproducible: building $commit in $1 (TZ=$2, umask $3)"
  if ! (cd "$1" && umask "$3" && TZ="$2" DEB_BUILD_OPTIONS=nocheck scripts/package.sh) >"$1.log" 2>&1; then
    tail -n 30 "$1.log" >&2
    echo "check-reproducible: the build in $1 failed" >&2
    return 1
  fi
}
first="$work/first/kasumiro"
second="$work/second/build-path/kasumiro-other"
mkdir -p "$(dirname "$first")" "$(dirname "$second")"
build "$first" UTC 022
build "$second" Asia/Tokyo 002

status=0
for deb in "$first"/dist/*.deb; do
  name=$(basename "$deb")
  if cmp -s "$deb" "$second/dist/$name"; then
    echo "check-reproducible: $name is the same in both builds ($(sha256sum <"$deb" | cut -c1-16)...)"
  else
    echo "check-reproducible: $name differs between the builds:" >&2
    diffoscope --text - --max-report-size 200000 "$deb" "$second/dist/$name" >&2 || true
    status=1
  fi
done
exit "$status"
