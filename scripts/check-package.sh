#!/usr/bin/env bash
# Checks a built .deb as a Debian reviewer would: lintian with every tag shown
# (no error or warning allowed but the placeholder maintainer address), the
# files it must hold, its desktop entry and its AppStream metainfo.
#   scripts/check-package.sh dist/kasumiro_1.0.0-1_amd64.deb
set -uo pipefail
cd "$(dirname "$0")/.." || exit
deb="${1:?usage: scripts/check-package.sh PACKAGE.deb}"
failed=0
fail() { echo "check-package: $*" >&2; failed=1; }

# lintian: E and W lines fail, except bogus-mail-host and
# bogus-mail-host-in-debian-changelog (the placeholder maintainer address of
# the control file and the changelog, set at release time: see README).
for tool in lintian dpkg-deb desktop-file-validate appstreamcli man; do
  command -v "$tool" >/dev/null || { echo "check-package: $tool missing (scripts/install-deps.sh package)" >&2; exit 1; }
done
# With --fail-on none lintian fails only when it could not check.
report=$(lintian --fail-on none -EvIL +pedantic --color never "$deb" 2>&1)
status=$?
echo "$report"
[ "$status" -eq 0 ] || fail "lintian could not check the package (exit $status)"
bad=$(grep -E '^[EW]: ' <<<"$report" | grep -vE ' bogus-mail-host(-in-debian-changelog)? ')
[ -z "$bad" ] || fail "lintian errors or warnings:"$'\n'"$bad"

contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for path in ./usr/bin/kasumiro ./usr/bin/kasumiro-cli \
            ./usr/share/man/man1/kasumiro.1.gz ./usr/share/man/man1/kasumiro-cli.1.gz \
            ./usr/share/doc/kasumiro/copyright ./usr/share/doc/kasumiro/changelog.Debian.gz \
            ./usr/share/applications/kasumiro.desktop; do
  grep -qxF "$path" <<<"$contents" || fail "$path is missing"
done
grep -qE '^\./usr/share/metainfo/[^/]+\.metainfo\.xml$' <<<"$contents" || fail "no AppStream metainfo"
for size in 16 24 32 48 64 128 256; do
  path="./usr/share/icons/hicolor/${size}x${size}/apps/kasumiro.png"
  grep -qxF "$path" <<<"$contents" || fail "$path is missing"
done

# The desktop entry and the metainfo as installed (no network: the home page
# is a placeholder until the release).
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
desktop-file-validate "$unpacked/usr/share/applications/kasumiro.desktop" || fail "desktop entry"
for metainfo in "$unpacked"/usr/share/metainfo/*.metainfo.xml; do
  appstreamcli validate --pedantic --no-net "$metainfo" || fail "metainfo"
done
# The man pages as man renders them, warnings included.
for page in "$unpacked"/usr/share/man/man1/*.1.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
done

[ "$failed" -eq 0 ] && echo "check-package: $deb passes"
exit "$failed"
