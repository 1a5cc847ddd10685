"""Sample files and their checksums as the update control files state them,
computed here from zlib's CRC-32 step: each step's result is added to the
running value instead of replacing it. Also the byte sum and the size."""
import os
import random
import sys
import zlib

MASK = 0xFFFFFFFF


def checksum(data):
    crc = MASK
    for b in data:
        # zlib.crc32(byte, v) is ~step(byte, ~v): one reflected CRC-32 step.
        step = ~zlib.crc32(bytes([b]), ~crc & MASK) & MASK
        crc = (crc + step) & MASK
    value = ~crc & MASK
    return value - (1 << 32) if value >= 1 << 31 else value


def signed(value):
    value &= MASK
    return value - (1 << 32) if value >= 1 << 31 else value


def main():
    header, folder = sys.argv[1], sys.argv[2]
    os.makedirs(folder, exist_ok=True)
    rng = random.Random(25)
    samples = {
        "empty.bin": b"",
        "abc.txt": b"abc",
        "block-1.bin": bytes(rng.randrange(256) for _ in range(4095)),
        "block.bin": bytes(rng.randrange(256) for _ in range(4096)),
        "block+1.bin": bytes(rng.randrange(256) for _ in range(4097)),
        "high.bin": bytes([0xFF] * 9000),
        "random.bin": bytes(rng.randrange(256) for _ in range(100000)),
    }
    lines = ["// Written by make_checksums.py: sample files with their checksum, byte sum and size.",
             "#pragma once", "#include <cstdint>",
             "struct TChecksumSample { const char* Name; int32_t Checksum; int32_t ByteSum; int32_t Size; };",
             "inline const char* const ChecksumFolder = \"%s\";" % folder,
             "inline const TChecksumSample ChecksumSamples[] = {"]
    for name, data in samples.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)
        lines.append('    {"%s", %d, %d, %d},' % (name, checksum(data), signed(MASK + sum(data)), len(data)))
    lines.append("};")
    with open(header, "w") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
