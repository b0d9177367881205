#!/usr/bin/env python3
"""Draws the artwork of the about box, src/app/pictures/about.png (350 x 220).

A night sky over a dark hill: a gradient from deep blue to the glow of the
horizon, a faint band of the Milky Way, stars from a fixed random sequence (so
the picture comes out the same every time), a refractor on its tripod on the
hill, and the program's name with a subtitle. The labels of the about box (the
version, the web and mail addresses, the credit line) and its OK button lie
over the empty parts on the left and at the bottom.

Needs Python 3 and ImageMagick's `convert` with the Liberation fonts (Debian
packages imagemagick and fonts-liberation2), which writes the two lines of text.
Run from anywhere:
    python3 scripts/make_about_picture.py [OUTPUT_FILE]
"""

import math
import os
import random
import struct
import subprocess
import sys
import tempfile
import zlib

W, H = 350, 220
FONT_DIR = "/usr/share/fonts/truetype/liberation2"


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def sky():
    top, low = (4, 8, 28), (30, 46, 92)
    pixels = [[mix(top, low, (y / H) ** 1.6) for _ in range(W)] for y in range(H)]
    # The Milky Way: a soft band across the sky from lower left to upper right.
    for y in range(H):
        for x in range(W):
            d = abs((x - 40) * 0.55 + (y - 190) * 0.84) / 38.0
            glow = math.exp(-d * d) * 0.16
            pixels[y][x] = mix(pixels[y][x], (150, 160, 200), glow)
    return pixels


def add(pixels, x, y, colour, amount):
    if 0 <= x < W and 0 <= y < H:
        pixels[y][x] = mix(pixels[y][x], colour, max(0.0, min(1.0, amount)))


def stars(pixels, rng):
    for i in range(260):
        x, y = rng.uniform(0, W - 1), rng.uniform(0, H - 45)
        # More faint stars along the band.
        if i > 170:
            t = rng.uniform(0, 1)
            x = 40 + t * 260 + rng.gauss(0, 14)
            y = 190 - t * 170 + rng.gauss(0, 14)
        bright = rng.random() ** 3
        colour = rng.choice([(255, 255, 255), (210, 225, 255), (255, 236, 200)])
        cx, cy = int(x), int(y)
        add(pixels, cx, cy, colour, 0.35 + 0.65 * bright)
        if bright > 0.35:
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                add(pixels, cx + dx, cy + dy, colour, bright * 0.45)
        if bright > 0.8:
            for r in (2, 3, 4):
                for dx, dy in ((r, 0), (-r, 0), (0, r), (0, -r)):
                    add(pixels, cx + dx, cy + dy, colour, bright * 0.5 / r)


def hill_height(x):
    return 178 - 14 * math.exp(-((x - 285) / 70.0) ** 2) + 3 * math.sin(x / 23.0)


def segment(pixels, a, b, width, colour):
    (x0, y0), (x1, y1) = a, b
    length2 = (x1 - x0) ** 2 + (y1 - y0) ** 2
    for y in range(int(min(y0, y1) - width - 1), int(max(y0, y1) + width + 2)):
        for x in range(int(min(x0, x1) - width - 1), int(max(x0, x1) + width + 2)):
            t = max(0.0, min(1.0, ((x - x0) * (x1 - x0) + (y - y0) * (y1 - y0)) / length2))
            d = math.hypot(x - (x0 + t * (x1 - x0)), y - (y0 + t * (y1 - y0)))
            add(pixels, x, y, colour, width + 0.5 - d)


def landscape(pixels):
    ground = (3, 5, 12)
    for x in range(W):
        top = hill_height(x)
        for y in range(int(top), H):
            pixels[y][x] = ground
        add(pixels, x, int(top) - 1, ground, top - int(top))
    # A refractor on its tripod, pointing up to the left.
    mount = (302, 134)
    for foot in ((280, hill_height(280)), (300, hill_height(300) + 2), (322, hill_height(322))):
        segment(pixels, mount, foot, 1.0, ground)
    segment(pixels, (334, 117), (270, 89), 4.0, ground)   # tube
    segment(pixels, (270, 89), (262, 85.5), 5.0, ground)  # dew shield
    segment(pixels, (322, 108), (330, 126), 1.2, ground)  # focuser
    segment(pixels, (302, 134), (302, 105), 2.0, ground)  # mount head


def write_png(path, pixels):
    raw = b"".join(b"\0" + bytes(int(round(c)) for p in row for c in p) for row in pixels)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", W, H, 8, 2, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        f.write(chunk(b"IEND", b""))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    output = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "src", "app", "pictures", "about.png")
    pixels = sky()
    stars(pixels, random.Random(1404))
    landscape(pixels)
    with tempfile.TemporaryDirectory() as work:
        plain = os.path.join(work, "sky.png")
        write_png(plain, pixels)
        subprocess.run([
            "convert", plain,
            "-font", os.path.join(FONT_DIR, "LiberationSans-Bold.ttf"), "-pointsize", "36",
            "-fill", "#ffd866", "-annotate", "+22+52", "Noktaris",
            "-font", os.path.join(FONT_DIR, "LiberationSans-Regular.ttf"), "-pointsize", "12",
            "-fill", "#c8d4f0", "-annotate", "+24+72", "kalkulačka pro astronomy a astrofotografy",
            "-strip", "-define", "png:exclude-chunks=date,time", output,
        ], check=True)


if __name__ == "__main__":
    main()
