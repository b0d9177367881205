#!/usr/bin/env python3
"""Makes the sky pictures of the field-of-view viewer and their list data/pics.dat.

The viewer stretches every picture to its 635 x 500 display area and takes the
picture's angular height as width x 500 / 635, so each picture here is cut to
the 635 : 500 ratio in sky angle (not in pixels) before it is converted.

Sources are the photographs of the Debian package stellarium-data:
  - deep-sky pictures: <stellarium>/nebulae/default/*.png, their sky corners
    and credits from <stellarium>/nebulae/default/textures.json;
  - the full Moon: drawn here as an orthographic disk from the lunar map
    <stellarium>/textures/moon_4k.jpg.
The credits and licences are listed in docs/data-sources.md.

Needs Python 3 (standard library only) and ImageMagick (convert, identify):
    apt-get install stellarium-data imagemagick

Run from anywhere:
    python3 scripts/make_sky_pictures.py [STELLARIUM_DIR [OUTPUT_DIR]]
STELLARIUM_DIR defaults to /usr/share/stellarium, OUTPUT_DIR to the data/
folder of this repository. The script overwrites the JPEG files and pics.dat
there and prints the computed sizes of every picture.
"""

import argparse
import json
import math
import os
import re
import subprocess
import sys
import tempfile

VIEW_W, VIEW_H = 635, 500          # the viewer's display area in pixels
RATIO = VIEW_W / VIEW_H           # angular width : angular height of a picture
JPEG_QUALITY = 90

# Deep-sky pictures: (name in pics.dat, output file, source file in nebulae/default).
# The first line of pics.dat is M 31, the second M 42: the viewer opens on the
# second picture of the list.
DEEP_SKY = [
    ("M 31 Galaxie v Andromedě", "m31.jpg", "m31.png"),
    ("M 42 Velká mlhovina v Orionu", "m42.jpg", "m42.png"),
    ("M 45 Plejády", "m45.jpg", "pleiades.png"),
    ("M 13 Kulová hvězdokupa v Herkulu", "m13.jpg", "m13.png"),
    ("M 57 Prstencová mlhovina", "m57.jpg", "m57dumont.png"),
    ("M 8 Mlhovina Laguna", "m8.jpg", "m8.png"),
    ("M 16 Orlí mlhovina", "m16.jpg", "m16.png"),
    ("M 51 Vírová galaxie", "m51.jpg", "m51-vasey.png"),
    ("M 81 Bodeho galaxie", "m81.jpg", "m81-vasey.png"),
]

# The full Moon: mean apparent diameter 31' = 1860", drawn centred in a picture
# 3600" wide, so the disk fills a little more than half of the width.
MOON_NAME = "Měsíc v úplňku"
MOON_FILE = "mesic.jpg"
MOON_MAP = os.path.join("textures", "moon_4k.jpg")
MOON_DIAMETER_ARCSEC = 1860
MOON_PICTURE_ARCSEC = 3600
MOON_OUT_W, MOON_OUT_H = 2 * VIEW_W, 2 * VIEW_H
MOON_SUPERSAMPLE = 2
# moon_4k.jpg is equirectangular: longitude -180..180 from left to right,
# latitude +90..-90 from top to bottom. Its middle column is longitude 0, the
# centre of the near side (Tycho lies at x = 0.47 of the width, i.e. -11 deg,
# Mare Crisium at x = 0.66, i.e. +59 deg), and east longitude grows to the right.
MOON_MAP_CENTRE_LON = 0.0


def run(args, **kwargs):
    return subprocess.run(args, check=True, **kwargs)


def identify(path, fmt):
    return run(["identify", "-format", fmt, path],
               stdout=subprocess.PIPE).stdout.decode("ascii", "replace").strip()


# ---------------------------------------------------------------- textures.json

_STRING = re.compile(r'"(?:\\.|[^"\\])*"')


