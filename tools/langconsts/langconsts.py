#!/usr/bin/env python3
"""Builds the binary constant table (version 2) from its readable source and
the resource script that embeds it as LANG_CONSTS.

Source: UTF-8 lines Name=text; blank lines and lines starting with ';' are
skipped; texts use the escapes of language files.

Usage: langconsts.py SOURCE TABLE_OUT RC_OUT
"""
import re
import struct
import sys

IDENT = re.compile(r"[A-Za-z_][A-Za-z0-9_]*\Z")


def unescape(text):
    out = []
    i = 0
    while i < len(text):
        c = text[i]
        nxt = text[i + 1] if i + 1 < len(text) else ""
        if c == "\\" and nxt == "\\":
            out.append("\\"); i += 2
        elif c == "\\" and nxt == "n":
            out.append("\r\n"); i += 2
        elif c == "\\" and nxt == "t":
            out.append("\t"); i += 2
        elif c == "\\" and nxt.isdigit() and nxt.isascii() and text[i + 2:i + 3].isdigit() and text[i + 2:i + 3].isascii():
            out.append(chr(int(text[i + 1:i + 3]))); i += 3
        else:
            out.append(c); i += 1
    return "".join(out)


def read_source(path):
    entries = {}
    with open(path, encoding="utf-8") as f:
        for number, raw in enumerate(f, 1):
            line = raw.strip(" \t\r\n")
            if not line or line.startswith(";"):
                continue
            name, sep, text = line.partition("=")
            name, text = name.strip(), text.strip()
            where = "%s:%d" % (path, number)
            if not sep or not IDENT.match(name):
                sys.exit("%s: expected Name=text with a valid name" % where)
            # Names are unique regardless of ASCII case, as the table compares them.
            if name.upper() in entries:
                sys.exit("%s: duplicate constant name %s" % (where, name))
            entries[name.upper()] = (name, unescape(text))
    return [entries[key] for key in sorted(entries)]


def table_bytes(entries):
    out = bytearray(struct.pack("<BBi", 2, 1, len(entries)))
    for name, text in entries:
        raw_name = name.encode("ascii")
        raw_text = text.encode("utf-16-le")
        if len(raw_name) > 0xFFFF or len(raw_text) // 2 > 0xFFFF:
            sys.exit("constant %s is too long" % name)
        out += struct.pack("<H", len(raw_name)) + raw_name
        out += struct.pack("<H", len(raw_text) // 2) + raw_text
    return bytes(out)


def main():
    source, table_out, rc_out = sys.argv[1:4]
    with open(table_out, "wb") as f:
        f.write(table_bytes(read_source(source)))
    with open(rc_out, "w", encoding="ascii") as f:
        f.write('LANG_CONSTS RCDATA "%s"\n' % table_out.replace("\\", "/"))


main()
