#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the icons in this directory from their SVG sources and checks the results.
#
#   resources/icons/render.sh
#
# Needs rsvg-convert (Debian: librsvg2-bin) and identify (Debian: imagemagick).
# The glyphs of icon 130 are drawn as paths, so no font is needed.
# The PNGs are committed; the build itself never runs this script.
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")"

for tool in rsvg-convert identify; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "render.sh: '$tool' not found (rsvg-convert: package librsvg2-bin, identify: package imagemagick)" >&2
        exit 1
    fi
done

# render SVG SIZE PNG
render() {
    rsvg-convert --width "$2" --height "$2" --format png --output "$3" "$1"
}

# check PNG SIZE ALPHA   (ALPHA: "alpha" = must have an alpha channel, "any" = may be opaque)
check() {
    local info size channels
    info=$(identify -format '%wx%h %[channels]' "$1")
    size=${info%% *}
    channels=${info#* }
    if [[ $size != "$2x$2" ]]; then
        echo "render.sh: $1 is $size, expected $2x$2" >&2
        exit 1
    fi
    if [[ $3 == alpha && ! $channels =~ ^(s?rgba|graya|cmyka) ]]; then
        echo "render.sh: $1 has no alpha channel ($channels)" >&2
        exit 1
    fi
    printf '%-20s %-9s %s\n' "$1" "$size" "$channels"
}

for n in 130 146 150 152; do
    render "icon$n.svg" 32 "icon$n.png"
    render "icon$n.svg" 64 "icon$n@2x.png"
done

# desktop icon sizes of the program icon; 16 and 24 px have their own hand-tuned sources
render icon130-16.svg 16 icon130-16.png
render icon130-24.svg 24 icon130-24.png
for s in 48 128 256; do
    render icon130.svg "$s" "icon130-$s.png"
done

check icon130.png 32 any
check icon130@2x.png 64 any
for s in 16 24 48 128 256; do
    check "icon130-$s.png" "$s" any
done
for n in 146 150 152; do
    check "icon$n.png" 32 alpha
    check "icon$n@2x.png" 64 alpha
done