def _fix_json_code(code):
    """Repairs the loose JSON outside string literals: numbers like -.97, .5 or
    5. and trailing commas before a closing bracket."""
    code = re.sub(r'(?<![\w.])(-?)\.(\d)', r'\g<1>0.\2', code)
    code = re.sub(r'(\d)\.(?!\d)', r'\1.0', code)
    code = re.sub(r',(\s*[\]}])', r'\1', code)
    return code


def load_loose_json(path):
    with open(path, encoding="utf-8") as f:
        text = f.read()
    out, pos = [], 0
    for m in _STRING.finditer(text):
        out.append(_fix_json_code(text[pos:m.start()]))
        out.append(m.group(0))
        pos = m.end()
    out.append(_fix_json_code(text[pos:]))
    return json.loads("".join(out))


def texture_entries(node):
    """Yields every tile with an imageUrl, however deeply it is nested."""
    if isinstance(node, dict):
        if "imageUrl" in node:
            yield node
        for child in node.get("subTiles", []):
            yield from texture_entries(child)
    elif isinstance(node, list):
        for child in node:
            yield from texture_entries(child)


def credit_of(entry):
    credits = entry.get("imageCredits") or {}
    lowered = {k.lower(): v for k, v in credits.items()}
    return lowered.get("short", ""), lowered.get("infourl", "")


# ---------------------------------------------------------------- sky geometry

def angular_distance(a, b):
    """Great-circle distance in degrees between two [RA, Dec] points in degrees."""
    ra1, de1 = math.radians(a[0]), math.radians(a[1])
    ra2, de2 = math.radians(b[0]), math.radians(b[1])
    # haversine: accurate for the small distances here
    h = (math.sin((de2 - de1) / 2) ** 2
         + math.cos(de1) * math.cos(de2) * math.sin((ra2 - ra1) / 2) ** 2)
    return math.degrees(2 * math.asin(min(1.0, math.sqrt(h))))


def picture_angles(entry):
    """Angular width and height (degrees) of a whole texture.

    worldCoords gives the sky positions of the texture corners (0,0), (1,0),
    (1,1), (0,1); texture (0,0) is the bottom-left corner of the picture. The
    width is the mean length of the bottom and top edges, the height the mean
    length of the left and right edges."""
    tex = entry["textureCoords"][0]
    if [list(map(float, t)) for t in tex] != [[0, 0], [1, 0], [1, 1], [0, 1]]:
        raise ValueError("%s: unexpected textureCoords %r" % (entry["imageUrl"], tex))
    c00, c10, c11, c01 = entry["worldCoords"][0]
    bottom, top = angular_distance(c00, c10), angular_distance(c01, c11)
    left, right = angular_distance(c00, c01), angular_distance(c10, c11)
    return (bottom, top, (bottom + top) / 2), (left, right, (left + right) / 2)


def ratio_crop(w_px, h_px, width_deg, height_deg):
    """Largest centred crop whose angular width : height is 635 : 500.

    Returns (crop_w, crop_h, x0, y0, crop width in degrees, crop height in degrees)."""
    sx, sy = width_deg / w_px, height_deg / h_px     # degrees per pixel
    if width_deg / height_deg > RATIO:
        crop_h = h_px
        crop_w = min(w_px, round(h_px * sy * RATIO / sx))
    else:
        crop_w = w_px
        crop_h = min(h_px, round(w_px * sx / RATIO / sy))
    return (crop_w, crop_h, (w_px - crop_w) // 2, (h_px - crop_h) // 2,
            crop_w * sx, crop_h * sy)


# ---------------------------------------------------------------- JPEG output

JPEG_OPTIONS = ["-colorspace", "sRGB", "-type", "TrueColor", "-depth", "8",
                "-interlace", "none", "-strip", "-quality", str(JPEG_QUALITY)]


def output_size(crop_w):
    return (2 * VIEW_W, 2 * VIEW_H) if crop_w >= 2 * VIEW_W else (VIEW_W, VIEW_H)


