"""Writes the PNG fixtures of the visual class library tests with zlib."""
import struct
import sys
import zlib

# 3 x 2 pixels, RGBA, straight alpha.
PIXELS = [
    [(255, 0, 0, 255), (0, 255, 0, 128), (0, 0, 255, 0)],
    [(10, 20, 30, 40), (255, 255, 255, 255), (0, 0, 0, 255)],
]


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def png(rows):
    width, height = len(rows[0]), len(rows)
    raw = b"".join(b"\0" + bytes(c for px in row for c in px) for row in rows)
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw))
            + chunk(b"IEND", b""))


out = sys.argv[1]
good = png(PIXELS)
with open(out + "/alpha.png", "wb") as f:
    f.write(good)
# A PNG whose image data stops half-way.
with open(out + "/broken.png", "wb") as f:
    f.write(good[:8] + chunk(b"IHDR", struct.pack(">IIBBBBB", 3, 2, 8, 6, 0, 0, 0)) + chunk(b"IDAT", b"\x78\x9c\x01"))
