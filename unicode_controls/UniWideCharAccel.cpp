#include "unicode/UniSystem.h"
#include "unicode_controls/UniForms.h"

namespace {

// The character after the last single '&'; 0 when there is none.
wchar_t HotKeyCharOf(const WideString& caption)
{
    wchar_t hotKey = 0;
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&')
            continue;
        ++i;
        if (caption[i] != L'&')
            hotKey = caption[i];
    }
    return hotKey;
}

}  // namespace

bool IsWideCharAccel(WPARAM charCode, const WideString& caption)
{
    wchar_t hotKey = HotKeyCharOf(caption);
    wchar_t key = KeyCharToUnicode(static_cast<uint16_t>(charCode));
    return hotKey != 0 && CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, &key, 1, &hotKey, 1) == CSTR_EQUAL;
}
