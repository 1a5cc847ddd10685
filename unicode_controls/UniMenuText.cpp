// The wide text of shortcuts and the hot-key marks of wide captions.
#include "unicode/UniSystem.h"
#include "unicode_controls/UniMenus.h"

WideString GetVirtualKeyName(uint16_t key)
{
    UINT scan = MapVirtualKeyW(key, 0);
    if (scan == 0)
        return WideString();
    wchar_t buffer[256] = {};
    int length = GetKeyNameTextW(static_cast<LONG>(scan << 16), buffer, 256);
    return WideString(buffer, static_cast<size_t>(length > 0 ? length : 0));
}

wchar_t VirtualKeyToChar(uint16_t key)
{
    auto ch = static_cast<wchar_t>(MapVirtualKeyW(key, 2) & 0xFFFF);
    // Not every system maps the number pad; its keys are digits all the same.
    if (ch == 0 && key >= VK_NUMPAD0 && key <= VK_NUMPAD9)
        return static_cast<wchar_t>(L'0' + (key - VK_NUMPAD0));
    if (key >= '0' && key <= '9' && ch != key && (VkKeyScanW(static_cast<wchar_t>(key)) & 0xFF) == key)
        return static_cast<wchar_t>(key);
    return ch;
}

namespace {
// The keys whose names the class library gives.
bool IsNamedKey(uint16_t key)
{
    return key == VK_BACK || key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE || key == VK_SPACE ||
           (key >= VK_PRIOR && key <= VK_DOWN) || key == VK_INSERT || key == VK_DELETE ||
           (key >= VK_F1 && key <= VK_F24);
}

bool IsCharKey(uint16_t key)
{
    return (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z') || (key >= VK_NUMPAD0 && key <= VK_NUMPAD9);
}

bool IsDoubleByteLocale()
{
    return GetSystemMetrics(SM_DBCSENABLED) != 0;
}

// The position of a bracketed mark "(&X)" in the text, or npos.
size_t BracketedMark(const WideString& text)
{
    for (size_t i = 0; i + 3 < text.size(); ++i)
        if (text[i] == L'(' && text[i + 1] == L'&' && text[i + 2] != L'&' && text[i + 3] == L')')
            return i;
    return WideString::npos;
}
}  // namespace

WideString ShortCutToWideText(TShortCut shortCut)
{
    auto key = static_cast<uint16_t>(shortCut & 0xFF);
    if (!IsUnicodePlatform() || IsNamedKey(key))
        return AnsiToWide(ShortCutToText(shortCut));
    WideString keyText;
    if (IsCharKey(key)) {
        wchar_t ch = VirtualKeyToChar(key);
        if (ch)
            keyText = WideString(1, ch);
    } else {
        keyText = GetVirtualKeyName(key);
    }
    if (keyText.empty())
        return WideString();
    WideString text;
    if (shortCut & scShift)
        text += AnsiToWide(SmkcShift);
    if (shortCut & scCtrl)
        text += AnsiToWide(SmkcCtrl);
    if (shortCut & scAlt)
        text += AnsiToWide(SmkcAlt);
    return text + keyText;
}

int HotKeyPosition(const WideString& text)
{
    int position = 0;
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != L'&')
            continue;
        if (text[i + 1] != L'&')
            position = static_cast<int>(i) + 2;
        ++i;  // a doubled mark is one literal ampersand; the marked character is not a mark
    }
    return position;
}

WideString HotKeyChar(const WideString& text)
{
    int position = HotKeyPosition(text);
    return position ? text.substr(static_cast<size_t>(position) - 1, 1) : WideString();
}

WideString RemoveHotKeyMarks(const WideString& text)
{
    if (IsDoubleByteLocale()) {
        size_t at = BracketedMark(text);
        if (at != WideString::npos)
            return text.substr(0, at) + text.substr(at + 4);
    }
    WideString result;
    for (wchar_t ch : text)
        if (ch != L'&')
            result += ch;
    return result;
}

bool SameCaptionText(const WideString& a, const WideString& b)
{
    WideString x = RemoveHotKeyMarks(a), y = RemoveHotKeyMarks(b);
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, x.c_str(), static_cast<int>(x.size()), y.c_str(),
                          static_cast<int>(y.size())) == CSTR_EQUAL;
}

bool SameCaptionTextExact(const WideString& a, const WideString& b)
{
    return RemoveHotKeyMarks(a) == RemoveHotKeyMarks(b);
}

void SyncHotKeyPosition(const WideString& source, WideString& dest)
{
    if (WideToAnsi(source) == WideToAnsi(dest) || !SameCaptionTextExact(source, dest))
        return;
    dest = RemoveHotKeyMarks(dest);
    for (size_t i = 0; i < source.size() && i <= dest.size(); ++i)
        if (source[i] == L'&')
            dest.insert(i, 1, L'&');
    AnsiString a = WideToAnsi(source), b = WideToAnsi(dest);
    if (a != b)
        throw EUniInternalError(Format("Internal Error: SyncHotKeyPosition Failed (\"%s\" <> \"%s\").", a, b));
}
