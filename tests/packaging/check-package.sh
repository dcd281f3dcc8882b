#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks Tessaro as a desktop installs it: the desktop entry and the metainfo validate, the metainfo's screenshots
# are the repository's own; an installation holds the program (with no library search path of its own), its entry,
# metainfo, manual page, copyright and icons at their sizes; the Debian package carries the right fields and files, and lintian finds nothing wrong with it.
#   check-package.sh BUILD_DIR VERSION
set -euo pipefail
build=$1 version=$2 id=org.example.Tessaro
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
fail() { echo "$*" >&2; exit 1; }

desktop-file-validate "$build/packaging/$id.desktop" 2>&1 | { ! grep -E '(error|warning): '; }
appstreamcli validate --no-net --pedantic "$build/packaging/$id.metainfo.xml"
# Every screenshot of the metainfo is one of the repository's own (docs/), at its real size.
images="$(grep -o '<image [^>]*>[^<]*</image>' "$build/packaging/$id.metainfo.xml")"
[ -n "$images" ] || fail "the metainfo shows no screenshot"
while read -r image; do
    [[ "$image" =~ width=\"([0-9]+)\"\ height=\"([0-9]+)\".*/docs/([^/<]+)\</image\> ]] || fail "not a picture of docs/: $image"
    file "../docs/${BASH_REMATCH[3]}" | grep -q "PNG image data, ${BASH_REMATCH[1]} x ${BASH_REMATCH[2]}," ||
        fail "docs/${BASH_REMATCH[3]} is not a ${BASH_REMATCH[1]} x ${BASH_REMATCH[2]} picture"
done <<<"$images"

cmake --install "$build" --prefix "$scratch/usr" >/dev/null
for file in bin/tessaro share/applications/$id.desktop share/metainfo/$id.metainfo.xml share/man/man1/tessaro.1.gz \
    share/doc/tessaro/copyright share/doc/tessaro/changelog.gz share/icons/hicolor/scalable/apps/$id.svg; do
    [ -s "$scratch/usr/$file" ] || fail "the installation lacks $file"
done
for size in 16 24 32 48 64 128 256; do
    file "$scratch/usr/share/icons/hicolor/${size}x$size/apps/$id.png" | grep -q "PNG image data, $size x $size" ||
        fail "no ${size}x$size icon"
done
! readelf --dynamic "$scratch/usr/bin/tessaro" | grep -E 'R(UN)?PATH' || fail "the program has a library search path"

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/deb" >"$scratch/cpack.log" 2>&1 || fail "$(cat "$scratch/cpack.log")"
deb="$scratch/deb/tessaro_${version}_$(dpkg --print-architecture).deb"
for field in Package=tessaro Version="$version" Section=education; do
    [ "$(dpkg-deb --field "$deb" "${field%%=*}")" = "${field#*=}" ] || fail "the package's ${field%%=*} is not ${field#*=}"
done
depends="$(dpkg-deb --field "$deb" Depends)"
for package in libqt6widgets6 libc6 fonts-liberation2; do
    grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done
grep -q '^-rwxr-xr-x root/root .* \./usr/bin/tessaro$' <<<"$(dpkg-deb --contents "$deb")" || fail "no /usr/bin/tessaro in the package"
findings="$(lintian --fail-on error,warning "$deb" 2>&1)" || fail "lintian: $findings"
echo "the desktop files validate, the installation and the package $deb are complete"
