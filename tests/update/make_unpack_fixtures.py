#!/usr/bin/env python3
"""Writes the unpacking tests' files: cabinets made by gcab (stored and
MSZIP, with sub-folders and set dates), cabinets of our own writing whose
entries try to leave the destination, files that are no cabinet, "SZDD"
files made by mscompress, and a header naming them all (Windows paths) with
what the tests must get back. Every gcab and mscompress result is checked
against cabextract and msexpand first.

Usage: make_unpack_fixtures.py HEADER DATA_DIR PACK_SCRIPT HELPER PACKED_HELPER DUMMY
"""
import calendar
import filecmp
import os
import random
import shutil
import struct
import subprocess
import sys

header_path, data_dir, pack_script, helper, packed_helper, dummy = sys.argv[1:7]
shutil.rmtree(data_dir, ignore_errors=True)
os.makedirs(data_dir)
rng = random.Random(26)


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def c_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def story(size):
    words = "the quick brown fox jumps over a lazy dog while seven wizards box nightly".split()
    text = " ".join(rng.choice(words) for _ in range(size // 4))
    return text.encode("ascii")[:size]


# --- cabinets by gcab: sub-folders, dates (even seconds: DOS times count in twos) ---

tree = os.path.join(data_dir, "tree")
TREE = [
    ("readme.txt", story(300), (2019, 7, 15, 13, 45, 30)),
    ("sub\\notes.txt", story(2000), (2004, 2, 29, 23, 59, 58)),
    ("sub\\deeper\\blob.bin", bytes(rng.getrandbits(8) for _ in range(70000)) + story(30000), (1999, 12, 31, 6, 7, 10)),
]
for name, data, when in TREE:
    path = os.path.join(tree, *name.split("\\"))
    write(path, data)
    stamp = calendar.timegm(when + (0, 0, 0))
    os.utime(path, (stamp, stamp))


def stored_dates(cab):
    """name -> (year, month, day, hour, minute, second) as the cabinet's CFFILE records hold them."""
    with open(cab, "rb") as f:
        data = f.read()
    files_offset, = struct.unpack_from("<I", data, 16)
    count, = struct.unpack_from("<H", data, 28)
    dates, pos = {}, files_offset
    for _ in range(count):
        _, _, _, date, time, _ = struct.unpack_from("<IIHHHH", data, pos)
        end = data.index(b"\0", pos + 16)
        name = data[pos + 16:end].decode("ascii")
        dates[name] = (1980 + (date >> 9), (date >> 5) & 15, date & 31, time >> 11, (time >> 5) & 63, (time & 31) * 2)
        pos = end + 1
    return dates


def check_with_cabextract(cab):
    out = cab + ".cabextract"
    subprocess.run(["cabextract", "-q", "-d", out, cab], check=True)
    for name, _, _ in TREE:
        if not filecmp.cmp(os.path.join(out, *name.split("\\")), os.path.join(tree, *name.split("\\")), shallow=False):
            sys.exit("make_unpack_fixtures.py: cabextract does not give back " + name)
    shutil.rmtree(out)


gcab_env = dict(os.environ, TZ="UTC")  # gcab stores the local time of the file dates
cabinets = {}
for kind, flags in (("stored", "-c"), ("mszip", "-cz")):
    cab = os.path.join(data_dir, kind + ".cab")
    subprocess.run(["gcab", flags, cab] + [name.replace("\\", "/") for name, _, _ in TREE], cwd=tree, env=gcab_env,
                   check=True)
    if stored_dates(cab) != {name: when for name, _, when in TREE}:
        sys.exit("make_unpack_fixtures.py: gcab stored other dates than set: %r" % stored_dates(cab))
    check_with_cabextract(cab)
    cabinets[kind] = cab


# --- cabinets of our own: one stored folder, entries named as given ---

def dos_date_time(when):
    year, month, day, hour, minute, second = when
    return (year - 1980) << 9 | month << 5 | day, hour << 11 | minute << 5 | second // 2


def write_cabinet(path, entries):
    """entries: (name, data); no compression, no checksums."""
    blob = b"".join(data for _, data in entries)
    blocks = [blob[i:i + 32768] for i in range(0, len(blob), 32768)] or [b""]
    date, time = dos_date_time((2020, 1, 2, 3, 4, 6))
    records, offset = b"", 0
    for name, data in entries:
        records += struct.pack("<IIHHHH", len(data), offset, 0, date, time, 0x20) + name.encode("ascii") + b"\0"
        offset += len(data)
    files_offset = 36 + 8
    data_offset = files_offset + len(records)
    data = b"".join(struct.pack("<IHH", 0, len(b), len(b)) + b for b in blocks)
    total = data_offset + len(data)
    head = struct.pack("<4sIIIIIBBHHHHH", b"MSCF", 0, total, 0, files_offset, 0, 3, 1, 1, len(entries), 0, 26, 0)
    folder = struct.pack("<IHH", data_offset, len(blocks), 0)
    write(path, head + folder + records + data)
    subprocess.run(["cabextract", "-q", "-l", path], check=True, stdout=subprocess.DEVNULL)


# Each tries one way out between two harmless files.
ESCAPES = ["..\\evil-parent.txt", "../evil-slash.txt", "sub\\..\\..\\evil-deep.txt", "C:\\evil-drive.txt",
           "\\evil-rooted.txt", "C:evil-relative.txt", "..\\..\\..\\..\\..\\..\\..\\..\\..\\..\\evil-far.txt",
           "sub\\... \\evil-dots.txt"]
escapes = []
for n, name in enumerate(ESCAPES):
    cab = os.path.join(data_dir, "escape%d.cab" % n)
    write_cabinet(cab, [("first.txt", b"first"), (name, b"evil"), ("after.txt", b"after")])
    escapes.append((cab, name))

# Names that only look odd stay inside.
inside = os.path.join(data_dir, "inside.cab")
INSIDE = [("a..b.txt", b"one"), ("sub\\.\\c.txt", b"two"), ("sub\\..x\\d.txt", b"three")]
write_cabinet(inside, INSIDE)

not_a_cab = os.path.join(data_dir, "notacab.cab")
write(not_a_cab, b"MSCF is where a cabinet starts, but this is plain text.\r\n" * 20)
cut_cab = os.path.join(data_dir, "cut.cab")
with open(cabinets["mszip"], "rb") as f:
    write(cut_cab, f.read()[:20000])


# --- SZDD files by mscompress ---

szdd_dir = os.path.join(data_dir, "szdd")
SZDD = [("story.txt", story(40000)), ("noise.bin", bytes(rng.getrandbits(8) for _ in range(5000)))]
szdd = []
for name, data in SZDD:
    original = os.path.join(szdd_dir, "original", name)
    write(original, data)
    packed = os.path.join(szdd_dir, name[:-1] + "_")
    subprocess.run([sys.executable, pack_script, original, packed], check=True)
    expanded = subprocess.run(["msexpand"], stdin=open(packed, "rb"), stdout=subprocess.PIPE, check=True).stdout
    if expanded != data:
        sys.exit("make_unpack_fixtures.py: msexpand does not give back " + name)
    szdd.append((packed, name, original))

with open(os.path.join(szdd_dir, "story.tx_"), "rb") as f:
    story_packed = f.read()
# Packed, but under a name that expands to itself.
self_named = os.path.join(szdd_dir, "selfnamed.txt")
write(self_named, story_packed)
cut_szdd = os.path.join(szdd_dir, "cut.tx_")
write(cut_szdd, story_packed[:len(story_packed) // 2])


with open(header_path, "w", encoding="ascii") as f:
    f.write("// Made by make_unpack_fixtures.py.\n#pragma once\n\n")
    f.write("struct TCabEntry {\n    const char* Name;    // as stored\n    const char* Source;  // the original\n"
            "    int Year, Month, Day, Hour, Minute, Second;  // stored date and time\n};\n\n")
    f.write("inline const TCabEntry CabEntries[] = {\n")
    for name, _, when in TREE:
        f.write("    {%s, %s, %d, %d, %d, %d, %d, %d},\n" % ((c_string(name), c_string(windows_path(
            os.path.join(tree, *name.split("\\"))))) + when))
    f.write("};\n\n")
    f.write("inline const char StoredCab[] = %s;\n" % c_string(windows_path(cabinets["stored"])))
    f.write("inline const char MszipCab[] = %s;\n" % c_string(windows_path(cabinets["mszip"])))
    f.write("inline const char NotACab[] = %s;\n" % c_string(windows_path(not_a_cab)))
    f.write("inline const char CutCab[] = %s;\n\n" % c_string(windows_path(cut_cab)))
    f.write("struct TEscapeCab {\n    const char* Cab;\n    const char* Name;  // the entry that tries to leave\n};\n\n")
    f.write("inline const TEscapeCab EscapeCabs[] = {\n%s\n};\n\n" % "\n".join(
        "    {%s, %s}," % (c_string(windows_path(cab)), c_string(name)) for cab, name in escapes))
    f.write("struct TInsideEntry {\n    const char* Name;\n    const char* Bytes;\n};\n\n")
    f.write("inline const char InsideCab[] = %s;\n" % c_string(windows_path(inside)))
    f.write("inline const TInsideEntry InsideEntries[] = {\n%s\n};\n\n" % "\n".join(
        "    {%s, %s}," % (c_string(name), c_string(data.decode("ascii"))) for name, data in INSIDE))
    f.write("struct TSzddFile {\n    const char* Packed;\n    const char* ExpandedName;\n    const char* Original;\n};\n\n")
    f.write("inline const TSzddFile SzddFiles[] = {\n%s\n};\n\n" % "\n".join(
        "    {%s, %s, %s}," % (c_string(windows_path(p)), c_string(n), c_string(windows_path(o))) for p, n, o in szdd))
    f.write("inline const char SzddSelfNamed[] = %s;\n" % c_string(windows_path(self_named)))
    f.write("inline const char SzddCut[] = %s;\n\n" % c_string(windows_path(cut_szdd)))
    f.write("inline const char HelperExe[] = %s;\n" % c_string(windows_path(helper)))
    f.write("inline const char PackedHelper[] = %s;\n" % c_string(windows_path(packed_helper)))
    f.write("inline const char RestartDummy[] = %s;\n" % c_string(windows_path(dummy)))
