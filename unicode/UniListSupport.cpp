#include "unicode/UniListSupport.h"

#include "unicode/UniSystem.h"

std::vector<WideString> SplitTextLines(const wchar_t* text)
{
    constexpr wchar_t lineSeparator = 0x2028;
    std::vector<WideString> lines;
    const wchar_t* p = text;
    while (*p) {
        const wchar_t* start = p;
        while (*p && *p != L'\n' && *p != L'\r' && *p != lineSeparator)
            ++p;
        lines.emplace_back(start, p);
        if (*p == L'\r')
            ++p;
        if (*p == L'\n')
            ++p;
        if (*p == lineSeparator)
            ++p;
    }
    return lines;
}

int CompareWideStrings(const WideString& s1, const WideString& s2, DWORD flags)
{
    int result;
    if (IsUnicodePlatform()) {
        result = CompareStringW(LOCALE_USER_DEFAULT, flags, s1.data(), int(s1.size()), s2.data(), int(s2.size()));
    } else {
        AnsiString a1 = WideToAnsi(s1);
        AnsiString a2 = WideToAnsi(s2);
        result = CompareStringA(LOCALE_USER_DEFAULT, flags, a1.data(), int(a1.size()), a2.data(), int(a2.size()));
    }
    return result - CSTR_EQUAL;
}

WideString ReadWideChars(TStream* stream)
{
    int64_t left = stream->GetSize() - stream->GetPosition();
    WideString text(size_t(left / 2), L'\0');
    stream->ReadBuffer(text.data(), int32_t(text.size() * sizeof(wchar_t)));
    return text;
}

AnsiString ReadRemainingBytes(TStream* stream)
{
    AnsiString bytes(size_t(stream->GetSize() - stream->GetPosition()), '\0');
    stream->ReadBuffer(bytes.data(), int32_t(bytes.size()));
    return bytes;
}

void WriteWideChars(TStream* stream, const WideString& text)
{
    stream->WriteBuffer(text.data(), int32_t(text.size() * sizeof(wchar_t)));
}
