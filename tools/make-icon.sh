#!/usr/bin/env bash
# Draws the program's icon (a list with a run arrow) at the sizes Windows
# asks for and writes src/app/tavimo.ico. Needs ImageMagick.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
convert -size 256x256 xc:none \
  -fill '#1f6fb2' -draw 'roundrectangle 8,8 248,248 40,40' \
  -fill white \
  -draw 'roundrectangle 44,56 150,80 10,10' \
  -draw 'roundrectangle 44,116 150,140 10,10' \
  -draw 'roundrectangle 44,176 150,200 10,10' \
  -fill '#ffd23f' -draw 'polygon 172,78 224,128 172,178' \
  "$work/tavimo.png"
for size in 16 24 32 48 256; do
  convert "$work/tavimo.png" -resize "${size}x${size}" "$work/icon-$size.png"
done
convert "$work"/icon-{16,24,32,48,256}.png src/app/tavimo.ico
echo "wrote src/app/tavimo.ico"
