#!/usr/bin/env python3
"""Makes the example skin pack skins/graphite from the built-in WinXP style:
`skinpack export --style winxp`, then every colour of skin.ini and every pixel
of its pictures turned to graphite (grey with a cool tint), except the magenta
key colour, which stays exact. Plain Python, deterministic.

    tools/make_graphite_pack.py [path/to/skinpack]   (default: build/bin/skinpack)"""
import pathlib
import re
import shutil
import struct
import subprocess
import sys
import zlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
PACK = ROOT / "skins" / "graphite"
KEY = (255, 0, 255)
SLATE = (-14, -6, 6)  # the tint, strongest in the middle greys


def graphite(rgb):
    if tuple(rgb) == KEY:
        return KEY
    r, g, b = rgb
    grey = (299 * r + 587 * g + 114 * b) // 1000
    weight = 1 - abs(grey - 128) / 128
    return tuple(max(0, min(255, round(grey + tint * weight))) for tint in SLATE)


def read_png(data):
    """Width, height and RGB rows of an 8-bit RGB or RGBA PNG."""
    assert data[:8] == b"\x89PNG\r\n\x1a\n"
    pos, idat, header = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    width, height, depth, colour, _, _, interlace = header
    assert depth == 8 and colour in (2, 6) and interlace == 0, header
    channels = 3 if colour == 2 else 4
    raw, stride = zlib.decompress(idat), width * channels
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            left = line[x - channels] if x >= channels else 0
            up = previous[x]
            corner = previous[x - channels] if x >= channels else 0
            if kind == 1:
                line[x] = (line[x] + left) & 255
            elif kind == 2:
                line[x] = (line[x] + up) & 255
            elif kind == 3:
                line[x] = (line[x] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                line[x] = (line[x] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 255
        rows.append([tuple(line[x:x + 3]) for x in range(0, stride, channels)])
        previous = line
    return width, height, rows


def write_png(width, height, rows):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    raw = b"".join(b"\0" + bytes(c for px in row for c in px) for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    skinpack = sys.argv[1] if len(sys.argv) > 1 else str(ROOT / "build" / "bin" / "skinpack")
    shutil.rmtree(PACK, ignore_errors=True)
    subprocess.run([skinpack, "export", "--style", "winxp", str(PACK)], check=True, stdout=subprocess.DEVNULL)
    ini = PACK / "skin.ini"
    text = ini.read_text()
    text = text.replace("Name = winxp", "Name = graphite").replace("Version = 1\n", "Version = 1.0\n")
    text = re.sub(r"#([0-9a-f]{6})",
                  lambda m: "#%02x%02x%02x" % graphite(bytes.fromhex(m.group(1))), text)
    text = text.replace("# A skin pack", "# The graphite example pack, made by tools/make_graphite_pack.py from the WinXP style.\n# A skin pack", 1)
    ini.write_text(text)
    for picture in sorted(PACK.glob("*.png")):
        width, height, rows = read_png(picture.read_bytes())
        picture.write_bytes(write_png(width, height, [[graphite(px) for px in row] for row in rows]))
    subprocess.run([skinpack, "check", str(PACK)], check=True)


if __name__ == "__main__":
    main()
