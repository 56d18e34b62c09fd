#!/usr/bin/env bash
# Builds dist/kasumiro_VERSION_ARCH.deb from the hardened release build without
# tests (preset "package"): only the two programs and the files the package
# holds are built, and CPack's install step builds nothing more.
#   scripts/package.sh        (make package)
# At release time the maintainer, the home page and the AppStream id go in from
# the environment (else the placeholders of cmake/packaging.cmake):
#   KASUMIRO_MAINTAINER="Name <address>" KASUMIRO_HOMEPAGE=https://... \
#   KASUMIRO_APPSTREAM_ID=tld.domain.kasumiro make package
set -euo pipefail
cd "$(dirname "$0")/.."

configure=(cmake --preset package)
for name in KASUMIRO_MAINTAINER KASUMIRO_HOMEPAGE KASUMIRO_APPSTREAM_ID; do
  if [ -n "${!name:-}" ]; then configure+=("-D$name=${!name}"); else configure+=("-U$name"); fi
done
"${configure[@]}" >/dev/null
cmake --build --preset package -j "$(nproc)"
rm -f build/package/kasumiro_*.deb
(cd build/package && cpack -G DEB >/dev/null)
mkdir -p dist
rm -f dist/kasumiro_*.deb
cp build/package/kasumiro_*.deb dist/
ls dist/kasumiro_*.deb
