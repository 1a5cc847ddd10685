#include "unicode/UniSystem.h"

AnsiString EncodeUtf8(const WideString& s)
{
    AnsiString out(s.size() * 3, '\0');
    size_t n = 0;
    for (wchar_t c : s) {
        auto unit = uint16_t(c);
        if (unit < 0x80) {
            out[n++] = char(unit);
        } else if (unit < 0x800) {
            out[n++] = char(0xC0 | (unit >> 6));
            out[n++] = char(0x80 | (unit & 0x3F));
        } else {
            out[n++] = char(0xE0 | (unit >> 12));
            out[n++] = char(0x80 | ((unit >> 6) & 0x3F));
            out[n++] = char(0x80 | (unit & 0x3F));
        }
    }
    out.resize(n);
    return out;
}

namespace {

// A lead byte tells the length of its sequence and the smallest and largest
// value of the byte after it; the limits rule out overlong forms and values
// beyond U+10FFFF. Surrogates in three-byte form are read, as EncodeUtf8 writes them.
struct TLeadByte {
    int Continuations;
    uint8_t Low;
    uint8_t High;
};

bool ClassifyLead(uint8_t b, TLeadByte& lead)
{
    if (b >= 0xC2 && b <= 0xDF)
        lead = {1, 0x80, 0xBF};
    else if (b == 0xE0)
        lead = {2, 0xA0, 0xBF};
    else if (b >= 0xE1 && b <= 0xEF)
        lead = {2, 0x80, 0xBF};
    else if (b == 0xF0)
        lead = {3, 0x90, 0xBF};
    else if (b >= 0xF1 && b <= 0xF3)
        lead = {3, 0x80, 0xBF};
    else if (b == 0xF4)
        lead = {3, 0x80, 0x8F};
    else
        return false;
    return true;
}

}  // namespace

WideString DecodeUtf8(const AnsiString& s)
{
    WideString out(s.size(), L'\0');
    size_t n = 0;
    const auto* p = reinterpret_cast<const uint8_t*>(s.data());
    const uint8_t* end = p + s.size();
    while (p < end) {
        uint8_t b = *p++;
        if (b < 0x80) {
            out[n++] = wchar_t(b);
            continue;
        }
        TLeadByte lead;
        if (!ClassifyLead(b, lead) || end - p < lead.Continuations || p[0] < lead.Low || p[0] > lead.High)
            return {};
        uint32_t value = b & (0x3F >> lead.Continuations);
        for (int i = 0; i < lead.Continuations; ++i, ++p) {
            if ((*p & 0xC0) != 0x80)
                return {};
            value = (value << 6) | (*p & 0x3F);
        }
        if (value > 0xFFFF) {
            value -= 0x10000;
            out[n++] = wchar_t(0xD800 | (value >> 10));
            out[n++] = wchar_t(0xDC00 | (value & 0x3FF));
        } else {
            out[n++] = wchar_t(value);
        }
    }
    out.resize(n);
    return out;
}
