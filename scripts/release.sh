#!/usr/bin/env bash
# Builds the Windows programs and packs dist/kasumiro-VERSION.zip: Kasumiro.exe,
# kasumiro-cli.exe, the Japanese readme (code page 932, CRLF lines), the
# licence and the notices of the statically linked runtime (CRLF lines).
#   scripts/release.sh        (make release)
# KASUMIRO_MINGW_BUILD names another build folder than build/mingw.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${KASUMIRO_MINGW_BUILD:-build/mingw}"

cmake --preset mingw -B "$build" >/dev/null
cmake --build "$build" -j "$(nproc)" --target Kasumiro kasumiro-cli

# The version of project() in CMakeLists.txt, as the build took it.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || { echo "release: no version in $build/CMakeCache.txt" >&2; exit 1; }
name="kasumiro-$version"

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/$name"
cp "$build/Kasumiro.exe" "$build/kasumiro-cli.exe" "$stage/$name/"
i686-w64-mingw32-strip "$stage/$name/Kasumiro.exe" "$stage/$name/kasumiro-cli.exe"
scripts/check-exe.sh "$build"
sed "s/@PROJECT_VERSION@/$version/" docs/readme-ja.txt | iconv -f UTF-8 -t CP932 | sed 's/$/\r/' >"$stage/$name/readme.txt"
sed 's/$/\r/' LICENSE >"$stage/$name/LICENSE.txt"
sed 's/$/\r/' docs/THIRD-PARTY.txt >"$stage/$name/THIRD-PARTY.txt"

mkdir -p dist
rm -f "dist/$name.zip"
(cd "$stage" && zip -q -X -r "$OLDPWD/dist/$name.zip" "$name")
echo "dist/$name.zip"
unzip -l "dist/$name.zip"
