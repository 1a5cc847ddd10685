#!/usr/bin/env python3
"""Writes the outside reference data of the Unicode tests: codec vectors made
by Python's own codecs, text files in several encodings, and a folder whose
listing (as os.scandir sees it) the wide file search must agree with.

Usage: make_vectors.py HEADER DATA_DIR
"""
import os
import random
import shutil
import sys
import time

FIXED_TZ = "JST-9"  # no daylight saving, so both sides agree on every date

header_path, data_dir = sys.argv[1], sys.argv[2]
rng = random.Random(20240611)


def units(text):
    raw = text.encode("utf-16-le", "surrogatepass")
    return [int.from_bytes(raw[i:i + 2], "little") for i in range(0, len(raw), 2)]


def wide_literal(text):
    return 'L"' + "".join("\\x%04X" % u for u in units(text)) + '"'


def wide_entry(text):
    return "WideString(%s, %d)" % (wide_literal(text), len(units(text)))


def bytes_entry(data):
    return 'AnsiString("' + "".join("\\x%02X" % b for b in data) + '", %d)' % len(data)


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def random_text(length, planes):
    chars = []
    while len(chars) < length:
        plane = rng.choice(planes)
        c = rng.randint(*plane)
        if 0xD800 <= c <= 0xDFFF:
            continue
        chars.append(chr(c))
    return "".join(chars)


BMP = [(0x20, 0x7E), (0x80, 0x7FF), (0x800, 0xD7FF), (0xE000, 0xFFFF)]
ALL = BMP + [(0x10000, 0x10FFFF)]
SAMPLES = [
    "", "A", "plain ASCII text", "\x00\x01\x7f", "\x80\u07ff\u0800\uffff", "\U00010000\U0010ffff",
    "Žluťoučký kůň úpěl ďábelské ódy", "Привіт, світе! Ґанок і їжак", "日本語のテキスト", "smile \U0001F600 done",
    "Hi Mom -\u263a-!", "A\u2262\u0391.", "Item 3 is \u00a31.", "a+b-c", "+", "++--", "~\\",
    "tab\tcr\rlf\nspace end", "1 + 1 = 2", "x-", "\u00e9", "\u00e9-", "\u00e9.", "\u00e9a",
]
SAMPLES += [random_text(rng.randint(1, 40), BMP) for _ in range(60)]
SAMPLES += [random_text(rng.randint(1, 40), ALL) for _ in range(60)]
SAMPLES += ["".join(rng.choice("ab+-./ \u00e9\u20ac~!\r\n") for _ in range(rng.randint(1, 30))) for _ in range(60)]

lines = []
out = lines.append
out("// Written by make_vectors.py from Python's codecs; do not edit.")
out("#pragma once")
out("#include <vector>")
out('#include "classlib/System.h"')
out("struct TCodecVector { WideString Text; AnsiString Bytes; };")
out("")

# UTF-8: our encoder writes every UTF-16 unit on its own (the surrogatepass form);
# Python's standard form must decode to the same units.
out("inline const std::vector<TCodecVector> Utf8Encoded = {")
for s in SAMPLES:
    cesu = "".join(chr(u) for u in units(s)).encode("utf-8", "surrogatepass")
    out("    {%s, %s}," % (wide_entry(s), bytes_entry(cesu)))
out("};")
out("inline const std::vector<TCodecVector> Utf8Standard = {")
for s in SAMPLES:
    out("    {%s, %s}," % (wide_entry(s), bytes_entry(s.encode("utf-8"))))
out("};")

invalid_utf8 = [b"A\xc3", b"\xc0\xaf", b"\xc0\x80", b"\xc1\xbf", b"\xe0\x80\xaf", b"\xe0\x9f\xbf",
                b"\xf0\x80\x80\xaf", b"\xf0\x8f\xbf\xbf", b"\xf4\x90\x80\x80", b"\xf5\x80\x80\x80", b"\xff",
                b"\xfe", b"\x80", b"\xbf", b"ok\xc3(", b"\xe2\x82", b"\xe2\x28\xa1", b"\xf0\x9f\x98",
                b"\xf0\x9f\x98\x41", b"abc\xed\xa0"]
while len(invalid_utf8) < 80:
    candidate = bytes(rng.randint(0x80, 0xFF) if rng.random() < 0.5 else rng.randint(0x20, 0x7E)
                      for _ in range(rng.randint(1, 12)))
    try:
        candidate.decode("utf-8", "surrogatepass")
    except UnicodeDecodeError:
        invalid_utf8.append(candidate)
out("inline const std::vector<AnsiString> Utf8Invalid = {")
for b in invalid_utf8:
    try:
        b.decode("utf-8", "surrogatepass")
        raise SystemExit("not invalid UTF-8: %r" % b)
    except UnicodeDecodeError:
        pass
    out("    %s," % bytes_entry(b))
out("};")

