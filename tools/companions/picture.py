"""A small RGBA canvas with anti-aliased shapes, a block font, and PNG and ICO writers."""
import struct
import zlib

# The skin's palette: light blue and white around the window colour F0FBFF.
WINDOW = (0xF0, 0xFB, 0xFF)
WHITE = (0xFF, 0xFF, 0xFF)
PALE = (0xDC, 0xEC, 0xFB)
SKY = (0x7F, 0xB9, 0xEE)
BLUE = (0x2A, 0x7B, 0xD4)
DEEP = (0x17, 0x4E, 0x9C)
INK = (0x1D, 0x33, 0x55)
RED = (0xD2, 0x3B, 0x3B)
GREEN = (0x2E, 0x9E, 0x5B)
AMBER = (0xF0, 0xA8, 0x1E)

# 5x7 glyphs, one string of five bits per row.
FONT = {
    'A': "01110 10001 10001 11111 10001 10001 10001", 'B': "11110 10001 10001 11110 10001 10001 11110",
    'C': "01111 10000 10000 10000 10000 10000 01111", 'D': "11110 10001 10001 10001 10001 10001 11110",
    'E': "11111 10000 10000 11110 10000 10000 11111", 'F': "11111 10000 10000 11110 10000 10000 10000",
    'G': "01111 10000 10000 10011 10001 10001 01111", 'H': "10001 10001 10001 11111 10001 10001 10001",
    'I': "01110 00100 00100 00100 00100 00100 01110", 'K': "10001 10010 10100 11000 10100 10010 10001",
    'L': "10000 10000 10000 10000 10000 10000 11111", 'M': "10001 11011 10101 10101 10001 10001 10001",
    'N': "10001 11001 10101 10011 10001 10001 10001", 'O': "01110 10001 10001 10001 10001 10001 01110",
    'P': "11110 10001 10001 11110 10000 10000 10000", 'Q': "01110 10001 10001 10001 10101 10010 01101",
    'R': "11110 10001 10001 11110 10100 10010 10001", 'S': "01111 10000 10000 01110 00001 00001 11110",
    'T': "11111 00100 00100 00100 00100 00100 00100", 'U': "10001 10001 10001 10001 10001 10001 01110",
    'V': "10001 10001 10001 10001 10001 01010 00100", 'W': "10001 10001 10001 10101 10101 10101 01010",
    'X': "10001 10001 01010 00100 01010 10001 10001", 'Y': "10001 10001 01010 00100 00100 00100 00100",
    'Z': "11111 00001 00010 00100 01000 10000 11111", '0': "01110 10001 10011 10101 11001 10001 01110",
    '1': "00100 01100 00100 00100 00100 00100 01110", '2': "01110 10001 00001 00010 00100 01000 11111",
    '3': "11110 00001 00001 01110 00001 00001 11110", '4': "00010 00110 01010 10010 11111 00010 00010",
    '5': "11111 10000 11110 00001 00001 10001 01110", '.': "00000 00000 00000 00000 00000 01100 01100",
    '?': "01110 10001 00001 00010 00100 00000 00100", '!': "00100 00100 00100 00100 00100 00000 00100",
    '$': "00100 01111 10100 01110 00101 11110 00100", ' ': "00000 00000 00000 00000 00000 00000 00000",
    '-': "00000 00000 00000 01110 00000 00000 00000", '@': "01110 10001 10111 10101 10111 10000 01110",
}


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


