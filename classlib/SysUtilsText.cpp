#include "classlib/SysUtils.h"

#include <algorithm>

namespace {

char UpAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

char LowAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

template <class S>
size_t FirstKept(const S& s)
{
    size_t i = 0;
    while (i < s.size() && static_cast<unsigned>(s[i]) <= 32)
        ++i;
    return i;
}

template <class S>
size_t EndKept(const S& s)
{
    size_t n = s.size();
    while (n > 0 && static_cast<unsigned>(s[n - 1]) <= 32)
        --n;
    return n;
}

template <class S>
S TrimBoth(const S& s)
{
    size_t end = EndKept(s);
    size_t begin = end == 0 ? 0 : FirstKept(s);
    return s.substr(begin, end - begin);
}

}  // namespace

int CompareText(const AnsiString& a, const AnsiString& b)
{
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        int ca = static_cast<unsigned char>(UpAscii(a[i]));
        int cb = static_cast<unsigned char>(UpAscii(b[i]));
        if (ca != cb)
            return ca - cb;
    }
    return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

bool SameText(const AnsiString& a, const AnsiString& b)
{
    return a.size() == b.size() && CompareText(a, b) == 0;
}

int CompareStr(const AnsiString& a, const AnsiString& b)
{
    int c = a.compare(b);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

AnsiString UpperCase(const AnsiString& s)
{
    AnsiString out(s);
    for (char& c : out)
        c = UpAscii(c);
    return out;
}

AnsiString LowerCase(const AnsiString& s)
{
    AnsiString out(s);
    for (char& c : out)
        c = LowAscii(c);
    return out;
}

AnsiString Trim(const AnsiString& s)
{
    return TrimBoth(s);
}

AnsiString TrimLeft(const AnsiString& s)
{
    return s.substr(FirstKept(s));
}

AnsiString TrimRight(const AnsiString& s)
{
    return s.substr(0, EndKept(s));
}

WideString Trim(const WideString& s)
{
    return TrimBoth(s);
}

WideString TrimLeft(const WideString& s)
{
    return s.substr(FirstKept(s));
}

WideString TrimRight(const WideString& s)
{
    return s.substr(0, EndKept(s));
}

AnsiString IntToStr(int64_t value)
{
    return Format("%d", value);
}

AnsiString IntToHex(int64_t value, int digits)
{
    return Format("%." + std::to_string(digits < 0 ? 0 : digits) + "X", value);
}

bool TryStrToInt64(const AnsiString& s, int64_t& value)
{
    AnsiString t = Trim(s);
    size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '-' || t[i] == '+'))
        negative = t[i++] == '-';
    unsigned base = 10;
    if (i < t.size() && t[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < t.size() && t[i] == '0' && (t[i + 1] == 'x' || t[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= t.size())
        return false;
    uint64_t magnitude = 0;
    const uint64_t limit = negative ? uint64_t(1) << 63 : (base == 16 ? UINT64_MAX : uint64_t(INT64_MAX));
    for (; i < t.size(); ++i) {
        char c = UpAscii(t[i]);
        unsigned d;
        if (c >= '0' && c <= '9')
            d = static_cast<unsigned>(c - '0');
        else if (base == 16 && c >= 'A' && c <= 'F')
            d = static_cast<unsigned>(c - 'A' + 10);
        else
            return false;
        if (magnitude > (limit - d) / base)
            return false;
        magnitude = magnitude * base + d;
    }
    value = negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
    return true;
}

bool TryStrToInt(const AnsiString& s, int32_t& value)
{
    int64_t v;
    if (!TryStrToInt64(s, v))
        return false;
    bool hex = Trim(s).find_first_of("$xX") != AnsiString::npos;
    if (hex && v >= 0 && v <= int64_t(UINT32_MAX))
        v = static_cast<int32_t>(static_cast<uint32_t>(v));
    if (v < INT32_MIN || v > INT32_MAX)
        return false;
    value = static_cast<int32_t>(v);
    return true;
}

int32_t StrToInt(const AnsiString& s)
{
    int32_t v;
    if (!TryStrToInt(s, v))
        throw EConvertError(Format("'%s' is not a valid integer value", s));
    return v;
}

int64_t StrToInt64(const AnsiString& s)
{
    int64_t v;
    if (!TryStrToInt64(s, v))
        throw EConvertError(Format("'%s' is not a valid integer value", s));
    return v;
}

int32_t StrToIntDef(const AnsiString& s, int32_t defaultValue)
{
    int32_t v;
    return TryStrToInt(s, v) ? v : defaultValue;
}
