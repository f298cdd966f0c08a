#!/usr/bin/env python3
"""Writes Install.ico, the program's icon: the saint's robe that the item package
adds to the game, white with blue trim, a gold cross on the chest and a gold sash.

Two images, 32x32 and 16x16, each 16 colours (4 bits per pixel) in the standard
16-colour palette, with an AND mask for the transparent background. The pictures
are symmetric, so only their left halves are drawn below; the right halves are
mirror images.

    python3 res/make-icon.py [output.ico]

The output is byte-for-byte reproducible; Install.ico is kept in the repository
next to this script, so the build needs no Python.
"""

import struct
import sys
from pathlib import Path

# The standard 16-colour palette, in its usual order, as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]

# Letters of the drawings and their palette indices; "." is transparent.
INKS = {
    "K": 0,   # black outline and the neck opening
    "S": 7,   # silver folds
    "B": 12,  # blue trim
    "Y": 11,  # gold cross and sash
    "W": 15,  # white cloth
}

# Left halves, top row first.
ROBE_32 = [
    "................",
    "................",
    "..........KKKKKK",
    "........KKWWBKKK",
    "......KKWWWWWBKK",
    "....KKWWWWWWWWBK",
    "...KWWWWWWWWWWWB",
    "..KWWWWWWWWWWWWB",
    ".KWWWWSWWWWWWWWB",
    ".KWWWWSWWWWWWWWY",
    ".KWWWWSWWWWWWWYY",
    ".KWWWWSWWWWWWWWY",
    ".KWWWWSKWWWWWWWB",
    ".KWWWWSKWWWWWWWB",
    ".KWWWWSKKYYYYYYY",
    ".KBBBBBKKWWWWWWB",
    ".KBBBBBK.KWWWWWB",
    "..KKKKK..KWWWWWB",
    ".........KWWWWWB",
    "........KWWWWWWB",
    "........KWWWWSWB",
    ".......KWWWWWSWB",
    ".......KWWWWWSWB",
    "......KWWWWWWSWB",
    "......KWWWWWSWWB",
    ".....KWWWWWWSWWB",
    ".....KWWWWWSWWWB",
    "....KWWWWWWSWWWB",
    "....KBBBBBBBBBBB",
    "....KKKKKKKKKKKK",
    "................",
    "................",
]

ROBE_16 = [
    "........",
    ".....KKK",
    "...KKWBK",
    "..KWWWWB",
    ".KWWWWWY",
    ".KWWWWYY",
    ".KWWWWWY",
    ".KWWKWWB",
    ".KBBKYYY",
    "..KK.KWB",
    ".....KWB",
    "....KWWB",
    "....KWSB",
    "...KWWWB",
    "...KBBBB",
    "...KKKKK",
]


def mirror(half_rows):
    return [row + row[::-1] for row in half_rows]


def padded(row_bytes):
    return row_bytes + b"\0" * (-len(row_bytes) % 4)


def icon_image(rows):
    """One icon image: BITMAPINFOHEADER, palette, XOR bits, AND mask."""
    size = len(rows)
    assert all(len(row) == size for row in rows), "drawing is not square"
    xor_rows = []
    and_rows = []
    for row in reversed(rows):  # bitmaps are stored bottom-up
        indices = [INKS.get(c, 0) for c in row]
        xor_rows.append(padded(bytes((indices[i] << 4) | indices[i + 1]
                                     for i in range(0, size, 2))))
        mask = 0
        for c in row:
            mask = (mask << 1) | (1 if c == "." else 0)
        and_rows.append(padded(mask.to_bytes(size // 8, "big")))
    xor_bits = b"".join(xor_rows)
    and_bits = b"".join(and_rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 4, 0,
                         len(xor_bits) + len(and_bits), 0, 0, 0, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + xor_bits + and_bits


def icon_file(drawings):
    images = [icon_image(rows) for rows in drawings]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for rows, image in zip(drawings, images):
        size = len(rows)
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    return out + b"".join(images)


def main():
    target = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).with_name("Install.ico")
    for half in (ROBE_32, ROBE_16):
        assert all(len(row) * 2 == len(half) for row in half), "half rows have the wrong length"
        assert all(c in INKS or c == "." for row in half for c in row), "unknown ink"
    target.write_bytes(icon_file([mirror(ROBE_32), mirror(ROBE_16)]))


if __name__ == "__main__":
    main()
