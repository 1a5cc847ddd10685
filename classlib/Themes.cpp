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
