"""Draws the component set's bitmaps and cursor and writes the resource script that embeds them.

Each button glyph bitmap is 32 x 16 pixels at 8 bits a pixel: the normal glyph
on the left, its disabled (embossed grey) form on the right, on the olive of
the bottom-left pixel, which the buttons draw transparent.

Usage: make_kit_resources.py OUTPUT_FOLDER
"""
import math
import os
import struct
import sys

BACK = (128, 128, 0)
WHITE = (255, 255, 255)
GREY = (128, 128, 128)
GREEN = (0, 128, 0)
RED = (192, 0, 0)
BLUE = (0, 0, 192)
NAVY = (0, 0, 128)
BROWN = (128, 64, 0)
YELLOW = (224, 192, 0)
BLACK = (0, 0, 0)


def near_segment(px, py, ax, ay, bx, by, width):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / float(dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy)) <= width


def polyline(points, width=1.1):
    segments = list(zip(points, points[1:]))
    return lambda x, y: any(near_segment(x, y, *a, *b, width) for a, b in segments)


def ring(cx, cy, r, width=1.1, gap=None):
    def inside(x, y):
        if gap and gap(math.degrees(math.atan2(cy - y, x - cx)) % 360):
            return False
        return abs(math.hypot(x - cx, y - cy) - r) <= width
    return inside


def disc(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) <= r


def box(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


# Each glyph: a list of (shape, colour) layers, later layers on top; shapes take pixel centres.
GLYPHS = {
    "OK": [(polyline([(3, 8), (6, 11), (12, 4)]), GREEN)],
    "CANCEL": [(union(polyline([(4, 4), (11, 11)]), polyline([(11, 4), (4, 11)])), RED)],
    "HELP": [(union(ring(7.5, 5.5, 3, 1.0, gap=lambda a: 200 < a < 330), polyline([(9.5, 8), (7.5, 9.5), (7.5, 10.5)], 1.0),
                    box(6.5, 12.5, 8.5, 14.5)), BLUE)],
    "YES": [(polyline([(2, 8), (5, 11), (11, 3)]), GREEN), (box(11, 11, 14, 14), GREEN)],
    "NO": [(union(ring(7.5, 7.5, 5.5, 1.0), polyline([(4, 11), (11, 4)], 1.0)), RED)],
    "CLOSE": [(box(4, 1, 11, 14), BROWN), (box(6, 3, 9, 12), YELLOW), (disc(8.5, 8, 0.8), BLACK)],
    "ABORT": [(disc(7.5, 7.5, 6.2), RED), (box(4, 6.5, 11, 8.5), WHITE)],
    "RETRY": [(ring(7.5, 8, 4.5, 1.0, gap=lambda a: 20 < a < 80), NAVY),
              (polyline([(12, 2), (12, 6), (8, 6)], 0.9), NAVY)],
    "IGNORE": [(box(6.5, 2, 8.5, 10), NAVY), (box(6.5, 12.5, 8.5, 14.5), NAVY)],
    "ALL": [(polyline([(1, 8), (4, 11), (9, 4)], 1.0), GREEN), (polyline([(6, 8), (9, 11), (14, 4)], 1.0), GREEN)],
}


def draw_glyph(layers):
    pixels = [[BACK] * 16 for _ in range(16)]
    for shape, colour in layers:
        for y in range(16):
            for x in range(16):
                if shape(x + 0.5, y + 0.5):
                    pixels[y][x] = colour
    # The bottom-left pixel names the transparent colour.
    pixels[15][0] = BACK
    return pixels


def disabled_form(pixels):
    out = [[BACK] * 16 for _ in range(16)]
    marked = [(x, y) for y in range(16) for x in range(16) if pixels[y][x] != BACK]
    for x, y in marked:
        if x + 1 < 16 and y + 1 < 15:
            out[y + 1][x + 1] = WHITE
    for x, y in marked:
        out[y][x] = GREY
    out[15][0] = BACK
    return out


def write_bmp8(path, rows):
    """rows: top row first, each a list of RGB tuples."""
    height, width = len(rows), len(rows[0])
    palette = []
    for row in rows:
        for c in row:
            if c not in palette:
                palette.append(c)
    stride = (width + 3) & ~3
    image = bytearray()
    for row in reversed(rows):
        line = bytes(palette.index(c) for c in row)
        image += line + b"\0" * (stride - width)
    colours = b"".join(struct.pack("<BBBB", c[2], c[1], c[0], 0) for c in palette)
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(image), 2835, 2835, len(palette), 0)
    offset = 14 + len(header) + len(colours)
    with open(path, "wb") as f:
        f.write(struct.pack("<2sIHHI", b"BM", offset + len(image), 0, 0, offset))
        f.write(header + colours + image)


# The hand: 32 x 32, 'B' black outline, 'W' white, anything else transparent; the finger tip is the hot spot.
HAND = """
.......BB.......................
......BWWB......................
......BWWB......................
......BWWB......................
......BWWB......................
......BWWBBB....................
......BWWBWWBBB.................
......BWWBWWBWWBB...............
......BWWBWWBWWBWB..............
...BB.BWWBWWBWWBWWB.............
...BWWBWWWWWWWWBWWB.............
...BWWBWWWWWWWWWWWB.............
....BWBWWWWWWWWWWWB.............
....BWWWWWWWWWWWWWB.............
.....BWWWWWWWWWWWWB.............
.....BWWWWWWWWWWWB..............
......BWWWWWWWWWWB..............
......BWWWWWWWWWB...............
.......BWWWWWWWWB...............
.......BWWWWWWWWB...............
.......BBBBBBBBBB...............
"""
HAND_HOTSPOT = (7, 0)


def write_cursor(path):
    art = [line for line in HAND.strip("\n").split("\n")]
    art += ["." * 32] * (32 - len(art))
    xor_rows, and_rows = [], []
    for line in art:
        line = line.ljust(32, ".")
        xor_bits = sum(1 << (31 - x) for x, ch in enumerate(line) if ch == "W")
        and_bits = sum(1 << (31 - x) for x, ch in enumerate(line) if ch not in "BW")
        xor_rows.append(struct.pack(">I", xor_bits))
        and_rows.append(struct.pack(">I", and_bits))
    header = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 1, 0, 0, 0, 0, 2, 0)
    colours = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    image = header + colours + b"".join(reversed(xor_rows)) + b"".join(reversed(and_rows))
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 2, 1))
        f.write(struct.pack("<BBBBHHII", 32, 32, 0, 0, HAND_HOTSPOT[0], HAND_HOTSPOT[1], len(image), 22))
        f.write(image)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    lines = []
    for name, layers in GLYPHS.items():
        normal = draw_glyph(layers)
        rows = [a + b for a, b in zip(normal, disabled_form(normal))]
        file_name = "kit_%s.bmp" % name.lower()
        write_bmp8(os.path.join(out, file_name), rows)
        lines.append('KITCOMMON_%s BITMAP "%s"' % (name, file_name))
    write_cursor(os.path.join(out, "kit_hand.cur"))
    lines.append('KITCOMMON_HANDCURSOR CURSOR "kit_hand.cur"')
    with open(os.path.join(out, "kitcommon.rc"), "w") as f:
        f.write("\n".join(lines) + "\n")


main()
