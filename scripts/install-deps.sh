#!/usr/bin/env bash
# Installs what building and testing need on Debian 12 / Ubuntu; quick when all is there.
set -euo pipefail

need=()
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
for pkg in build-essential cmake make libgtest-dev googletest libbenchmark-dev \
           g++-mingw-w64-i686 wine wine64 wine32:i386 xvfb xauth xdotool x11-apps imagemagick \
           locales fonts-ipafont-gothic zip; do
  have_pkg "$pkg" || need+=("$pkg")
done

SUDO=""
[ "$(id -u)" = 0 ] || SUDO="sudo"

if [ ${#need[@]} -gt 0 ]; then
  echo "Installing: ${need[*]}"
  $SUDO dpkg --add-architecture i386
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${need[@]}" >/dev/null
fi

# Wine needs a generated Japanese locale, or it silently runs in code page 1252.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP.utf8$'; then
  $SUDO sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi
