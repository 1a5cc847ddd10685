#include "classlib/System.h"

WideString AnsiToWide(const AnsiString& s, UINT codePage)
{
    if (s.empty())
        return {};
    int n = MultiByteToWideChar(codePage, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    WideString out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(codePage, 0, s.data(), static_cast<int>(s.size()), out.data(), n);
    return out;
}

AnsiString WideToAnsi(const WideString& s, UINT codePage)
{
    if (s.empty())
        return {};
    int n = WideCharToMultiByte(codePage, 0, s.data(), static_cast<int>(s.size()), nullptr, 0, nullptr, nullptr);
    AnsiString out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(codePage, 0, s.data(), static_cast<int>(s.size()), out.data(), n, nullptr, nullptr);
    return out;
}
