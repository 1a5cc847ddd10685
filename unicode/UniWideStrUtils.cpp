#include "unicode/UniWideStrUtils.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

size_t StrLenW(const wchar_t* str)
{
    return size_t(StrEndW(str) - str);
}

wchar_t* StrEndW(wchar_t* str)
{
    while (*str)
        ++str;
    return str;
}

const wchar_t* StrEndW(const wchar_t* str)
{
    return StrEndW(const_cast<wchar_t*>(str));
}

wchar_t* StrMoveW(wchar_t* dest, const wchar_t* source, size_t count)
{
    std::memmove(dest, source, count * sizeof(wchar_t));
    return dest;
}

wchar_t* StrLCopyW(wchar_t* dest, const wchar_t* source, size_t maxLen)
{
    size_t n = 0;
    for (; n < maxLen && source[n]; ++n)
        dest[n] = source[n];
    dest[n] = L'\0';
    return dest;
}

wchar_t* StrPLCopyW(wchar_t* dest, const WideString& s)
{
    StrMoveW(dest, s.data(), s.size());
    dest[s.size()] = L'\0';
    return dest;
}

const wchar_t* StrScanW(const wchar_t* str, wchar_t ch)
{
    for (;; ++str) {
        if (*str == ch)
            return str;
        if (!*str)
            return nullptr;
    }
}

const wchar_t* LastCharW(const wchar_t* str)
{
    return *str ? StrEndW(str) - 1 : nullptr;
}

void TStrDisposeW::operator()(wchar_t* str) const
{
    std::free(reinterpret_cast<uint32_t*>(str) - 1);
}

namespace {

TWideBuffer NewBuffer(const wchar_t* text, size_t length)
{
    auto bytes = uint32_t(sizeof(uint32_t) + (length + 1) * sizeof(wchar_t));
    auto* block = static_cast<uint32_t*>(std::malloc(bytes));
    if (!block)
        throw std::bad_alloc();
    *block = bytes;
    auto* chars = reinterpret_cast<wchar_t*>(block + 1);
    StrMoveW(chars, text, length);
    chars[length] = L'\0';
    return TWideBuffer(chars);
}

}  // namespace

TWideBuffer StrNewW(const wchar_t* str)
{
    return str ? NewBuffer(str, StrLenW(str)) : nullptr;
}

TWideBuffer StrNewW(const WideString& s)
{
    return NewBuffer(s.data(), s.size());
}

bool IsDelimiterW(const WideString& delimiters, const WideString& s, size_t index)
{
    return index >= 1 && index <= s.size() && delimiters.find(s[index - 1]) != WideString::npos;
}

bool IsPathDelimiterW(const WideString& s, size_t index)
{
    return IsDelimiterW(L"\\", s, index);
}

size_t LastDelimiterW(const WideString& delimiters, const WideString& s)
{
    size_t i = s.find_last_of(delimiters);
    return i == WideString::npos ? 0 : i + 1;
}

void NextTokenW(const wchar_t*& cursor, wchar_t delim, WideString& token)
{
    const wchar_t* end = cursor;
    while (*end && *end != delim)
        ++end;
    token.assign(cursor, end);
    // A NUL delimiter is always found: the text is a list of terminated texts.
    cursor = *end == delim ? end + 1 : end;
}

std::vector<WideString> SplitWideBuffer(const wchar_t* buffer, wchar_t delim)
{
    constexpr size_t growBy = 256;
    std::vector<WideString> tokens;
    WideString token;
    for (;;) {
        NextTokenW(buffer, delim, token);
        if (token.empty())
            break;
        if (tokens.size() == tokens.capacity())
            tokens.reserve(tokens.capacity() + growBy);
        tokens.push_back(token);
    }
    tokens.shrink_to_fit();
    return tokens;
}

namespace {

constexpr wchar_t LineSeparator = 0x2028;

// The length of the line break at text[i]: 2 for CR LF, 1 for a lone CR, LF or U+2028, else 0.
size_t LineBreakAt(const WideString& text, size_t i)
{
    switch (text[i]) {
    case L'\r':
        return i + 1 < text.size() && text[i + 1] == L'\n' ? 2 : 1;
    case L'\n':
    case LineSeparator:
        return 1;
    default:
        return 0;
    }
}

const wchar_t* LineBreakText(TLineBreakStyle style)
{
    switch (style) {
    case lbsCRLF:
        return L"\r\n";
    case lbsCR:
        return L"\r";
    default:
        return L"\n";
    }
}

}  // namespace

size_t ConvertedLineBreaksLength(const WideString& text, TLineBreakStyle style)
{
    size_t breakLength = StrLenW(LineBreakText(style));
    size_t length = 0;
    for (size_t i = 0; i < text.size();) {
        size_t n = LineBreakAt(text, i);
        length += n ? breakLength : 1;
        i += n ? n : 1;
    }
    return length;
}

WideString ConvertLineBreaksW(const WideString& text, TLineBreakStyle style)
{
    const wchar_t* lineBreak = LineBreakText(style);
    WideString out;
    out.reserve(ConvertedLineBreaksLength(text, style));
    for (size_t i = 0; i < text.size();) {
        size_t n = LineBreakAt(text, i);
        if (n) {
            out += lineBreak;
            i += n;
        } else {
            out += text[i++];
        }
    }
    return out;
}
