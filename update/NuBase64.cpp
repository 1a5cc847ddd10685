#include "update/NuBase64.h"

#include <cstdint>

AnsiString Base64Encode(const AnsiString& text)
{
    static const char Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    AnsiString out;
    out.reserve((text.size() + 2) / 3 * 4);
    for (size_t i = 0; i < text.size(); i += 3) {
        const size_t left = text.size() - i;
        uint32_t group = static_cast<uint8_t>(text[i]) << 16;
        if (left > 1)
            group |= static_cast<uint8_t>(text[i + 1]) << 8;
        if (left > 2)
            group |= static_cast<uint8_t>(text[i + 2]);
        out += Alphabet[(group >> 18) & 63];
        out += Alphabet[(group >> 12) & 63];
        out += left > 1 ? Alphabet[(group >> 6) & 63] : '=';
        out += left > 2 ? Alphabet[group & 63] : '=';
    }
    return out;
}
