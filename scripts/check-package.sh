#!/usr/bin/env bash
# Checks the built package as a Debian reviewer would: lintian over the
# .changes file and the source package's .dsc with every tag shown (no error or warning allowed but those of
# the placeholder maintainer and the first upload's missing ITP bug), the
# -dbgsym package beside the .deb, the files the .deb must hold, its desktop
# entry, AppStream metainfo and man pages. With --reproducible, then builds
# the same commit twice more, from two clones in two other folders, and
# compares the packages byte for byte (diffoscope shows any difference).
#   scripts/check-package.sh dist/kasumiro_VERSION-1_amd64.changes
#   scripts/check-package.sh --reproducible dist/kasumiro_VERSION-1_amd64.changes   (make reproducible)
set -uo pipefail
cd "$(dirname "$0")/.." || exit
reproducible=0
if [ "${1:-}" = --reproducible ]; then reproducible=1; shift; fi
changes="${1:?usage: scripts/check-package.sh [--reproducible] PACKAGE.changes}"
failed=0
fail() { echo "check-package: $*" >&2; failed=1; }

for tool in lintian dpkg-deb desktop-file-validate appstreamcli man diffoscope; do
  command -v "$tool" >/dev/null || { echo "check-package: $tool missing (scripts/install-deps.sh package)" >&2; exit 1; }
done
# The files the .changes lists, which lintian reads beside it.
mapfile -t listed < <(sed -n '/^Files:/,/^[^ ]/s/^ [0-9a-f]\{32\} [0-9]* [^ ]* [^ ]* //p' "$changes")
deb="" dbgsym=""
for file in "${listed[@]}"; do
  case "$file" in
    kasumiro_*.deb) deb="$(dirname "$changes")/$file" ;;
    kasumiro-dbgsym_*.deb) dbgsym="$(dirname "$changes")/$file" ;;
  esac
done
[ -n "$deb" ] || { echo "check-package: $changes lists no kasumiro .deb" >&2; exit 1; }
[ -n "$dbgsym" ] || fail "$changes lists no kasumiro-dbgsym package"

# lintian: E and W lines fail, except bogus-mail-host and
# bogus-mail-host-in-debian-changelog (the placeholder maintainer address,
# set at release time: see docs/debian.md) and initial-upload-closes-no-bugs (no ITP
# bug to close outside Debian). With --fail-on none lintian fails only when
# it could not check.
# The source package beside the .changes, if there, is checked with it.
dsc=$(find "$(dirname "$changes")" -maxdepth 1 -name 'kasumiro_*.dsc' | head -n 1)
report=$(lintian --fail-on none -EvIL +pedantic --color never "$changes" ${dsc:+"$dsc"} 2>&1)
status=$?
echo "$report"
[ "$status" -eq 0 ] || fail "lintian could not check the package (exit $status)"
bad=$(grep -E '^[EW]: ' <<<"$report" |
      grep -vE ' (bogus-mail-host(-in-debian-changelog)?|initial-upload-closes-no-bugs)( |$)')
[ -z "$bad" ] || fail "lintian errors or warnings:"$'\n'"$bad"

contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for path in ./usr/games/kasumiro ./usr/games/kasumiro-cli \
            ./usr/share/man/man6/kasumiro.6.gz ./usr/share/man/man6/kasumiro-cli.6.gz \
            ./usr/share/doc/kasumiro/copyright ./usr/share/doc/kasumiro/changelog.Debian.gz \
            ./usr/share/applications/kasumiro.desktop ./usr/share/icons/hicolor/scalable/apps/kasumiro.svg; do
  grep -qxF "$path" <<<"$contents" || fail "$path is missing"
done
grep -qE '^\./usr/share/metainfo/[^/]+\.metainfo\.xml$' <<<"$contents" || fail "no AppStream metainfo"
for readme in README README.ja; do
  grep -qE "^\./usr/share/doc/kasumiro/${readme//./\\.}\.md(\.gz)?$" <<<"$contents" || fail "$readme.md is not installed"
done
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
# The man pages as man renders them, warnings included, with the sections
# that --help leaves out.
for page in "$unpacked"/usr/share/man/man6/*.6.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
  for section in "EXIT STATUS" FILES EXAMPLES; do
    zgrep -q "^\.SH \"\?$section\"\?\$" "$page" || fail "$(basename "$page") has no $section section"
  done
done
zgrep -q '^\.SH OPTIONS$' "$unpacked/usr/share/man/man6/kasumiro-cli.6.gz" || fail "kasumiro-cli.6 has no OPTIONS"

[ "$reproducible" -eq 0 ] || scripts/check-reproducible.sh || failed=1
[ "$failed" -eq 0 ] && echo "check-package: $changes passes"
exit "$failed"
