#!/usr/bin/env python3
"""Compresses a file into the "SZDD" format with mscompress and writes it
under the usual packed name, the last character of the name replaced by "_"
(nusetup.exe -> nusetup.ex_). mscompress leaves the replaced character out
of the header, so it is put into the header here: the platform's expansion
restores the name from it.

Usage: pack_szdd.py SOURCE PACKED
"""
import os
import shutil
import subprocess
import sys
import tempfile

SIGNATURE = b"SZDD\x88\xf0\x27\x33"

source, packed = sys.argv[1:3]
name = os.path.basename(source)
with tempfile.TemporaryDirectory() as work:
    copy = os.path.join(work, name)
    shutil.copyfile(source, copy)
    subprocess.run(["mscompress", copy], check=True)
    with open(copy + "_", "rb") as f:
        data = bytearray(f.read())
if data[:8] != SIGNATURE or data[8:9] != b"A":
    sys.exit("pack_szdd.py: mscompress wrote no SZDD file")
data[9] = ord(name[-1])
with open(packed + ".tmp", "wb") as f:
    f.write(data)
os.replace(packed + ".tmp", packed)
