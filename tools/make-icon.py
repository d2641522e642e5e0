#!/usr/bin/env python3
"""Writes res/qingyu-share.ico: the program's computer picture (a monitor with
a blue screen beside a tower case) at 16, 24, 32, 48 and 256 pixels.

Standard library only: the picture is a list of shapes in a 58-unit square,
rendered with 4x4 supersampling, stored as 32-bit DIBs with an AND mask, and
as PNG for 256 pixels."""
import struct
import sys
import zlib

# (kind, left, top, right, bottom, colour[, colour at the bottom])
SHAPES = [
    ("round", 1, 9, 41, 40, (64, 72, 86)),
    ("gradient", 5, 13, 37, 35, (70, 150, 245), (18, 60, 170)),
    ("rect", 7, 15, 20, 17, (150, 200, 255)),
    ("rect", 7, 17, 12, 22, (120, 180, 250)),
    ("rect", 17, 40, 25, 45, (110, 116, 128)),
    ("round", 9, 44, 33, 50, (140, 146, 158)),
    ("round", 42, 4, 57, 52, (84, 90, 102)),
    ("round", 43, 5, 56, 51, (214, 218, 224)),
    ("rect", 44, 9, 55, 12, (150, 156, 168)),
    ("rect", 44, 14, 55, 17, (150, 156, 168)),
    ("rect", 44, 20, 55, 21, (180, 186, 196)),
    ("ellipse", 47, 38, 53, 44, (170, 176, 188)),
    ("rect", 48, 47, 52, 49, (40, 200, 70)),
]
UNITS = 58.0
SAMPLES = 4


def inside(shape, x, y):
    kind, l, t, r, b = shape[:5]
    if not (l <= x < r and t <= y < b):
        return False
    if kind == "ellipse":
        cx, cy, rx, ry = (l + r) / 2, (t + b) / 2, (r - l) / 2, (b - t) / 2
        return ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1
    if kind == "round":
        rad = 3.0
        cx = min(max(x, l + rad), r - rad)
        cy = min(max(y, t + rad), b - rad)
        return (x - cx) ** 2 + (y - cy) ** 2 <= rad * rad
    return True


def colour_at(shape, y):
    if shape[0] != "gradient":
        return shape[5]
    f = (y - shape[2]) / max(shape[4] - shape[2], 1)
    return tuple(round(a + (b - a) * f) for a, b in zip(shape[5], shape[6]))


def render(size):
    """Rows top to bottom of (r, g, b, a)."""
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0, 0, 0]
            hits = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) * UNITS / size
                    y = (py + (sy + 0.5) / SAMPLES) * UNITS / size
                    c = None
                    for shape in SHAPES:
                        if inside(shape, x, y):
                            c = colour_at(shape, y)
                    if c:
                        hits += 1
                        for i in range(3):
                            acc[i] += c[i]
            n = SAMPLES * SAMPLES
            if hits:
                row.append(tuple(round(a / hits) for a in acc) + (round(255 * hits / n),))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def dib(size, rows):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        line = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    return header + pixels + bytes(mask)


def png(size, rows):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    raw = b"".join(b"\0" + bytes(v for px in row for v in px) for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main(path):
    images = []
    for size in (16, 24, 32, 48, 256):
        rows = render(size)
        images.append((size, png(size, rows) if size == 256 else dib(size, rows)))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(data for _, data in images)
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "res/qingyu-share.ico")
