#!/usr/bin/env python3
"""Draws the gallery's own pictures: the round media faces of its image
buttons and the tile of its image panel (gallery/pictures/, compiled into the
gallery), the folder glyph of its "Open" button and the strip of its menu and
tool bar images, both written as image data into the stored layout.

Plain Python, no imaging library: shapes are sampled 4 x 4 per pixel; a pixel
less than half covered becomes the key colour (exact magenta), the others are
blended over the light window colour they will sit on. Deterministic."""
import pathlib
import re
import struct
import zlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
PICTURES = ROOT / "gallery" / "pictures"
QRC = ROOT / "gallery" / "gallery.qrc"
LAYOUT = ROOT / "resources" / "layouts" / "gallery.txt"

KEY = (255, 0, 255)
WINDOW = (0xE7, 0xE7, 0xE7)
SIZE = 36
SAMPLES = 4


def png(pixels):
    """RGB pixels, or RGBA when they carry alpha."""
    height, width = len(pixels), len(pixels[0])
    colour_type = 6 if len(pixels[0][0]) == 4 else 2
    raw = b"".join(b"\0" + bytes(c for px in row for c in px) for row in pixels)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def coverage(x, y, inside):
    hits = sum(inside(x + (i + 0.5) / SAMPLES, y + (j + 0.5) / SAMPLES) for i in range(SAMPLES) for j in range(SAMPLES))
    return hits / SAMPLES**2


def triangle(ax, ay, bx, by, cx, cy):
    def side(px, py, x1, y1, x2, y2):
        return (px - x2) * (y1 - y2) - (x1 - x2) * (py - y2)

    def inside(px, py):
        d = (side(px, py, ax, ay, bx, by), side(px, py, bx, by, cx, cy), side(px, py, cx, cy, ax, ay))
        return not (min(d) < 0 < max(d))

    return inside


def box(left, top, right, bottom):
    return lambda px, py: left <= px < right and top <= py < bottom


ICONS = {
    "PLAY": [triangle(14, 10, 14, 26, 27, 18)],
    "PAUSE": [box(12, 11, 16, 25), box(20, 11, 24, 25)],
    "STOP": [box(12, 12, 24, 24)],
}

# Top and bottom of the face's gradient, and its rim, per state.
FACES = {
    "NORMAL": ((0x9C, 0xC8, 0xF4), (0x2A, 0x6C, 0xC0), (0x1C, 0x4A, 0x88), 0),
    "MOUSEON": ((0xBC, 0xDC, 0xFF), (0x3C, 0x86, 0xE0), (0x1C, 0x4A, 0x88), 0),
    "MOUSEDOWN": ((0x1E, 0x56, 0xA0), (0x5A, 0x98, 0xDC), (0x12, 0x34, 0x66), 1),
}


def face(icon, state):
    top, bottom, rim, shift = FACES[state]
    centre, radius = SIZE / 2, SIZE / 2 - 1
    disc = lambda px, py: (px - centre) ** 2 + (py - centre) ** 2 <= radius**2
    inner = lambda px, py: (px - centre) ** 2 + (py - centre) ** 2 <= (radius - 1.5) ** 2
    mark = lambda px, py: any(shape(px - shift, py - shift) for shape in ICONS[icon])
    rows = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            outside = coverage(x, y, disc)
            if outside < 0.5:
                row.append(KEY)
                continue
            colour = mix(rim, mix(top, bottom, y / (SIZE - 1)), coverage(x, y, inner))
            colour = mix(colour, (255, 255, 255), coverage(x, y, mark))
            row.append(mix(WINDOW, colour, outside))
        rows.append(row)
    return rows


def tile():
    """A soft blue diamond lattice that repeats seamlessly every 16 pixels."""
    light, dark = (0x6C, 0x9E, 0xD8), (0x4A, 0x7C, 0xC0)
    rows = []
    for y in range(16):
        row = []
        for x in range(16):
            distance = abs(x + 0.5 - 8) + abs(y + 0.5 - 8)
            row.append(mix(dark, light, min(1.0, abs(distance - 8) / 3)))
        rows.append(row)
    return rows


