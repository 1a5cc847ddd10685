"""Writes the help project of one language: its topics, contents and chmcmd project.

Usage: make_help.py <language code> <output folder>
"""
import html
import os
import sys

from topics import LANGUAGES, STYLE

LCID = {'en': '0x409 English (United States)', 'de': '0x407 German (Germany)',
        'hu': '0x40e Hungarian', 'uk': '0x422 Ukrainian'}


def page(title, body):
    paragraphs = ''.join('<p>%s</p>\n' % html.escape(p) for p in body)
    return ('<!DOCTYPE html>\n<html><head><meta charset="utf-8"><title>%s</title>\n'
            '<style>%s</style></head>\n<body><h1>%s</h1>\n%s</body></html>\n'
            % (html.escape(title), STYLE, html.escape(title), paragraphs))


def main(code, out):
    text = LANGUAGES[code]
    os.makedirs(out, exist_ok=True)
    names = []
    for name, (title, body) in text['topics'].items():
        names.append(name)
        with open(os.path.join(out, name), 'w', encoding='utf-8') as f:
            f.write(page(title, body))
    items = ''.join('<li><object type="text/sitemap"><param name="Name" value="%s">'
                    '<param name="Local" value="%s"></object>\n'
                    % (html.escape(text['topics'][n][0]), n) for n in names)
    with open(os.path.join(out, 'toc.hhc'), 'w', encoding='utf-8') as f:
        f.write('<html><body><ul>\n%s</ul></body></html>\n' % items)
    with open(os.path.join(out, 'cvhelp.hhp'), 'w', encoding='utf-8') as f:
        f.write('[OPTIONS]\nCompatibility=1.1 or later\nCompiled file=cvhelp-%s.chm\n'
                'Contents file=toc.hhc\nDefault topic=%s\nLanguage=%s\nTitle=%s\n\n[FILES]\n%s\n'
                % (code, names[0], LCID[code], text['title'], '\n'.join(names)))


if __name__ == '__main__':
    main(sys.argv[1], sys.argv[2])
