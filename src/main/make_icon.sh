#!/usr/bin/env bash
# Draws the application icon (a white K on navy with a red sun) at 16, 32 and
# 48 pixels into kasumiro.ico beside this script; needs ImageMagick's convert.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for size in 16 32 48; do
  convert -size 48x48 xc:none -fill '#1f3a7a' -draw "roundrectangle 1,1 46,46 8,8" \
    -fill '#e23b3b' -draw "circle 33,15 40,15" \
    -fill white -stroke white -strokewidth 5 \
    -draw "line 14,10 14,38" -draw "line 15,25 31,11" -draw "line 19,21 33,38" \
    -resize "${size}x${size}" "$work/icon$size.png"
done
convert "$work/icon16.png" "$work/icon32.png" "$work/icon48.png" "$here/kasumiro.ico"
