"""Writes the language tunes: short Standard MIDI files, one melody each.

Usage: make_tunes.py <output folder>
"""
import os
import struct
import sys

TICKS_PER_BEAT = 96

# Each tune: (tempo in beats per minute, General MIDI program, melody), the melody
# as (note, beats) pairs with None for a rest. Middle C is 60.
TUNES = {
    'us': (112, 56, [(67, 0.5), (67, 0.5), (72, 1), (72, 1), (76, 1), (74, 0.5), (72, 0.5), (74, 2),
                     (76, 0.5), (77, 0.5), (79, 1), (76, 1), (72, 1), (74, 1), (72, 2)]),
    'cz': (96, 71, [(62, 1), (66, 0.5), (69, 0.5), (69, 1), (67, 1), (66, 0.5), (64, 0.5), (62, 1),
                    (64, 1), (66, 1), (62, 2)]),
    'de': (84, 68, [(65, 1.5), (67, 0.5), (69, 1), (70, 1), (72, 2), (70, 1), (69, 1), (67, 1),
                    (65, 1), (67, 1), (65, 2)]),
    'uk': (100, 0, [(69, 1), (71, 0.5), (72, 0.5), (74, 1), (72, 1), (71, 1), (69, 1), (68, 1), (None, 0.5),
                    (64, 0.5), (69, 1), (71, 1), (69, 2)]),
    'en': (104, 73, [(72, 1), (71, 1), (69, 1), (67, 1), (65, 0.5), (67, 0.5), (69, 1), (64, 2),
                     (65, 1), (62, 1), (60, 2)]),
}


def variable_length(value):
    """A MIDI variable-length quantity: seven bits a byte, high bit on all but the last."""
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.insert(0, 0x80 | (value & 0x7F))
        value >>= 7
    return bytes(out)


def track(tempo, program, melody):
    events = bytearray()
    events += variable_length(0) + b'\xFF\x51\x03' + struct.pack('>I', 60_000_000 // tempo)[1:]
    events += variable_length(0) + b'\xFF\x58\x04\x04\x02\x18\x08'
    events += variable_length(0) + bytes((0xC0, program))
    wait = 0
    for note, beats in melody:
        ticks = round(beats * TICKS_PER_BEAT)
        if note is None:
            wait += ticks
            continue
        # A short gap before each note's end keeps repeated notes apart.
        held = ticks - TICKS_PER_BEAT // 16
        events += variable_length(wait) + bytes((0x90, note, 96))
        events += variable_length(held) + bytes((0x80, note, 64))
        wait = ticks - held
    events += variable_length(wait) + b'\xFF\x2F\x00'
    return b'MTrk' + struct.pack('>I', len(events)) + bytes(events)


def midi_file(tempo, program, melody):
    header = b'MThd' + struct.pack('>IHHH', 6, 0, 1, TICKS_PER_BEAT)
    return header + track(tempo, program, melody)


def main(folder):
    os.makedirs(folder, exist_ok=True)
    for name, (tempo, program, melody) in TUNES.items():
        with open(os.path.join(folder, name + '.mid'), 'wb') as f:
            f.write(midi_file(tempo, program, melody))


if __name__ == '__main__':
    main(sys.argv[1])
