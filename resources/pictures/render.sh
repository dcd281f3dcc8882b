#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Renders the pictures of the rules viewer from their sources in src/:
#   page135 page136 page137 page138 page139 page151 page153  (LaTeX, typeset text)
#   portrait133                                               (SVG engraving)
# each at 1x and @2x, and checks the results. The rule pages are typeset
# in German into this folder and in English into en/ (same names, same
# sizes); the portrait has no text and exists once.
#
# Needs (Debian): texlive-latex-base texlive-latex-recommended
#   texlive-latex-extra texlive-lang-german texlive-fonts-recommended
#   poppler-utils imagemagick librsvg2-bin python3
# The normal build never runs this; the PNGs are committed.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
src="$here/src"

missing=()
for tool in pdflatex kpsewhich pdftoppm convert identify rsvg-convert python3; do
  command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
done
if ((${#missing[@]})); then
  echo "render.sh: missing tools: ${missing[*]}" >&2
  echo "render.sh: install texlive-latex-base texlive-latex-recommended texlive-latex-extra" \
       "texlive-lang-german texlive-fonts-recommended poppler-utils imagemagick librsvg2-bin python3" >&2
  exit 1
fi
for sty in mathptmx.sty ngerman.ldf english.ldf microtype.sty geometry.sty xcolor.sty amsmath.sty; do
  if [[ -z "$(kpsewhich "$sty")" ]]; then
    echo "render.sh: LaTeX file $sty not found (texlive packages missing?)" >&2
    exit 1
  fi
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# name width height (1x pixels)
pages=(
  "page135 537 191"
  "page136 502 204"
  "page137 492 212"
  "page138 491 175"
  "page139 543 409"
  "page151 542 405"
  "page153 620 540"
)
PORTRAIT="portrait133 142 182"

# Writes a 24-bit RGB PNG of exactly w x h on the page colour.
to_rgb() { # in out w h
  convert "$1" -background 'rgb(204,255,255)' -alpha remove -alpha off \
    -gravity northwest -extent "$3x$4" -strip \
    -define png:exclude-chunks=date,time \
    -define png:color-type=2 -define png:bit-depth=8 "$2"
}

# language and output folder of the rule pages
languages=(
  "de $here"
  "en $here/en"
)

cp "$src"/*.tex "$work"/
mkdir -p "$here/en"
for lang_entry in "${languages[@]}"; do
  read -r lang out <<<"$lang_entry"
  for entry in "${pages[@]}"; do
    read -r name w h <<<"$entry"
    job="$name-$lang"
    echo "typesetting $name ($lang)"
    if ! (cd "$work" && pdflatex -interaction=nonstopmode -halt-on-error -jobname="$job" \
          "\\def\\PageLanguage{$lang}\\input{$name}" >/dev/null); then
      grep -A8 '^!' "$work/$job.log" >&2 || true
      echo "render.sh: $name.tex ($lang) failed" >&2
      exit 1
    fi
    if grep -q '^Overfull' "$work/$job.log"; then
      echo "render.sh: warning: $name ($lang) has an overfull line" >&2
    fi
    for scale in 1 2; do
      sw=$((w * scale)); sh=$((h * scale))
      suffix=""; ((scale == 2)) && suffix="@2x"
      pdftoppm -png -singlefile -scale-to-x "$sw" -scale-to-y "$sh" \
        "$work/$job.pdf" "$work/$job-$scale"
      to_rgb "$work/$job-$scale.png" "$out/$name$suffix.png" "$sw" "$sh"
    done
  done
done

read -r name w h <<<"$PORTRAIT"
echo "drawing $name"
for scale in 1 2; do
  sw=$((w * scale)); sh=$((h * scale))
  suffix=""; ((scale == 2)) && suffix="@2x"
  rsvg-convert -w "$sw" -h "$sh" -b white "$src/$name.svg" -o "$work/$name-$scale.png"
  convert "$work/$name-$scale.png" -background white -alpha remove -alpha off \
    -colorspace Gray -depth 8 "gray:$work/$name-$scale.raw"
  python3 "$src/graypalette.py" "$sw" "$sh" "$work/$name-$scale.raw" "$here/$name$suffix.png"
done

# Checks: exact sizes, PNG colour types, page colour in the corners,
# dark red heading and black text on every rule page (both languages),
# full grey palette of the portrait.
status=0
check() { # file w h colortype
  local f="$1" got
  got="$(identify -format '%wx%h' "$f")"
  if [[ "$got" != "$2x$3" ]]; then
    echo "FAIL $f: size $got, expected $2x$3" >&2; status=1
  fi
  python3 - "$f" "$4" <<'PY' || status=1
import struct, sys
path, want = sys.argv[1], int(sys.argv[2])
data = open(path, "rb").read()
assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
pos, ihdr, plte = 8, None, None
while pos < len(data):
    n, = struct.unpack(">I", data[pos:pos + 4])
    kind = data[pos + 4:pos + 8]
    body = data[pos + 8:pos + 8 + n]
    if kind == b"IHDR":
        ihdr = struct.unpack(">IIBBBBB", body)
    elif kind == b"PLTE":
        plte = body
    pos += 12 + n
depth, ctype = ihdr[2], ihdr[3]
ok = depth == 8 and ctype == want
if ctype == 3:
    ok = ok and plte is not None and len(plte) == 768 and all(
        plte[3 * i] == plte[3 * i + 1] == plte[3 * i + 2] == i for i in range(256))
if not ok:
    print("FAIL %s: bit depth %d, colour type %d (want 8, %d)" % (path, depth, ctype, want), file=sys.stderr)
    sys.exit(1)
PY
}
for lang_entry in "${languages[@]}"; do
  read -r lang out <<<"$lang_entry"
  for entry in "${pages[@]}"; do
    read -r name w h <<<"$entry"
    for scale in 1 2; do
      suffix=""; ((scale == 2)) && suffix="@2x"
      f="$out/$name$suffix.png"
      check "$f" $((w * scale)) $((h * scale)) 2
      for corner in "0,0" "$((w * scale - 1)),$((h * scale - 1))"; do
        px="$(convert "$f" -format "%[fx:int(255*p{$corner}.r)],%[fx:int(255*p{$corner}.g)],%[fx:int(255*p{$corner}.b)]" info:)"
        if [[ "$px" != "204,255,255" ]]; then
          echo "FAIL $f: corner $corner is $px" >&2; status=1
        fi
      done
      colours="$(convert "$f" -depth 8 -unique-colors txt:-)"
      for want in "128,0,0" "0,0,0"; do
        if ! grep -q "($want)" <<<"$colours"; then
          echo "FAIL $f: no pixel of colour rgb($want)" >&2; status=1
        fi
      done
    done
  done
done
read -r name w h <<<"$PORTRAIT"
check "$here/$name.png" "$w" "$h" 3
check "$here/$name@2x.png" $((2 * w)) $((2 * h)) 3

if ((status)); then
  echo "render.sh: checks failed" >&2
  exit 1
fi
echo "all pictures rendered and checked"
