#include <memory>

#include "classlib/Registry.h"
#include "classlib/SysUtils.h"
#include "classlib/SysUtilsVersion.h"
#include "classlib/Themes.h"
#include "components/KitCommon.h"

bool FullColorSupported = false;
int XPColorScheme = 0;

namespace {

bool IsNT()
{
    return Win32Platform == VER_PLATFORM_WIN32_NT;
}

bool Is9x()
{
    return Win32Platform == VER_PLATFORM_WIN32_WINDOWS;
}

struct TSchemeColors {
    COLORREF Start, Stop, Frame;
};

const TSchemeColors SchemeColors[3] = {
    {RGB(227, 239, 255), RGB(153, 187, 234), RGB(87, 127, 191)},
    {RGB(255, 255, 237), RGB(184, 199, 146), RGB(127, 161, 119)},
    {RGB(249, 249, 255), RGB(189, 188, 208), RGB(159, 159, 177)},
};

// The XP scheme's colours apply to the office look while a theme is active.
const TSchemeColors* ThemedScheme(TKitGradientColorStyle style)
{
    if (style != gcsMSOffice || !ThemesEnabled() || XPColorScheme < 0 || XPColorScheme > 2)
        return nullptr;
    return &SchemeColors[XPColorScheme];
}

int StartCount = 0;
// The component set starts with the program.
const bool Started = (InitKitCommon(), true);

}  // namespace

void InitKitCommon()
{
    if (StartCount++ > 0)
        return;
    FullColorSupported = HasFullColor();
    XPColorScheme = ReadXPColorScheme();
}

bool IsWindowsVersion(WindowsVersionKind Kind)
{
    int major = Win32MajorVersion, minor = Win32MinorVersion;
    switch (Kind) {
    case Win95: return Is9x() && major <= 4 && minor == 0;
    case WinNT4: return IsNT() && major <= 4;
    case Win98: return Is9x() && major <= 4 && minor == 10;
    case WinMe: return Is9x() && major <= 4 && minor == 90;
    case Win2000: return IsNT() && major == 5 && minor == 0;
    case WinXP: return IsNT() && major == 5 && minor == 1;
    case Win2003: return IsNT() && major == 5 && minor == 2;
    case WinVista: return IsNT() && major == 6 && minor == 0;
    case Win7: return IsNT() && major == 6 && minor == 1;
    }
    return false;
}

bool IsWindowsVersionOrLater(WindowsVersionKind Kind)
{
    int major = Win32MajorVersion, minor = Win32MinorVersion;
    switch (Kind) {
    case Win95: return major >= 4;
    case WinNT4: return IsNT() && major > 3;
    case Win98: return (major >= 4 && minor >= 10) || major > 4;
    case WinMe: return (major >= 4 && minor >= 90) || major > 4;
    case Win2000: return IsNT() && major > 4;
    case WinXP: return IsNT() && ((major == 5 && minor > 0) || major > 5);
    case Win2003: return IsNT() && ((major > 4 && minor > 1) || major > 5);
    case WinVista: return IsNT() && major > 5;
    case Win7: return IsNT() && ((major == 6 && minor > 0) || major > 6);
    }
    return false;
}

void GetGradientColors(TKitGradientColorStyle Style, TColor& StartColor, TColor& StopColor)
{
    if (const TSchemeColors* scheme = ThemedScheme(Style)) {
        StartColor = static_cast<TColor>(scheme->Start);
        StopColor = static_cast<TColor>(scheme->Stop);
    } else {
        StartColor = clWindow;
        StopColor = DarkenColor(clBtnFace, 10);
    }
}

TColor GetGradientFrameColor(TKitGradientColorStyle Style)
{
    if (const TSchemeColors* scheme = ThemedScheme(Style))
        return static_cast<TColor>(scheme->Frame);
    return LightenColor(clBtnShadow, 30);
}

int ReadXPColorScheme()
{
    auto registry = std::make_unique<TRegIniFile>("\\Software\\Microsoft\\Windows\\CurrentVersion", KEY_READ);
    AnsiString name = UpperCase(registry->ReadString("ThemeManager", "ColorName", ""));
    if (name == "HOMESTEAD")
        return 1;
    if (name == "METALLIC")
        return 2;
    return 0;
}

bool HasFullColor()
{
    HDC dc = GetDC(nullptr);
    int colors = GetDeviceCaps(dc, NUMCOLORS);
    ReleaseDC(nullptr, dc);
    return colors == -1;
}