class Canvas:
    def __init__(self, width, height, fill=(0, 0, 0, 0)):
        self.width, self.height = width, height
        self.px = [list(fill) for _ in range(width * height)]

    def blend(self, x, y, colour, coverage):
        if coverage <= 0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        alpha = (colour[3] / 255 if len(colour) > 3 else 1.0) * min(coverage, 1.0)
        dst = self.px[y * self.width + x]
        out_a = alpha + dst[3] / 255 * (1 - alpha)
        if out_a <= 0:
            return
        for i in range(3):
            dst[i] = round((colour[i] * alpha + dst[i] * dst[3] / 255 * (1 - alpha)) / out_a)
        dst[3] = round(out_a * 255)

    def shape(self, inside, colour, box=None, samples=4):
        """Fills the points where inside(x, y) holds, anti-aliased by supersampling."""
        x0, y0, x1, y1 = box or (0, 0, self.width, self.height)
        step = 1 / samples
        for y in range(max(0, int(y0)), min(self.height, int(y1) + 1)):
            for x in range(max(0, int(x0)), min(self.width, int(x1) + 1)):
                hits = sum(inside(x + (i + 0.5) * step, y + (j + 0.5) * step)
                           for i in range(samples) for j in range(samples))
                self.blend(x, y, colour, hits / (samples * samples))

    def vertical_gradient(self, top, bottom, y0=0, y1=None):
        y1 = self.height if y1 is None else y1
        for y in range(y0, y1):
            c = mix(top, bottom, (y - y0) / max(1, y1 - y0 - 1))
            for x in range(self.width):
                self.px[y * self.width + x] = [c[0], c[1], c[2], 255]

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                self.blend(x, y, colour, 1)

    def rounded(self, x0, y0, x1, y1, r, colour):
        def inside(x, y):
            cx = min(max(x, x0 + r), x1 - r)
            cy = min(max(y, y0 + r), y1 - r)
            return x0 <= x <= x1 and y0 <= y <= y1 and (x - cx) ** 2 + (y - cy) ** 2 <= r * r
        self.shape(inside, colour, (x0, y0, x1, y1))

    def circle(self, cx, cy, r, colour, hole=0):
        self.shape(lambda x, y: hole * hole <= (x - cx) ** 2 + (y - cy) ** 2 <= r * r, colour,
                   (cx - r - 1, cy - r - 1, cx + r + 1, cy + r + 1))

    def polygon(self, points, colour):
        def inside(x, y):
            hit = False
            for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
                if (ay > y) != (by > y) and x < (bx - ax) * (y - ay) / (by - ay) + ax:
                    hit = not hit
            return hit
        xs, ys = [p[0] for p in points], [p[1] for p in points]
        self.shape(inside, colour, (min(xs), min(ys), max(xs), max(ys)))

    def line(self, ax, ay, bx, by, width, colour):
        def inside(x, y):
            dx, dy = bx - ax, by - ay
            t = max(0, min(1, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy or 1)))
            return (x - ax - t * dx) ** 2 + (y - ay - t * dy) ** 2 <= (width / 2) ** 2
        pad = width
        self.shape(inside, colour, (min(ax, bx) - pad, min(ay, by) - pad, max(ax, bx) + pad, max(ay, by) + pad))

    def text(self, x, y, text, scale, colour):
        for ch in text.upper():
            rows = FONT[ch].split()
            for j, row in enumerate(rows):
                for i, bit in enumerate(row):
                    if bit == '1':
                        self.rect(x + i * scale, y + j * scale, x + (i + 1) * scale, y + (j + 1) * scale, colour)
            x += 6 * scale
        return x

    @staticmethod
    def text_width(text, scale):
        return len(text) * 6 * scale - scale

    def png(self):
        raw = b''.join(b'\0' + bytes(v for p in self.px[y * self.width:(y + 1) * self.width] for v in p)
                       for y in range(self.height))

        def chunk(kind, data):
            body = kind + data
            return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body) & 0xFFFFFFFF)
        header = struct.pack('>IIBBBBB', self.width, self.height, 8, 6, 0, 0, 0)
        return b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b'')

    def ico_image(self):
        """One 32-bit icon image: BITMAPINFOHEADER, bottom-up BGRA rows, AND mask."""
        w, h = self.width, self.height
        header = struct.pack('<IiiHHIIiiII', 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
        colour = b''.join(bytes((p[2], p[1], p[0], p[3])) for y in reversed(range(h))
                          for p in self.px[y * w:(y + 1) * w])
        stride = ((w + 31) // 32) * 4
        mask = bytearray()
        for y in reversed(range(h)):
            row = bytearray(stride)
            for x in range(w):
                if self.px[y * w + x][3] < 128:
                    row[x // 8] |= 0x80 >> (x % 8)
            mask += row
        return header + colour + bytes(mask)


def ico(images):
    """A .ico file of the canvases (largest first)."""
    data = [img.ico_image() for img in images]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for img, blob in zip(images, data):
        out += struct.pack('<BBBBHHII', img.width % 256, img.height % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    return out + b''.join(data)
