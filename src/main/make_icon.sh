#!/usr/bin/env bash
# Draws the application icon (a white K on navy with a red sun) at 16, 32 and
# 48 pixels into kasumiro.ico beside this script, and at 16 to 256 pixels into
# icons/kasumiro-SIZE.png for the Linux desktop; needs ImageMagick's convert.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The artwork on a 48-pixel grid, drawn at scale $1 (1 for 48 pixels).
draw() {
  local s="$1" px=$((48 * $1))
  convert -size "${px}x${px}" xc:none -draw "scale $s,$s fill '#1f3a7a' roundrectangle 1,1 46,46 8,8" \
    -draw "scale $s,$s fill '#e23b3b' circle 33,15 40,15" \
    -draw "scale $s,$s stroke white stroke-width 5 fill white line 14,10 14,38 line 15,25 31,11 line 19,21 33,38" \
    "$2"
}
draw 1 "$work/art48.png"
for size in 16 32 48; do convert "$work/art48.png" -resize "${size}x${size}" "$work/icon$size.png"; done
convert "$work/icon16.png" "$work/icon32.png" "$work/icon48.png" "$here/kasumiro.ico"
draw 6 "$work/art288.png"
mkdir -p "$here/icons"
for size in 16 24 32 48 64 128 256; do
  convert "$work/art288.png" -resize "${size}x${size}" -strip "png32:$here/icons/kasumiro-$size.png"
done
