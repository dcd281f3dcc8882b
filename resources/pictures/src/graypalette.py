#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes 8-bit grey samples as an indexed PNG with a full grey palette.

    graypalette.py WIDTH HEIGHT RAW OUT.png

RAW holds WIDTH*HEIGHT bytes of 8-bit grey (as written by ImageMagick's
"gray:" format).  The PNG is colour type 3 with all 256 palette entries
(entry i is grey i), so index and grey level are the same.
"""
import struct
import sys
import zlib


def chunk(kind, data):
    return (struct.pack(">I", len(data)) + kind + data
            + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))


def main():
    width, height = int(sys.argv[1]), int(sys.argv[2])
    with open(sys.argv[3], "rb") as f:
        raw = f.read()
    if len(raw) != width * height:
        sys.exit("graypalette: expected %d bytes, got %d" % (width * height, len(raw)))
    rows = b"".join(b"\0" + raw[y * width:(y + 1) * width] for y in range(height))
    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 3, 0, 0, 0))
    png += chunk(b"PLTE", b"".join(bytes((i, i, i)) for i in range(256)))
    png += chunk(b"IDAT", zlib.compress(rows, 9))
    png += chunk(b"IEND", b"")
    with open(sys.argv[4], "wb") as f:
        f.write(png)


if __name__ == "__main__":
    main()
