#!/usr/bin/env bash
# Renders the application icon's source, icons/kasumiro.svg, at 16, 32 and 48
# pixels into kasumiro.ico beside this script (the Windows programs' icon);
# needs rsvg-convert and ImageMagick's convert. The Linux build renders its
# PNG sizes from the same SVG (cmake/packaging.cmake).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for size in 16 32 48; do
  rsvg-convert --width="$size" --height="$size" --output="$work/icon$size.png" "$here/icons/kasumiro.svg"
done
convert "$work/icon16.png" "$work/icon32.png" "$work/icon48.png" "$here/kasumiro.ico"
