"""Draws the program's skin: the pictures of images/ and the icons of icons/.

Usage: make_skin.py <program folder> <program icon file>
"""
import os
import sys

from picture import (AMBER, BLUE, DEEP, GREEN, INK, PALE, RED, SKY, WHITE, WINDOW, Canvas, ico)


def tile(c, s, top=SKY, bottom=BLUE):
    """The rounded blue tile every icon stands on."""
    k = s / 32
    grad = Canvas(s, s)
    grad.vertical_gradient(top, bottom)
    c.shape(lambda x, y: True, (0, 0, 0, 0))
    r = 7 * k
    for y in range(s):
        for x in range(s):
            cx = min(max(x + 0.5, 1 + r), s - 1 - r)
            cy = min(max(y + 0.5, 1 + r), s - 1 - r)
            d = ((x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2) ** 0.5
            cover = max(0.0, min(1.0, r - d + 0.5))
            p = grad.px[y * s + x]
            c.blend(x, y, (p[0], p[1], p[2], 255), cover)
    c.rounded(1, 1, s - 1, s * 0.45, r, (255, 255, 255, 40))
    return k


def glyph_home(c, k):
    c.polygon([(16 * k, 6 * k), (27 * k, 16 * k), (5 * k, 16 * k)], WHITE)
    c.rect(round(8 * k), round(15 * k), round(24 * k), round(26 * k), WHITE)
    c.rect(round(14 * k), round(19 * k), round(18 * k), round(26 * k), BLUE)


def glyph_folder(c, k):
    c.rounded(5 * k, 9 * k, 15 * k, 14 * k, 2 * k, PALE)
    c.rounded(5 * k, 12 * k, 27 * k, 25 * k, 2 * k, WHITE)


def glyph_gear(c, k):
    import math
    for i in range(8):
        a = i * math.pi / 4
        c.line(16 * k, 16 * k, (16 + 10 * math.cos(a)) * k, (16 + 10 * math.sin(a)) * k, 4 * k, WHITE)
    c.circle(16 * k, 16 * k, 8 * k, WHITE)
    c.circle(16 * k, 16 * k, 3.5 * k, BLUE)


def glyph_text(text, colour=WHITE):
    def draw(c, k):
        scale = max(1, round(k * (3 if len(text) == 1 else 2)))
        w = Canvas.text_width(text, scale)
        c.text(round((c.width - w) / 2), round((c.height - 7 * scale) / 2), text, scale, colour)
    return draw


def glyph_coin(c, k):
    c.circle(16 * k, 16 * k, 10 * k, AMBER)
    glyph_text('$', WHITE)(c, k)


def glyph_star(c, k):
    import math
    pts = []
    for i in range(10):
        r = (11 if i % 2 == 0 else 4.5) * k
        a = -math.pi / 2 + i * math.pi / 5
        pts.append((16 * k + r * math.cos(a), 17 * k + r * math.sin(a)))
    c.polygon(pts, WHITE)


def glyph_power(c, k):
    c.circle(16 * k, 17 * k, 10 * k, WHITE, hole=7 * k)
    c.rect(round(13 * k), round(4 * k), round(19 * k), round(13 * k), RED)
    c.line(16 * k, 5 * k, 16 * k, 15 * k, 3 * k, WHITE)


def glyph_play(c, k):
    c.polygon([(11 * k, 8 * k), (24 * k, 16 * k), (11 * k, 24 * k)], WHITE)


def glyph_stop(c, k):
    c.rounded(9 * k, 9 * k, 23 * k, 23 * k, 2 * k, WHITE)


def glyph_backup(c, k):
    c.rounded(7 * k, 6 * k, 25 * k, 26 * k, 2 * k, WHITE)
    c.rect(round(11 * k), round(6 * k), round(21 * k), round(13 * k), PALE)
    c.circle(16 * k, 19 * k, 3.5 * k, BLUE)


ICONS = {
    'home': (glyph_home, SKY, BLUE), 'ff': (glyph_folder, SKY, BLUE), 'settings': (glyph_gear, SKY, BLUE),
    'help': (glyph_text('?'), SKY, BLUE), 'info': (glyph_text('I'), SKY, BLUE), 'pp': (glyph_coin, SKY, BLUE),
    'rec': (glyph_star, SKY, BLUE), 'exit': (glyph_power, (0xF2, 0x8B, 0x8B), RED),
    'run': (glyph_play, (0x7C, 0xD3, 0x9E), GREEN), 'unrun': (glyph_stop, (0xF2, 0x8B, 0x8B), RED),
    'persbackup': (glyph_backup, SKY, DEEP), 'brevant': (glyph_text('B'), SKY, DEEP),
    'facebook': (glyph_text('F'), (0x6D, 0x8C, 0xD0), (0x3B, 0x59, 0x98)),
    'myspace': (glyph_text('M'), (0x73, 0x73, 0x73), (0x30, 0x30, 0x30)),
    'twitter': (glyph_text('T'), (0x8F, 0xD4, 0xF7), (0x1D, 0xA1, 0xF2)),
    'linkedin': (glyph_text('IN'), (0x4F, 0x9B, 0xD0), (0x00, 0x77, 0xB5)),
    'pspad': (glyph_text('P'), (0xB5, 0xD9, 0x6E), (0x5C, 0x8E, 0x1F)),
}


def icon(name, size):
    draw, top, bottom = ICONS[name]
    c = Canvas(size, size)
    k = tile(c, size, top, bottom)
    draw(c, k)
    return c


def program_icon(size):
    """The program's own icon: a white document dissolving into blue."""
    c = Canvas(size, size)
    k = tile(c, size, SKY, DEEP)
    c.polygon([(9 * k, 5 * k), (19 * k, 5 * k), (24 * k, 10 * k), (24 * k, 27 * k), (9 * k, 27 * k)], WHITE)
    for i, y in enumerate((13, 17, 21)):
        c.rect(round(12 * k), round(y * k), round((21 - 3 * i) * k), round((y + 2) * k), SKY)
    for x, y, r in ((21, 22, 2.2), (25, 25, 1.6), (27, 20, 1.2)):
        c.circle(x * k, y * k, r * k, PALE)
    return c


def banner(width, height, top=WHITE, bottom=PALE, line_at_top=False):
    c = Canvas(width, height)
    c.vertical_gradient(top, bottom)
    c.rect(0, 0 if line_at_top else height - 2, width, 2 if line_at_top else height, SKY)
    return c


def logo(width, height, text, scale, subtitle=None):
    c = Canvas(width, height)
    size = min(height - 4, 48)
    mark = program_icon(size)
    for y in range(size):
        for x in range(size):
            p = mark.px[y * size + x]
            c.blend(x + 2, y + (height - size) // 2, p, p[3] / 255 if p[3] else 0)
    x = size + 10
    ty = (height - 7 * scale) // 2 - (5 if subtitle else 0)
    c.text(x, ty, text, scale, DEEP)
    if subtitle:
        c.text(x, ty + 7 * scale + 4, subtitle, 1, BLUE)
    return c


def badge(width, height, text, top, bottom, scale=2):
    c = Canvas(width, height)
    grad = Canvas(width, height)
    grad.vertical_gradient(top, bottom)
    c.rounded(0.5, 0.5, width - 0.5, height - 0.5, min(8, height / 3), top)
    for i, p in enumerate(grad.px):
        if c.px[i][3]:
            c.px[i][:3] = p[:3]
    w = Canvas.text_width(text, scale)
    c.text((width - w) // 2, (height - 7 * scale) // 2, text, scale, WHITE)
    return c


def picture_with_glyph(size, name, ring=None):
    """A large round picture for a page: a pale disc with an icon glyph."""
    c = Canvas(size, size)
    c.circle(size / 2, size / 2, size / 2 - 1, ring or PALE)
    c.circle(size / 2, size / 2, size / 2 - 6, WHITE)
    inner = icon(name, size // 2)
    off = size // 4
    for y in range(inner.height):
        for x in range(inner.width):
            p = inner.px[y * inner.width + x]
            c.blend(x + off, y + off, p, p[3] / 255 if p[3] else 0)
    return c


def status_picture(colour, mark):
    c = Canvas(96, 96)
    c.circle(48, 48, 46, colour)
    c.circle(48, 48, 40, WHITE)
    c.circle(48, 48, 36, colour)
    if mark == 'check':
        c.line(30, 50, 43, 63, 8, WHITE)
        c.line(43, 63, 67, 35, 8, WHITE)
    elif mark == 'stop':
        c.rounded(33, 33, 63, 63, 3, WHITE)
    else:
        c.text(48 - 9, 48 - 21, '!', 6, WHITE)
    return c


def flag(stripes, vertical=False, extra=None):
    w, h = 32, 20
    c = Canvas(w, h)
    for i, colour in enumerate(stripes):
        if vertical:
            c.rect(i * w // len(stripes), 0, (i + 1) * w // len(stripes), h, colour)
        else:
            c.rect(0, i * h // len(stripes), w, (i + 1) * h // len(stripes), colour)
    if extra:
        extra(c)
    c.rect(0, 0, w, 1, (0, 0, 0, 60))
    c.rect(0, h - 1, w, h, (0, 0, 0, 60))
    c.rect(0, 0, 1, h, (0, 0, 0, 60))
    c.rect(w - 1, 0, w, h, (0, 0, 0, 60))
    return c


def us_extra(c):
    for i in range(7):
        c.rect(0, i * 20 // 7 + 1, 32, i * 20 // 7 + 2, WHITE) if i % 2 else None
    c.rect(0, 0, 14, 11, (0x3C, 0x3B, 0x6E))
    for y in range(2, 10, 3):
        for x in range(2, 13, 3):
            c.rect(x, y, x + 1, y + 1, WHITE)


def cz_extra(c):
    c.polygon([(0, 0), (16, 10), (0, 20)], (0x11, 0x45, 0x7E))


PICTURES = {
    'top.png': lambda: banner(759, 73),
    'bottom.png': lambda: banner(759, 41, PALE, WHITE, line_at_top=True),
    'variruvu.png': lambda: logo(360, 96, 'VARIRUVU', 5, 'QUON FILE VARIRUVU'),
    'variruvu_a.png': lambda: logo(230, 56, 'VARIRUVU', 3),
    '_fslogo.png': lambda: badge(120, 36, 'BREVANT', SKY, DEEP),
    'settings.png': lambda: picture_with_glyph(96, 'settings'),
    'help.png': lambda: picture_with_glyph(96, 'help'),
    'ff.png': lambda: picture_with_glyph(96, 'ff'),
    'paypal.png': lambda: badge(140, 44, 'PAYPAL', SKY, DEEP),
    'bank_card.png': lambda: badge(140, 44, 'BANK', (0x9E, 0xD8, 0xB4), GREEN),
    'linkedin.png': lambda: badge(120, 36, 'LINKEDIN', (0x4F, 0x9B, 0xD0), (0x00, 0x77, 0xB5)),
    'facebook.png': lambda: badge(120, 36, 'FACEBOOK', (0x6D, 0x8C, 0xD0), (0x3B, 0x59, 0x98)),
    'myspace.png': lambda: badge(120, 36, 'MYSPACE', (0x73, 0x73, 0x73), (0x30, 0x30, 0x30)),
    'twitter.png': lambda: badge(120, 36, 'TWITTER', (0x8F, 0xD4, 0xF7), (0x1D, 0xA1, 0xF2)),
    'pb_button.png': lambda: badge(150, 36, 'BACKUP', SKY, DEEP),
    'pspad_button.png': lambda: badge(150, 36, 'PSPAD', (0xB5, 0xD9, 0x6E), (0x5C, 0x8E, 0x1F)),
    'update.png': lambda: icon('run', 32),
    'mail.png': lambda: badge(40, 28, '@', SKY, BLUE),
    'contact.png': lambda: badge(28, 24, '@', SKY, BLUE),
    'like.png': lambda: badge(28, 24, 'F', (0x6D, 0x8C, 0xD0), (0x3B, 0x59, 0x98)),
    'finish.png': lambda: status_picture(GREEN, 'check'),
    'abort.png': lambda: status_picture(AMBER, 'stop'),
    'warning.png': lambda: status_picture(RED, '!'),
    'us.png': lambda: flag([(0xB2, 0x22, 0x34)], extra=us_extra),
    'cz.png': lambda: flag([WHITE, (0xD7, 0x14, 0x1A)], extra=cz_extra),
    'de.png': lambda: flag([(0, 0, 0), (0xDD, 0, 0), (0xFF, 0xCE, 0)]),
    'hu.png': lambda: flag([(0xCD, 0x2A, 0x3E), WHITE, (0x43, 0x6F, 0x4D)]),
    'uk.png': lambda: flag([(0x00, 0x57, 0xB7), (0xFF, 0xD7, 0x00)]),
}


def write(path, data):
    with open(path, 'wb') as f:
        f.write(data)


def main(folder, program_icon_file):
    os.makedirs(os.path.join(folder, 'images'), exist_ok=True)
    os.makedirs(os.path.join(folder, 'icons'), exist_ok=True)
    for name, make in PICTURES.items():
        write(os.path.join(folder, 'images', name), make().png())
    for name in ICONS:
        write(os.path.join(folder, 'icons', name + '.ico'), ico([icon(name, 32), icon(name, 16)]))
    write(program_icon_file, ico([program_icon(48), program_icon(32), program_icon(16)]))


if __name__ == '__main__':
    main(sys.argv[1], sys.argv[2])
