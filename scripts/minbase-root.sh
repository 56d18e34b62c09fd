#!/usr/bin/env bash
# Makes clean minbase roots of Debian releases once and keeps them, for tests that run programs on a bare system.
#   scripts/minbase-root.sh SUITE...     (as root: debootstrap)
# Prints each root's folder, ${XDG_CACHE_HOME:-~/.cache}/kasumiro/roots/SUITE,
# made by `debootstrap --variant=minbase` from the first archive of apt's
# sources the first time. Users of a root must not write to it (mount an
# overlay above it).
set -euo pipefail
cache="${XDG_CACHE_HOME:-$HOME/.cache}/kasumiro/roots"

# The first archive of apt's sources (the security archive has no roots).
mirror() {
  local first
  first=$({ sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/*.sources
    sed -n 's/^deb \(\[[^]]*\] \)\{0,1\}\([^ ]*\) .*/\2/p' /etc/apt/sources.list; } 2>/dev/null |
    awk '!/security/ && !found { print $1; found = 1 }')
  echo "${first:-http://deb.debian.org/debian}"
}

for suite in "$@"; do
  if [ ! -d "$cache/$suite" ]; then
    mkdir -p "$cache" && rm -rf "$cache/$suite.tmp"
    debootstrap --variant=minbase "$suite" "$cache/$suite.tmp" "$(mirror)" >"$cache/$suite.log" 2>&1 ||
      { tail "$cache/$suite.log" >&2; echo "minbase-root: debootstrap of $suite failed" >&2; exit 1; }
    # Complete or absent: a root that a broken run left half made is made again.
    mv "$cache/$suite.tmp" "$cache/$suite"
  fi
  echo "$cache/$suite"
done
