#include "classlib/Themes.h"

#include "classlib/Win.h"

namespace {

bool SystemThemesActive()
{
    HMODULE uxtheme = LoadLibraryA("uxtheme.dll");
    if (!uxtheme)
        return false;
    using TQuery = BOOL(WINAPI*)();
    auto isThemeActive = reinterpret_cast<TQuery>(reinterpret_cast<void*>(GetProcAddress(uxtheme, "IsThemeActive")));
    auto isAppThemed = reinterpret_cast<TQuery>(reinterpret_cast<void*>(GetProcAddress(uxtheme, "IsAppThemed")));
    bool active = isThemeActive && isAppThemed && isThemeActive() && isAppThemed() &&
                  GetModuleHandleA("comctl32.dll") != nullptr;
    FreeLibrary(uxtheme);
    return active;
}

bool& ThemesFlag()
{
    static bool enabled = SystemThemesActive();
    return enabled;
}

}  // namespace

bool ThemesEnabled()
{
    return ThemesFlag();
}

void SetThemesEnabled(bool value)
{
    ThemesFlag() = value;
}

bool DrawThemePart(HDC dc, const wchar_t* classList, int part, int state, const RECT& rect)
{
    if (!ThemesEnabled())
        return false;
    using TOpen = HANDLE(WINAPI*)(HWND, LPCWSTR);
    using TDraw = HRESULT(WINAPI*)(HANDLE, HDC, int, int, const RECT*, const RECT*);
    using TClose = HRESULT(WINAPI*)(HANDLE);
    // Loaded once and kept: the visual styles outlive every window that draws with them.
    static HMODULE uxtheme = LoadLibraryA("uxtheme.dll");
    if (!uxtheme)
        return false;
    auto open = reinterpret_cast<TOpen>(reinterpret_cast<void*>(GetProcAddress(uxtheme, "OpenThemeData")));
    auto draw = reinterpret_cast<TDraw>(reinterpret_cast<void*>(GetProcAddress(uxtheme, "DrawThemeBackground")));
    auto close = reinterpret_cast<TClose>(reinterpret_cast<void*>(GetProcAddress(uxtheme, "CloseThemeData")));
    if (!open || !draw || !close)
        return false;
    HANDLE theme = open(nullptr, classList);
    if (!theme)
        return false;
    bool drawn = SUCCEEDED(draw(theme, dc, part, state, &rect, nullptr));
    close(theme);
    return drawn;
}
