#!/usr/bin/env python3
"""Draws the two pictures of the catalogue editor's new-record button:

  pics/novy.bmp  a blank sheet with a green plus: "Nový záznam"
  pics/zpet.bmp  a blue arrow turning back:       "Zrušit"

Both are 16 x 16 Windows bitmaps, 24 bits per pixel. As on every picture button
of the program, the colour of the bottom-left pixel is the transparent one; here
it is magenta, which neither picture uses otherwise.

Needs Python 3 only. Run from anywhere:
    python3 scripts/make_button_pictures.py [OUTPUT_DIR]
OUTPUT_DIR defaults to the pics/ folder of this repository.
"""

import os
import struct
import sys

PALETTE = {
    '.': (255, 0, 255),   # transparent
    'k': (0, 0, 0),       # outline
    'w': (255, 255, 255), # paper
    's': (192, 192, 192), # folded corner
    'g': (0, 128, 0),     # plus, dark
    'G': (0, 200, 0),     # plus, light
    'b': (0, 0, 128),     # arrow, dark
    'B': (64, 128, 255),  # arrow, light
}

NOVY = [
    "................",
    "..kkkkkkkk......",
    "..kwwwwwwkk.....",
    "..kwwwwwwksk....",
    "..kwwwwwwkssk...",
    "..kwwwwwwkkkkk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwggg..",
    "..kwwwwwwwwgGg..",
    "..kwwwwwwgggGggg",
    "..kwwwwwwgGGGGGg",
    "..kwwwwwwgggGggg",
    "..kkkkkkkkkgGg..",
    "...........ggg..",
    "................",
]

ZPET = [
    "................",
    "................",
    "....bb..........",
    "...bBb..........",
    "..bBBbbbbbbb....",
    ".bBBBBBBBBBBbb..",
    "..bBBbbbbbbBBBb.",
    "...bBb......bBBb",
    "....bb.......bBb",
    ".............bBb",
    ".............bBb",
    "............bBBb",
    "......bbbbbbBBb.",
    "......bBBBBBBb..",
    "......bbbbbbb...",
    "................",
]


def bitmap(rows):
    """The bytes of a 24-bit Windows bitmap of the 16 x 16 picture."""
    width, height = 16, 16
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    assert len(rows) == height and all(len(row) == width for row in rows)
    for row in reversed(rows):  # bottom-up
        line = bytearray()
        for x in range(width):
            r, g, b = PALETTE[row[x]]
            line += bytes((b, g, r))
        pixels += line + bytes(stride - len(line))
    header = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(pixels), 0, 0, 14 + 40)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + bytes(pixels)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, '..', 'pics')
    os.makedirs(out, exist_ok=True)
    for name, rows in (('novy.bmp', NOVY), ('zpet.bmp', ZPET)):
        with open(os.path.join(out, name), 'wb') as f:
            f.write(bitmap(rows))


if __name__ == '__main__':
    main()