# A folder, opened; '.' is the key colour.
FOLDER = """\
................
................
.###............
#aaa#...........
#aaaa#######....
#aaaaaaaaaaa#...
#aaa#########...
#aa#bbbbbbbbb#..
#aa#bbbbbbbbb#..
#a#bbbbbbbbb#...
#a#bbbbbbbbb#...
##bbbbbbbbb#....
##bbbbbbbbb#....
#############...
................
................"""
FOLDER_COLOURS = {".": KEY, "#": (0x80, 0x5A, 0x10), "a": (0xE8, 0xB8, 0x48), "b": (0xF8, 0xD8, 0x78)}

# The menu's and the tool bar's images, 16 x 16 side by side: the folder,
# text aligned left and centred, and a palette of the styles' colours.
ALIGN_LEFT = """\
................
................
..############..
................
..########......
................
..############..
................
..########......
................
..############..
................
..########......
................
................
................"""
ALIGN_CENTRE = """\
................
................
..############..
................
....########....
................
..############..
................
....########....
................
..############..
................
....########....
................
................
................"""
PALETTE = """\
................
.##############.
.#rrrrrr#gggggg#
.#rrrrrr#gggggg#
.#rrrrrr#gggggg#
.#rrrrrr#gggggg#
.#rrrrrr#gggggg#
.#rrrrrr#gggggg#
.##############.
.#bbbbbb#yyyyyy#
.#bbbbbb#yyyyyy#
.#bbbbbb#yyyyyy#
.#bbbbbb#yyyyyy#
.#bbbbbb#yyyyyy#
.#bbbbbb#yyyyyy#
.##############."""
IMAGE_COLOURS = {".": None, "#": (0x30, 0x30, 0x30), "r": (0xD8, 0x40, 0x30), "g": (0x40, 0xA8, 0x48),
                 "b": (0x30, 0x68, 0xC8), "y": (0xF0, 0xC8, 0x30)}


def image_strip(pictures):
    """The pictures side by side with alpha: the key colour (or '.') is clear."""
    def pixel(c, colours):
        colour = colours.get(c)
        return (0, 0, 0, 0) if colour in (None, KEY) else colour + (255,)

    rows = [[] for _ in range(16)]
    for picture, colours in pictures:
        for y, line in enumerate(picture.splitlines()):
            rows[y] += [pixel(c, colours) for c in line]
    return rows


def replace_data(layout, name, prop, data):
    hex_lines = "".join("\n      " + data[at:at + 32].hex().upper() for at in range(0, len(data), 32))
    pattern = re.compile(r"(object %s: .*?%s = \{)[^}]*(\})" % (name, re.escape(prop)), re.S)
    updated, count = pattern.subn(lambda m: m.group(1) + hex_lines + m.group(2), layout, count=1)
    if count != 1:
        raise SystemExit(f"no {prop} of {name} in {LAYOUT}")
    return updated


if __name__ == "__main__":
    PICTURES.mkdir(parents=True, exist_ok=True)
    pictures = {f"GALLERY_{icon}_{state}": face(icon, state) for icon in ICONS for state in FACES}
    pictures["GALLERY_TILE"] = tile()
    names = sorted(pictures)
    for name in names:
        (PICTURES / f"{name}.png").write_bytes(png(pictures[name]))
    entries = "".join(f'    <file alias="{name}">pictures/{name}.png</file>\n' for name in names)
    QRC.write_text("<!-- Written by tools/make_gallery_pictures.py; do not edit. -->\n<RCC>\n"
                   f'  <qresource prefix="/pictures">\n{entries}  </qresource>\n</RCC>\n')
    folder = [[FOLDER_COLOURS[c] for c in line] for line in FOLDER.splitlines()]
    layout = replace_data(LAYOUT.read_text(), "btnOpen", "Glyph.Data", png(folder))
    strip = image_strip([(FOLDER, FOLDER_COLOURS), (ALIGN_LEFT, IMAGE_COLOURS), (ALIGN_CENTRE, IMAGE_COLOURS),
                         (PALETTE, IMAGE_COLOURS)])
    LAYOUT.write_text(replace_data(layout, "imlGallery", "Bitmap", png(strip)))