def make_deep_sky(nebulae_dir, entries, name, out_file, src_file, out_dir):
    entry = entries.get(src_file)
    if entry is None:
        raise SystemExit("%s is not listed in textures.json" % src_file)
    src = os.path.join(nebulae_dir, src_file)
    w_px, h_px = map(int, identify(src, "%w %h").split())
    (bottom, top, width), (left, right, height) = picture_angles(entry)
    crop_w, crop_h, x0, y0, cw_deg, ch_deg = ratio_crop(w_px, h_px, width, height)
    out_w, out_h = output_size(crop_w)
    arcsec = round(cw_deg * 3600)
    dest = os.path.join(out_dir, out_file)
    # Flatten any transparency onto black first, then cut and stretch.
    run(["convert", src, "-background", "black", "-alpha", "remove", "-alpha", "off",
         "-crop", "%dx%d+%d+%d" % (crop_w, crop_h, x0, y0), "+repage",
         "-resize", "%dx%d!" % (out_w, out_h)] + JPEG_OPTIONS + [dest])
    credit, url = credit_of(entry)
    print("%s  <- %s (%dx%d px)" % (out_file, src_file, w_px, h_px))
    print("    width  %.1f' (bottom %.1f', top %.1f'), %.2f\"/px"
          % (width * 60, bottom * 60, top * 60, width * 3600 / w_px))
    print("    height %.1f' (left %.1f', right %.1f'), %.2f\"/px"
          % (height * 60, left * 60, right * 60, height * 3600 / h_px))
    print("    crop %dx%d+%d+%d px = %.1f' x %.1f' -> %dx%d px, width %d\" "
          "(height in the viewer %.0f\", true %.0f\")"
          % (crop_w, crop_h, x0, y0, cw_deg * 60, ch_deg * 60, out_w, out_h,
             arcsec, arcsec * VIEW_H / VIEW_W, ch_deg * 3600))
    print("    credit: %s %s" % (credit, url))
    return name, out_file, arcsec


# ---------------------------------------------------------------- the Moon

def read_ppm(data):
    """Parses a binary 8-bit PPM (P6) as written by ImageMagick."""
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos) + 1
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    pos += 1                                   # the single whitespace after maxval
    if fields[0] != b"P6" or int(fields[3]) != 255:
        raise ValueError("expected an 8-bit binary PPM")
    w, h = int(fields[1]), int(fields[2])
    return w, h, memoryview(data)[pos:pos + w * h * 3]


def render_moon(map_path, ppm_path):
    """Draws the near side of the Moon as seen from the Earth (north up, Mare
    Crisium on the right) in orthographic projection on a black background,
    at MOON_SUPERSAMPLE times the output size."""
    raw = run(["convert", map_path, "-colorspace", "sRGB", "-type", "TrueColor",
               "-depth", "8", "ppm:-"], stdout=subprocess.PIPE).stdout
    mw, mh, tex = read_ppm(raw)
    ss = MOON_SUPERSAMPLE
    w, h = MOON_OUT_W * ss, MOON_OUT_H * ss
    radius = MOON_DIAMETER_ARCSEC / 2 / (MOON_PICTURE_ARCSEC / w)   # in pixels
    cx, cy = w / 2, h / 2
    img = bytearray(w * h * 3)
    deg = 180 / math.pi
    lon0 = MOON_MAP_CENTRE_LON
    for j in range(h):
        y = (cy - (j + 0.5)) / radius          # +1 at the north pole
        if abs(y) >= 1:
            continue
        lat = math.asin(y) * deg
        row = min(mh - 1, int((90 - lat) / 180 * mh)) * mw * 3
        c = math.sqrt(1 - y * y)               # half-width of the disk in this row
        half = c * radius
        i0, i1 = max(0, int(cx - half)), min(w, int(cx + half) + 1)
        base = j * w * 3
        for i in range(i0, i1):
            s = ((i + 0.5) - cx) / radius / c  # sin(longitude) in this row
            if s <= -1 or s >= 1:
                continue
            lon = math.asin(s) * deg           # east longitude to the right
            u = int(((lon - lon0 + 180) / 360 % 1.0) * mw)
            p = row + u * 3
            o = base + i * 3
            img[o:o + 3] = tex[p:p + 3]
    with open(ppm_path, "wb") as f:
        f.write(b"P6\n%d %d\n255\n" % (w, h))
        f.write(img)
    return radius / ss


