#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Writes the pictures of docs/screens anew: every page of the window in English and German,
# light and dark, at the layout's own size and maximised on a 1920 x 1080 screen, and the two
# pages of the template job's PDF report in both languages. Each picture is reduced to a
# 256-colour palette (ImageMagick), which keeps the files small.
#   tools/screenshots/screens.sh [BUILD_FOLDER [OUTPUT_FOLDER]]
# from the source folder, after building the screenshots target; or in one step:
#   cmake --build BUILD --target screens
set -euo pipefail
build=${1:-build-test}
out=${2:-docs/screens}
tool="$build/bin/screenshots"
[ -x "$tool" ] || { echo "no $tool: build the screenshots target first" >&2; exit 1; }
for program in pdftoppm convert; do
  command -v "$program" >/dev/null || {
    echo "$program is needed (scripts/install-packages.sh installs it)" >&2
    exit 1
  }
done
raw=$(mktemp -d)
trap 'rm -rf "$raw"' EXIT
# English on a machine with a decimal point, German on one with a decimal comma.
QT_QPA_PLATFORM=offscreen LC_ALL=C "$tool" "$raw" en
QT_QPA_PLATFORM=offscreen LC_ALL=de_DE.UTF-8 "$tool" "$raw" de
for language in en de; do
  # 60 dots per inch: an A4 page of about 500 x 700 pixels, its text still readable.
  pdftoppm -png -r 60 "$raw/report-$language.pdf" "$raw/report"
  for page in "$raw"/report-*[0-9].png; do
    number=${page##*-}
    mv "$page" "$raw/report${number%.png}-$language.png"
  done
  rm "$raw/report-$language.pdf"
done
mkdir -p "$out"
for picture in "$raw"/*.png; do
  convert "$picture" -strip -dither None -colors 256 -define png:compression-level=9 \
    "PNG8:$out/$(basename "$picture")"
done
ls "$out" | wc -l | xargs echo "pictures in $out:"
