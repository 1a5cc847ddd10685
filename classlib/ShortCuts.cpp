#include "classlib/Menus.h"

namespace {
struct TKeyName {
    WORD Key;
    const char* Name;
};
constexpr TKeyName KeyNames[] = {
    {VK_BACK, "BkSp"}, {VK_TAB, "Tab"},   {VK_RETURN, "Enter"}, {VK_ESCAPE, "Esc"},  {VK_SPACE, "Space"},
    {VK_PRIOR, "PgUp"}, {VK_NEXT, "PgDn"}, {VK_END, "End"},      {VK_HOME, "Home"},   {VK_LEFT, "Left"},
    {VK_UP, "Up"},      {VK_RIGHT, "Right"}, {VK_DOWN, "Down"},  {VK_INSERT, "Ins"},  {VK_DELETE, "Del"},
};

AnsiString KeyText(WORD key)
{
    for (const TKeyName& name : KeyNames)
        if (name.Key == key)
            return name.Name;
    if (key >= VK_F1 && key <= VK_F24) {
        AnsiString name = "F";
        name += std::to_string(key - VK_F1 + 1);
        return name;
    }
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        return AnsiString(1, static_cast<char>(key));
    UINT scan = MapVirtualKeyA(key, 0);
    char buffer[256] = {};
    if (scan == 0 || GetKeyNameTextA(static_cast<LONG>(scan << 16), buffer, sizeof(buffer)) <= 0)
        return AnsiString();
    return buffer;
}

bool TakePrefix(AnsiString& text, const char* prefix)
{
    size_t n = std::char_traits<char>::length(prefix);
    if (text.size() < n || CompareText(text.substr(0, n), prefix) != 0)
        return false;
    text.erase(0, n);
    return true;
}
}  // namespace

TShortCut ShortCut(WORD key, TShiftState shift)
{
    if (key & 0xFF00)
        return scNone;
    TShortCut result = key;
    if (shift.Contains(ssShift))
        result |= scShift;
    if (shift.Contains(ssCtrl))
        result |= scCtrl;
    if (shift.Contains(ssAlt))
        result |= scAlt;
    return result;
}

AnsiString ShortCutToText(TShortCut shortCut)
{
    AnsiString key = KeyText(shortCut & 0xFF);
    if (key.empty())
        return AnsiString();
    AnsiString text;
    if (shortCut & scShift)
        text += SmkcShift;
    if (shortCut & scCtrl)
        text += SmkcCtrl;
    if (shortCut & scAlt)
        text += SmkcAlt;
    text += key;
    return text;
}

TShortCut TextToShortCut(const AnsiString& text)
{
    AnsiString rest = text;
    TShortCut modifiers = 0;
    for (bool found = true; found;) {
        found = false;
        for (auto [prefix, flag] : {std::pair{SmkcShift, scShift}, std::pair{SmkcCtrl, scCtrl}, std::pair{SmkcAlt, scAlt}})
            if (TakePrefix(rest, prefix)) {
                modifiers |= flag;
                found = true;
            }
    }
    if (rest.empty())
        return scNone;
    for (WORD key = 8; key <= 255; ++key)
        if (CompareText(rest, KeyText(key)) == 0)
            return static_cast<TShortCut>(key | modifiers);
    return scNone;
}

AnsiString StripHotkey(const AnsiString& caption)
{
    AnsiString result;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != '&') {
            result += caption[i];
        } else if (i + 1 < caption.size() && caption[i + 1] == '&') {
            result += '&';
            ++i;
        }
    }
    return result;
}

bool SameCaption(const AnsiString& a, const AnsiString& b)
{
    AnsiString x = StripHotkey(a), y = StripHotkey(b);
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, x.c_str(), static_cast<int>(x.size()), y.c_str(),
                          static_cast<int>(y.size())) == CSTR_EQUAL;
}

AnsiString GetShortHint(const AnsiString& hint)
{
    size_t bar = hint.find('|');
    return bar == AnsiString::npos ? hint : hint.substr(0, bar);
}

AnsiString GetLongHint(const AnsiString& hint)
{
    size_t bar = hint.find('|');
    return bar == AnsiString::npos ? hint : hint.substr(bar + 1);
}
