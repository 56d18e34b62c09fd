#!/usr/bin/env bash
# Installs the Debian packages that the named groups of work need; silent and
# quick when everything is there.
#   scripts/install-deps.sh GROUP...
# Groups: build (native build and tests: the build dependencies that
# debian/control lists, CMake, GoogleTest, Qt 6, the man pages' help2man,
# the icons' rsvg-convert, installed by apt-get build-dep; ccache for make
# test, GoogleTest's sources for the cross build), windows (cross build,
# Wine, Xvfb, the Japanese and English locales, the Japanese fonts, the OCR
# that reads the screen back), fuzz (clang with libFuzzer), lint (clang-tidy,
# clang-format, shellcheck, the cross compiler whose headers clang-tidy
# reads), bench, release, qt (the Linux program beside debian/control's: Qt's
# translations, Xvfb, the AT-SPI bus and reader), package (the Debian
# package's build and its checkers: lintian, autopkgtest, diffoscope),
# portable (the portable Linux build: what it bundles (Qt's Wayland plugins,
# its Japanese texts, the font, icon theme and XKB data), patchelf, and
# debootstrap for its test's roots). The groups qt and package bring
# debian/control's build dependencies too.
set -euo pipefail

# The sanitizer and libFuzzer runtimes of the system's clang: the installed
# clang's version, else the version the distribution's clang package brings;
# the distribution's default runtime package when neither is known.
clang_runtime_package() {
  local version=""
  if command -v clang >/dev/null 2>&1; then
    version=$(clang -dumpversion | cut -d. -f1)
  else
    version=$(apt-cache depends clang 2>/dev/null | sed -n 's/^ *Depends: clang-\([0-9][0-9]*\)$/\1/p' | head -n 1)
  fi
  if [ -n "$version" ]; then echo "libclang-rt-$version-dev"; else echo libclang-rt-dev; fi
}

packages_of() {
  case "$1" in
    build)   echo googletest ccache ;;
    windows) echo g++-mingw-w64-i686 wine wine64 wine32:i386 xvfb xauth xdotool x11-apps \
                  imagemagick locales fonts-horai-umefont fonts-wine tesseract-ocr tesseract-ocr-jpn ;;
    fuzz)    echo clang "$(clang_runtime_package)" ;;
    lint)    echo clang clang-tidy clang-format shellcheck g++-mingw-w64-i686 googletest python3 ;;
    bench)   echo build-essential cmake make libbenchmark-dev hyperfine strace ;;
    release) echo cmake make g++-mingw-w64-i686 googletest zip unzip ;;
    # qt6-wayland for Wayland sessions; weston, headless, for the test of one.
    qt)      echo qt6-translations-l10n qt6-wayland xvfb xauth xdotool x11-apps imagemagick dbus at-spi2-core \
                  python3-pyatspi weston ;;
    portable) echo patchelf xz-utils librsvg2-bin qt6-wayland qt6-translations-l10n fonts-ipafont-gothic \
                  hicolor-icon-theme xkb-data debootstrap ;;
    package) echo dpkg-dev fakeroot file lintian appstream desktop-file-utils man-db autopkgtest diffoscope-minimal ;;
    *) echo "install-deps: unknown group '$1'" >&2; return 1 ;;
  esac
}

# Installed without their recommendations: diffoscope-minimal's would bring
# hundreds of comparison tools that a .deb's comparison never uses.
lean_packages=" diffoscope-minimal "

have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

need=()
locales=()
for group in "$@"; do
  list=$(packages_of "$group")
  for pkg in $list; do
    have_pkg "$pkg" || need+=("$pkg")
  done
  # The Windows tests run on a Japanese system and on an English one.
  [ "$group" = windows ] && locales+=(ja_JP.UTF-8 en_US.UTF-8)
done
if [ ${#need[@]} -gt 0 ]; then mapfile -t need < <(printf '%s\n' "${need[@]}" | sort -u); fi

missing_locales=()
for loc in "${locales[@]}"; do
  # Wine needs the locale generated, or it silently runs in code page 1252.
  locale -a 2>/dev/null | grep -qix "${loc/UTF-8/utf8}" || missing_locales+=("$loc")
done

# The native build's groups bring the build dependencies that debian/control
# names (apt-get build-dep, with build-essential), once dpkg-dev can check them.
control="$(dirname "$0")/../debian/control"
build_deps=0
if [[ " $* " =~ \ (build|qt|package)\  ]]; then
  if ! command -v dpkg-checkbuilddeps >/dev/null 2>&1 || ! dpkg-checkbuilddeps "$control" >/dev/null 2>&1; then
    build_deps=1
  fi
fi

[ ${#need[@]} -eq 0 ] && [ ${#missing_locales[@]} -eq 0 ] && [ "$build_deps" -eq 0 ] && exit 0

if [ "$(id -u)" = 0 ]; then
  as_root() { "$@"; }
elif command -v sudo >/dev/null 2>&1; then
  as_root() { sudo "$@"; }
else
  echo "install-deps: not root and no sudo. Install these as root, then run again:" >&2
  [ ${#need[@]} -gt 0 ] && echo "  apt-get install ${need[*]}" >&2
  [ "$build_deps" -eq 1 ] && echo "  apt-get build-dep ./ (in $(dirname "$control")/..)" >&2
  [ ${#missing_locales[@]} -gt 0 ] && echo "  locale-gen ${missing_locales[*]} (enable them in /etc/locale.gen)" >&2
  exit 1
fi

# apt_get COMMAND ARGS...: apt-get as root, without questions.
apt_get() { as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 "$@"; }

if [ ${#need[@]} -gt 0 ]; then
  if printf '%s\n' "${need[@]}" | grep -q ':i386$' && ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "install-deps: adding the i386 architecture to this system (32-bit Wine needs it)"
    as_root dpkg --add-architecture i386
  fi
  echo "install-deps: installing ${need[*]}"
  apt_get update -qq
  full=() lean=()
  for pkg in "${need[@]}"; do
    if [[ "$lean_packages" == *" $pkg "* ]]; then lean+=("$pkg"); else full+=("$pkg"); fi
  done
  [ ${#full[@]} -eq 0 ] || apt_get install -y -qq "${full[@]}" >/dev/null
  [ ${#lean[@]} -eq 0 ] || apt_get install -y -qq --no-install-recommends "${lean[@]}" >/dev/null
fi
if [ "$build_deps" -eq 1 ]; then
  echo "install-deps: installing the build dependencies of debian/control"
  [ ${#need[@]} -gt 0 ] || apt_get update -qq
  (cd "$(dirname "$control")/.." && apt_get build-dep -y -qq ./ >/dev/null)
fi

for loc in "${missing_locales[@]}"; do
  as_root sed -i "s/^# *$loc UTF-8/$loc UTF-8/" /etc/locale.gen
  grep -q "^$loc UTF-8" /etc/locale.gen || echo "$loc UTF-8" | as_root tee -a /etc/locale.gen >/dev/null
done
[ ${#missing_locales[@]} -gt 0 ] && as_root locale-gen >/dev/null
exit 0
