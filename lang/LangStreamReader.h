// Little-endian values and counted texts read from the localisation's binary streams.
#pragma once

#include <cstdint>

#include "classlib/Streams.h"

// Every read raises the stream read error when the stream ends early.
class TLangStreamReader {
public:
    explicit TLangStreamReader(TStream* stream) : FStream(stream) {}

    uint8_t ReadByte();
    uint16_t ReadWord();
    int32_t ReadInteger();
    // A 32-bit count of entries; a negative one, or one larger than the bytes
    // left, is refused before anybody allocates or loops on it.
    int32_t ReadCount();
    // 16-bit length, then that many bytes.
    AnsiString ReadAnsi();
    // 16-bit length in UTF-16 units, then that many little-endian units.
    WideString ReadWide();

private:
    TStream* FStream;
};
