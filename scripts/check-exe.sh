#!/usr/bin/env bash
# Checks the programs of a mingw build. The window program: no C++ streams
# or locale machinery linked in, at most 512 KiB once stripped as the release
# ships it. Both it and the command line: Windows XP (5.1) named in the header
# as the oldest system, and every function imported on the list of those
# Windows XP SP3 exports (scripts/windows-xp-imports.txt).
#   scripts/check-exe.sh BUILD_DIR
set -euo pipefail
exe="$1/Kasumiro.exe"
limit=$((512 * 1024))
allowed="$(dirname "$0")/windows-xp-imports.txt"

streams=$(i686-w64-mingw32-nm -C "$exe" | grep -c -E 'std::ios_base|std::basic_ostream|std::locale::' || true)
stripped=$(mktemp)
trap 'rm -f "$stripped"' EXIT
i686-w64-mingw32-strip -o "$stripped" "$exe"
size=$(stat -c %s "$stripped")

# Every check runs and says what it found; the script fails if any failed.
status=0
fail() { echo "check-exe: $*" >&2; status=1; }

echo "Kasumiro.exe: $size bytes stripped (limit $limit), $streams stream or locale symbols"
[ "$streams" -eq 0 ] || fail "iostreams are linked into Kasumiro.exe"
[ "$size" -le "$limit" ] || fail "Kasumiro.exe is over 512 KiB"

known=$(awk '/^\[.*\]$/ { dll = toupper(substr($0, 2, length($0) - 2)); next }
             /^[A-Za-z_]/ { print dll, $1 }' "$allowed" | sort -u)

# check_windows_xp PROGRAM: its header names Windows XP and it imports only listed functions.
check_windows_xp() {
  local program="$1" name headers system subsystem imports missing
  name=$(basename "$program")
  headers=$(i686-w64-mingw32-objdump -p "$program")
  version() { awk -v key="$1" '$1 == key { print $2 }' <<<"$headers"; }
  system="$(version MajorOSystemVersion).$(version MinorOSystemVersion)"
  subsystem="$(version MajorSubsystemVersion).$(version MinorSubsystemVersion)"
  echo "$name: oldest system $system, subsystem $subsystem"
  if [ "$system" != 5.1 ] || [ "$subsystem" != 5.1 ]; then fail "$name does not name Windows XP (5.1) as its oldest system"; fi

  # "DLL function" per import, the DLL's name in capitals as Windows compares
  # it; an import by number alone comes out as "DLL #number".
  imports=$(awk '/^The Import Tables/ { table = 1; next }
                 table && /^(The |PE File)/ { table = 0 }
                 table && /DLL Name:/ { dll = toupper($3); next }
                 table && dll != "" && /^\t[0-9a-f]+\t/ { print dll, (NF >= 3 ? $3 : "#" $2) }' <<<"$headers" | sort -u)
  missing=$(comm -23 <(echo "$imports") <(echo "$known"))
  echo "$name: $(wc -l <<<"$imports") imported functions"
  if [ -n "$missing" ]; then
    fail "$name imports functions that are not known to be in Windows XP SP3 ($allowed):"
    while read -r line; do echo "  $line" >&2; done <<<"$missing"
  fi
}

check_windows_xp "$exe"
check_windows_xp "$1/kasumiro-cli.exe"
exit $status
