"""Draws the pictures the splash window and the licence viewer carry in their
form descriptions, and writes them in as the pictures' Picture.Data.

Run by hand after a change to a picture here: form_pictures.py <forms folder>
"""
import os
import struct
import sys

from make_skin import badge, banner, program_icon
from picture import DEEP, BLUE, PALE, WHITE, Canvas


def logo_picture(size):
    """The program's logo: its icon, drawn at the picture's size."""
    return program_icon(size)


def title_picture(width, height):
    c = Canvas(width, height)
    c.text(4, 6, 'VARIRUVU', 4, DEEP)
    c.text(5, 6 + 7 * 4 + 6, 'QUON FILE VARIRUVU', 1, BLUE)
    return c


# (form file, component) -> picture
PICTURES = {
    ('splashdlg.form', 'ImageTop'): lambda: banner(16, 41),
    ('splashdlg.form', 'splsscrlogoimg'): lambda: logo_picture(100),
    ('splashdlg.form', 'Image1'): lambda: title_picture(215, 50),
    ('splashdlg.form', 'ImageBottom'): lambda: banner(16, 41, PALE, WHITE, line_at_top=True),
    ('licensedlg.form', 'Image1'): lambda: logo_picture(64),
    ('licensedlg.form', 'Image2'): lambda: badge(100, 36, 'BREVANT', (0x7F, 0xB9, 0xEE), DEEP),
}


def picture_data(png):
    """A picture's Data: the length of its graphic class's name, the name, the file's bytes."""
    name = b'TPngImage'
    return struct.pack('B', len(name)) + name + png


def data_lines(indent, data):
    lines = [indent + 'Picture.Data = {']
    for row in range(0, len(data), 32):
        lines.append(indent + '  ' + data[row:row + 32].hex().upper())
    lines[-1] += '}'
    return lines


def set_picture(lines, component, data):
    start = next(i for i, line in enumerate(lines) if line.strip().startswith('object ' + component + ':'))
    indent = ' ' * (len(lines[start]) - len(lines[start].lstrip()) + 2)
    at = start + 1
    # The properties end where the first nested object or the object's end begins.
    while not (lines[at].startswith(indent + 'object ') or lines[at] == indent[:-2] + 'end'):
        if lines[at] == indent + 'Picture.Data = {':
            end = at
            while not lines[end].endswith('}'):
                end += 1
            del lines[at:end + 1]
            continue
        at += 1
    lines[at:at] = data_lines(indent, data)


def main(folder):
    forms = {}
    for (form, component), make in PICTURES.items():
        path = os.path.join(folder, form)
        if path not in forms:
            with open(path, newline='') as f:
                forms[path] = f.read().split('\n')
        set_picture(forms[path], component, picture_data(make().png()))
    for path, lines in forms.items():
        with open(path, 'w', newline='') as f:
            f.write('\n'.join(lines))


if __name__ == '__main__':
    main(sys.argv[1])
