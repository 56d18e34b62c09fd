#!/usr/bin/env bash
# Checks the window program of a mingw build: no C++ streams or locale
# machinery linked in, and at most 512 KiB once stripped as the release ships it.
#   scripts/check-exe.sh BUILD_DIR
set -euo pipefail
exe="$1/Kasumiro.exe"
limit=$((512 * 1024))

streams=$(i686-w64-mingw32-nm -C "$exe" | grep -c -E 'std::ios_base|std::basic_ostream|std::locale::' || true)
stripped=$(mktemp)
trap 'rm -f "$stripped"' EXIT
i686-w64-mingw32-strip -o "$stripped" "$exe"
size=$(stat -c %s "$stripped")

echo "Kasumiro.exe: $size bytes stripped (limit $limit), $streams stream or locale symbols"
[ "$streams" -eq 0 ] || { echo "check-exe: iostreams are linked into Kasumiro.exe" >&2; exit 1; }
[ "$size" -le "$limit" ] || { echo "check-exe: Kasumiro.exe is over 512 KiB" >&2; exit 1; }
