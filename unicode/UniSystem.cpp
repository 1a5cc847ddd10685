#include "unicode/UniSystem.h"

#include <cctype>

#include "unicode/UniWindows.h"

namespace {

struct TPlatform {
    bool Unicode;
    bool XPOrLater;
    DWORD MajorVersion;
};

TPlatform DetectPlatform()
{
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info);
    GetVersionExA(&info);
    bool xp = (info.dwMajorVersion == 5 && info.dwMinorVersion >= 1) || info.dwMajorVersion > 5;
    return {info.dwPlatformId == VER_PLATFORM_WIN32_NT, xp, info.dwMajorVersion};
}

TPlatform& Platform()
{
    static TPlatform platform = DetectPlatform();
    return platform;
}

}  // namespace

bool IsUnicodePlatform()
{
    return Platform().Unicode;
}

bool IsWindowsXPOrLater()
{
    return Platform().XPOrLater;
}

void SetUnicodePlatformForTesting(bool unicode)
{
    Platform().Unicode = unicode;
}

UINT DefaultCodePage()
{
    // Fixed at the first call from the real platform, whatever tests set later.
    static const UINT codePage = [] {
        TPlatform real = DetectPlatform();
        return real.Unicode && real.MajorVersion > 4 ? UINT(CP_THREAD_ACP) : GetLocaleAnsiCodePage(GetThreadLocale());
    }();
    return codePage;
}

WideString AnsiToWideCP(const AnsiString& s, UINT codePage)
{
    switch (codePage) {
    case CP_UTF7:
        return DecodeUtf7(s);
    case CP_UTF8:
        return DecodeUtf8(s);
    default:
        return AnsiToWide(s, codePage);
    }
}

AnsiString WideToAnsiCP(const WideString& s, UINT codePage)
{
    switch (codePage) {
    case CP_UTF7:
        return EncodeUtf7(s);
    case CP_UTF8:
        return EncodeUtf8(s);
    default:
        return WideToAnsi(s, codePage);
    }
}

UINT GetLocaleAnsiCodePage(LCID locale)
{
    char buffer[6] = {};
    GetLocaleInfoA(locale, LOCALE_IDEFAULTANSICODEPAGE, buffer, sizeof(buffer));
    UINT codePage = 0;
    const char* p = buffer;
    for (; std::isdigit(static_cast<unsigned char>(*p)); ++p)
        codePage = codePage * 10 + UINT(*p - '0');
    return (p == buffer || *p) ? GetACP() : codePage;
}

UINT GetKeyboardCodePage()
{
    auto layout = reinterpret_cast<uintptr_t>(GetKeyboardLayout(0));
    return GetLocaleAnsiCodePage(LCID(layout & 0xFFFF));
}

wchar_t KeyCharToUnicode(uint16_t key)
{
    if (key >= 256)
        return wchar_t(key);
    char byte = char(key);
    wchar_t unit = 0;
    MultiByteToWideChar(GetKeyboardCodePage(), MB_USEGLYPHCHARS, &byte, 1, &unit, 1);
    return unit;
}

void SwapUtf16Bytes(wchar_t* text)
{
    for (; *text; ++text)
        *text = wchar_t(((*text & 0xFF) << 8) | ((*text >> 8) & 0xFF));
}

WideString LoadWideResourceString(const TResStringRec* rec)
{
    if (!rec)
        return {};
    // Only the program's own strings are loaded: there are no resource modules.
    HMODULE module = rec->Module ? rec->Module : GetModuleHandleW(nullptr);
    constexpr int maxLength = 4096;
    wchar_t buffer[maxLength + 1];
    int n = WideLoadString(module, rec->Identifier, buffer, maxLength + 1);
    return WideString(buffer, size_t(n > 0 ? n : 0));
}