# UTF-7: Python closes a run at the end of the text with '-', ours does not;
# encoding the text followed by '.' (which closes a run without '-') and
# dropping the '.' gives what ours writes.
out("inline const std::vector<TCodecVector> Utf7Ours = {")
for s in SAMPLES:
    ours = (s + ".").encode("utf-7")[:-1]
    out("    {%s, %s}," % (wide_entry(s), bytes_entry(ours)))
out("};")
out("inline const std::vector<TCodecVector> Utf7Python = {")
for s in SAMPLES:
    out("    {%s, %s}," % (wide_entry(s), bytes_entry(s.encode("utf-7"))))
out("};")
invalid_utf7 = [b"+.", b"+A-", b"+AOl-", b"\xe9", b"a\x80b", b"+AOk\xe9", b"x+!"]
out("inline const std::vector<AnsiString> Utf7Invalid = {")
for b in invalid_utf7:
    try:
        b.decode("utf-7")
        raise SystemExit("not invalid UTF-7: %r" % b)
    except UnicodeDecodeError:
        pass
    out("    %s," % bytes_entry(b))
out("};")

# The single-byte code pages, byte by byte, where Python's table defines the byte.
out("struct TCodePageByte { unsigned CodePage; unsigned char Byte; wchar_t Char; };")
out("inline const std::vector<TCodePageByte> CodePageBytes = {")
for cp in (1250, 1251, 1252):
    for b in range(256):
        try:
            c = bytes([b]).decode("cp%d" % cp)
        except UnicodeDecodeError:
            continue
        out("    {%d, 0x%02X, 0x%04X}," % (cp, b, ord(c)))
out("};")

# Text files as other programs write them.
os.makedirs(data_dir, exist_ok=True)
czech = ["Příliš žluťoučký kůň", "úpěl ďábelské ódy", "", "ASCII line"]
mixed = czech + ["Привіт, світе", "日本語", "smile \U0001F600"]
text_files = [
    ("utf16le.txt", b"\xff\xfe" + "\r\n".join(mixed).encode("utf-16-le"), mixed, 1),
    ("utf16be.txt", b"\xfe\xff" + "\r\n".join(mixed).encode("utf-16-be"), mixed, 2),
    ("utf8.txt", "\n".join(mixed).encode("utf-8-sig"), mixed, 3),
    ("cp1250.txt", ("\r\n".join(czech) + "\r\n").encode("cp1250"), czech, 0),
]
out("struct TTextFile { WideString Path; std::vector<WideString> Lines; int CharSet; };")
out("inline const std::vector<TTextFile> TextFiles = {")
for name, data, text_lines, charset in text_files:
    path = os.path.join(data_dir, name)
    with open(path, "wb") as f:
        f.write(data)
    entries = ", ".join(wide_entry(line) for line in text_lines)
    out("    {%s, {%s}, %d}," % (wide_literal(windows_path(path)), entries, charset))
out("};")

# A folder for the wide file search, listed as the Linux side sees it.
find_dir = os.path.join(data_dir, "find")
shutil.rmtree(find_dir, ignore_errors=True)
os.makedirs(find_dir)
entries = [("soubor.txt", 10, 1_500_000_001), ("žluťoučký kůň.txt", 1234, 1_600_000_003),
           ("Привіт світ.dat", 0, 1_650_000_005), ("Ґанок", None, 1_700_000_007), ("složka", None, 1_262_304_001)]
for name, size, _ in entries:
    path = os.path.join(find_dir, name)
    if size is None:
        os.mkdir(path)
    else:
        with open(path, "wb") as f:
            f.write(bytes(rng.randint(0, 255) for _ in range(size)))
for name, _, mtime in entries:
    os.utime(os.path.join(find_dir, name), (mtime, mtime))

os.environ["TZ"] = FIXED_TZ
time.tzset()


def dos_date_time(stamp):
    t = time.localtime(int(stamp))
    date = ((t.tm_year - 1980) << 9) | (t.tm_mon << 5) | t.tm_mday
    clock = (t.tm_hour << 11) | (t.tm_min << 5) | (t.tm_sec // 2)
    return (date << 16) | clock


out("inline const char* const FindFixtureTimeZone = \"%s\";" % FIXED_TZ)
out("inline const WideString FindFixtureFolder = %s;" % wide_literal(windows_path(find_dir)))
out("struct TListedFile { WideString Name; long long Size; bool Directory; unsigned WriteTime; };")
out("inline const std::vector<TListedFile> FindFixtureListing = {")
with os.scandir(find_dir) as it:
    for entry in sorted(it, key=lambda e: e.name):
        st = entry.stat()
        is_dir = entry.is_dir()
        out("    {%s, %d, %s, 0x%08X}," % (wide_entry(entry.name), 0 if is_dir else st.st_size,
                                          "true" if is_dir else "false", dos_date_time(st.st_mtime)))
out("};")

with open(header_path, "w", encoding="ascii") as f:
    f.write("\n".join(lines) + "\n")