def make_moon(stellarium, out_dir):
    map_path = os.path.join(stellarium, MOON_MAP)
    dest = os.path.join(out_dir, MOON_FILE)
    with tempfile.TemporaryDirectory() as tmp:
        ppm = os.path.join(tmp, "moon.ppm")
        radius = render_moon(map_path, ppm)
        run(["convert", ppm, "-resize", "%dx%d!" % (MOON_OUT_W, MOON_OUT_H)]
            + JPEG_OPTIONS + [dest])
    scale = MOON_PICTURE_ARCSEC / MOON_OUT_W
    print("%s  <- %s (orthographic, near side)" % (MOON_FILE, MOON_MAP))
    print("    disk %d\" = %.1f px across; picture %dx%d px = %d\" x %.0f\" (%.3f\"/px)"
          % (MOON_DIAMETER_ARCSEC, 2 * radius, MOON_OUT_W, MOON_OUT_H,
             MOON_PICTURE_ARCSEC, MOON_PICTURE_ARCSEC * VIEW_H / VIEW_W, scale))
    return MOON_NAME, MOON_FILE, MOON_PICTURE_ARCSEC


# ---------------------------------------------------------------- list and checks

def write_list(out_dir, rows):
    """pics.dat: one 'name$file$width' line per picture, then ';', Windows-1250, CRLF."""
    lines = ["%s$%s$%d" % row for row in rows] + [";"]
    with open(os.path.join(out_dir, "pics.dat"), "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("cp1250"))


def check_jpeg(path):
    info = identify(path, "%m %w %h %[colorspace] %[type] %[channels] %[interlace]")
    fmt, w, h, space, kind = info.split()[:5]
    if fmt != "JPEG" or space != "sRGB" or kind != "TrueColor" or "None" not in info:
        raise SystemExit("%s: unexpected format: %s" % (path, info))
    if (int(w), int(h)) not in ((VIEW_W, VIEW_H), (2 * VIEW_W, 2 * VIEW_H)):
        raise SystemExit("%s: unexpected size %sx%s" % (path, w, h))
    return info


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("stellarium", nargs="?", default="/usr/share/stellarium",
                        help="the stellarium data folder (default: %(default)s)")
    parser.add_argument("output", nargs="?",
                        default=os.path.join(os.path.dirname(here), "data"),
                        help="where the JPEGs and pics.dat go (default: data/)")
    args = parser.parse_args()

    nebulae = os.path.join(args.stellarium, "nebulae", "default")
    catalogue = load_loose_json(os.path.join(nebulae, "textures.json"))
    entries = {e["imageUrl"]: e for e in texture_entries(catalogue)}
    os.makedirs(args.output, exist_ok=True)

    rows = [make_deep_sky(nebulae, entries, name, out_file, src, args.output)
            for name, out_file, src in DEEP_SKY]
    rows.append(make_moon(args.stellarium, args.output))
    write_list(args.output, rows)

    total = 0
    print()
    for name, out_file, arcsec in rows:
        path = os.path.join(args.output, out_file)
        size = os.path.getsize(path)
        total += size
        print("%-10s %7d B  %6d\"  %s" % (out_file, size, arcsec, check_jpeg(path)))
    print("%-10s %7d B in all; list: %s" % ("", total, os.path.join(args.output, "pics.dat")))
    return 0


if __name__ == "__main__":
    sys.exit(main())
