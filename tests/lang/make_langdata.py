#!/usr/bin/env python3
"""Writes language files of the same texts in every encoding a language file
may come in, each encoded by Python's own codecs, and a header naming them
with the texts the reader must get back.

Usage: make_langdata.py HEADER DATA_DIR SHIPPED_LANGUAGES_DIR
"""
import os
import sys

header_path, data_dir, shipped_dir = sys.argv[1:4]
os.makedirs(data_dir, exist_ok=True)

# (prefix, LANGID or None, 8-bit code page, texts: constant 1, constant 2 (escaped), caption)
SAMPLES = [
    ("cs", 1029, "cp1250", ["Žluťoučký kůň úpěl ďábelské ódy", "Řádek jedna\\nŘádek dvě", "Soubor ěščřžýáíé"]),
    ("hu", 1038, "cp1250", ["Árvíztűrő tükörfúrógép", "Első sor\\nMásodik sor", "Fájl őű"]),
    ("uk", 1058, "cp1251", ["Привіт, світе! Ґанок і їжак", "Рядок один\\nРядок два", "Файл єї"]),
    ("de", None, "cp1252", ["Größe über Äpfel", "Zeile eins\\nZeile zwei", "Datei ß"]),
]
ENCODINGS = [("utf16le", "utf-16-le", b"\xff\xfe"), ("utf16be", "utf-16-be", b"\xfe\xff"),
             ("utf8", "utf-8", b"\xef\xbb\xbf")]


def file_text(langid, texts):
    # LANGID on the very first line: right behind the byte-order mark.
    lines = [] if langid is None else ["LANGID=%d" % langid]
    lines += ["; sample", "", "[$CONSTANTS]", "sOne=" + texts[0], "sTwo=" + texts[1], "", "[frmMain]", "00000001=" + texts[2]]
    return "\r\n".join(lines) + "\r\n"


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def wide_literal(text):
    raw = text.encode("utf-16-le")
    return 'L"' + "".join("\\x%04X" % int.from_bytes(raw[i:i + 2], "little") for i in range(0, len(raw), 2)) + '"'


entries = []
for prefix, langid, codepage, texts in SAMPLES:
    text = file_text(langid, texts)
    variants = [(name, mark + text.encode(codec)) for name, codec, mark in ENCODINGS]
    variants.append((codepage, text.encode(codepage)))
    expected = [texts[0], texts[1].replace("\\n", "\r\n"), texts[2]]
    for name, data in variants:
        path = os.path.join(data_dir, "%s-%s.lng" % (prefix, name))
        with open(path, "wb") as f:
            f.write(data)
        entries.append("    {%s, %d, %s, %s, %s}," % (wide_literal(windows_path(path)), langid or 0, wide_literal(expected[0]),
                                                   wide_literal(expected[1]), wide_literal(expected[2])))

with open(header_path, "w", encoding="ascii") as f:
    f.write("// Made by make_langdata.py.\n#pragma once\n\n")
    f.write("struct TLangSample {\n    const wchar_t* File;\n    int LangID;  // 0: the file has none\n    const wchar_t* One;\n"
            "    const wchar_t* Two;\n    const wchar_t* Caption;\n};\n\n")
    f.write("inline const TLangSample LangSamples[] = {\n%s\n};\n\n" % "\n".join(entries))
    f.write("inline const wchar_t ShippedLanguagesDir[] = %s;\n" % wide_literal(windows_path(shipped_dir)))
