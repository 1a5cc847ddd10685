// Glyph shapes by their extent, accelerators, fonts, the version tests and the colour scheme.
#include "kit_fixture.h"

#include "classlib/Registry.h"
#include "classlib/SysUtilsVersion.h"
#include "classlib/Themes.h"
#include "components/KitCommon.h"

namespace {

const COLORREF Paper = RGB(255, 255, 255);

// Pixels of the glyph's colour per row of its extent.
std::vector<int> RowCounts(const TPixelSurface& s, COLORREF color, const TRect& extent)
{
    std::vector<int> rows;
    for (int y = extent.top; y < extent.bottom; ++y)
        rows.push_back(s.Count(color, TRect(extent.left, y, extent.right, y + 1)));
    return rows;
}

TEST(KitGlyphs, ClassicArrowsPointWhereAsked)
{
    // Rectangle (10, 10, 30, 30): the centre is (20, 19).
    struct {
        TArrowDirection Direction;
        bool Vertical;  // the point is at the first row (up) or column (left) of the extent
        bool PointFirst;
    } cases[] = {{adUp, true, true}, {adDown, true, false}, {adLeft, false, true}, {adRight, false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Direction);
        TPixelSurface s(40, 40, Paper);
        s.Canvas()->GetBrush()->SetColor(clWhite);
        DrawArrowGlyph(s.Canvas(), TRect(10, 10, 30, 30), vsClassic, true, c.Direction);
        TRect extent = s.BoundsOfAllBut(Paper);
        ASSERT_GT(extent.Width(), 0);
        EXPECT_EQ(s.Count(RGB(0, 0, 0)), s.Width() * s.Height() - s.Count(Paper)) << "one colour, black";
        EXPECT_TRUE(extent.Contains(TPoint(20, 19)));
        EXPECT_LE(std::max(extent.Width(), extent.Height()), 9);
        EXPECT_GE(std::min(extent.Width(), extent.Height()), 3);
        // The point is narrow, the base wide.
        std::vector<int> lines;
        if (c.Vertical)
            lines = RowCounts(s, RGB(0, 0, 0), extent);
        else
            for (int x = extent.left; x < extent.right; ++x)
                lines.push_back(s.Count(RGB(0, 0, 0), TRect(x, extent.top, x + 1, extent.bottom)));
        EXPECT_LT(c.PointFirst ? lines.front() : lines.back(), c.PointFirst ? lines.back() : lines.front());
        // The canvas gets its brush colour and a solid pen back.
        EXPECT_EQ(s.Canvas()->GetBrush()->GetColor(), clWhite);
        EXPECT_EQ(s.Canvas()->GetPen()->GetStyle(), psSolid);
    }
}

TEST(KitGlyphs, GlyphColourFollowsStateAndBackground)
{
    TPixelSurface s(40, 40, Paper);
    DrawArrowGlyph(s.Canvas(), TRect(10, 10, 30, 30), vsClassic, false, adDown);
    EXPECT_GT(s.Count(ColorToRGB(clBtnShadow)), 10);
    // On a black brush a black arrow would vanish.
    s.Fill(Paper);
    s.Canvas()->GetBrush()->SetColor(clBlack);
    DrawArrowGlyph(s.Canvas(), TRect(10, 10, 30, 30), vsClassic, true, adDown);
    EXPECT_GT(s.Count(ColorToRGB(cl3DDkShadow)), 10);
    EXPECT_EQ(s.Canvas()->GetBrush()->GetColor(), clBlack);
    // The other looks draw smaller shapes around the same centre.
    for (TKitVisualStyle look : {vsWinXP, vsGradient}) {
        s.Fill(Paper);
        DrawArrowGlyph(s.Canvas(), TRect(10, 10, 30, 30), look, false, adRight);
        TRect extent = s.BoundsOfAllBut(Paper);
        EXPECT_TRUE(extent.Contains(TPoint(20, 19))) << look;
        EXPECT_LE(std::max(extent.Width(), extent.Height()), 9) << look;
        EXPECT_GT(s.Count(ColorToRGB(clBtnShadow)), 4) << look;
    }
}

TEST(KitGlyphs, CrossComesInTwoSizes)
{
    TPixelSurface s(40, 40, Paper);
    DrawCrossGlyph(s.Canvas(), TRect(10, 10, 30, 30), clRed);
    TRect large = s.BoundsOfAllBut(Paper);
    s.Fill(Paper);
    DrawCrossGlyph(s.Canvas(), TRect(10, 10, 30, 20), clRed);
    TRect small = s.BoundsOfAllBut(Paper);
    EXPECT_TRUE(large.Contains(TPoint(20, 19)));
    EXPECT_TRUE(small.Contains(TPoint(20, 14)));
    EXPECT_GT(large.Width(), small.Width());
    EXPECT_GT(large.Height(), small.Height());
    EXPECT_LE(large.Width(), 10);
    EXPECT_EQ(s.Count(RGB(255, 0, 0)), s.Width() * s.Height() - s.Count(Paper));

    s.Fill(Paper);
    DrawCloseGlyph(s.Canvas(), TRect(10, 10, 30, 30), vsClassic, true);
    EXPECT_EQ(s.BoundsOfAllBut(Paper), large);
    EXPECT_EQ(s.Count(RGB(0, 0, 0)), s.Width() * s.Height() - s.Count(Paper));
    s.Fill(Paper);
    DrawCloseGlyph(s.Canvas(), TRect(10, 10, 30, 30), vsWinXP, false);
    EXPECT_GT(s.Count(ColorToRGB(clBtnShadow)), 10);
}

TEST(KitText, StripAcceleratorsDropsSingleMarksAndHalvesDoubledOnes)
{
    struct {
        const char* Caption;
        const char* Stripped;
    } cases[] = {{"&File", "File"}, {"&&Save", "&Save"}, {"&", "&"},     {"", ""},
                 {"A&", "A&"},      {"A&&", "A&"},       {"a&&&b", "a&b"}, {"Save &as", "Save as"}};
    for (const auto& c : cases)
        EXPECT_EQ(StripAccelerators(c.Caption), c.Stripped) << c.Caption;
}

TEST(KitText, AngledFontCarriesTheFontsLooks)
{
    TFont font;
    font.SetName("Tahoma");
    font.SetHeight(-13);
    font.SetStyle({fsBold, fsItalic});
    font.SetPitch(fpVariable);
    HFONT handle = CreateAngledFont(&font, 90);
    ASSERT_NE(handle, nullptr);
    LOGFONTA made{};
    GetObjectA(handle, sizeof(made), &made);
    DeleteObject(handle);
    EXPECT_EQ(made.lfEscapement, 900);
    EXPECT_EQ(made.lfHeight, -13);
    EXPECT_EQ(made.lfWeight, FW_BOLD);
    EXPECT_TRUE(made.lfItalic);
    EXPECT_FALSE(made.lfUnderline);
    EXPECT_EQ(made.lfPitchAndFamily, VARIABLE_PITCH);
    EXPECT_STREQ(made.lfFaceName, "Tahoma");

    EXPECT_TRUE(IsTrueTypeFont(&font));
}

TEST(KitSystem, VersionTests)
{
    struct {
        int Platform, Major, Minor;
        WindowsVersionKind Kind;
        bool Exact, OrLater;
    } cases[] = {
        {1, 4, 0, Win95, true, true},          {1, 4, 10, Win95, false, true},   {1, 4, 10, Win98, true, true},
        {1, 4, 90, WinMe, true, true},         {1, 4, 10, WinMe, false, false},  {2, 4, 0, WinNT4, true, true},
        {2, 3, 51, WinNT4, true, false},       {1, 4, 0, WinNT4, false, false},  {2, 5, 0, Win2000, true, true},
        {2, 5, 1, Win2000, false, true},       {2, 5, 1, WinXP, true, true},     {2, 5, 0, WinXP, false, false},
        {2, 5, 2, Win2003, true, true},        {2, 6, 0, Win2003, false, true},  {2, 6, 0, WinVista, true, true},
        {2, 5, 2, WinVista, false, false},     {2, 6, 1, Win7, true, true},      {2, 10, 0, WinVista, false, true},
        {1, 4, 90, Win2000, false, false},
    };
    int saved[] = {Win32Platform, Win32MajorVersion, Win32MinorVersion};
    for (const auto& c : cases) {
        Win32Platform = c.Platform;
        Win32MajorVersion = c.Major;
        Win32MinorVersion = c.Minor;
        EXPECT_EQ(IsWindowsVersion(c.Kind), c.Exact) << c.Platform << " " << c.Major << "." << c.Minor << " " << c.Kind;
        EXPECT_EQ(IsWindowsVersionOrLater(c.Kind), c.OrLater)
            << c.Platform << " " << c.Major << "." << c.Minor << " " << c.Kind;
    }
    Win32Platform = saved[0];
    Win32MajorVersion = saved[1];
    Win32MinorVersion = saved[2];
}

class KitSchemeTest : public testing::Test {
protected:
    const char* Key = "Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager";
    void SetName(const char* name)
    {
        HKEY key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, Key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        if (name)
            RegSetValueExA(key, "ColorName", 0, REG_SZ, reinterpret_cast<const BYTE*>(name),
                           static_cast<DWORD>(strlen(name) + 1));
        else
            RegDeleteValueA(key, "ColorName");
        RegCloseKey(key);
    }
    void TearDown() override
    {
        SetName(nullptr);
        SetThemesEnabled(savedThemes);
        XPColorScheme = savedScheme;
    }
    bool savedThemes = ThemesEnabled();
    int savedScheme = XPColorScheme;
};

TEST_F(KitSchemeTest, ColourNameChoosesTheScheme)
{
    struct {
        const char* Name;
        int Scheme;
    } cases[] = {{"homestead", 1}, {"HomeStead", 1}, {"Metallic", 2}, {"NormalColor", 0}, {"", 0}, {nullptr, 0}};
    for (const auto& c : cases) {
        SetName(c.Name);
        EXPECT_EQ(ReadXPColorScheme(), c.Scheme) << (c.Name ? c.Name : "(absent)");
    }
}

TEST_F(KitSchemeTest, GradientColoursFollowTheSchemeOnlyForTheOfficeLookUnderATheme)
{
    TColor start, stop;
    SetThemesEnabled(true);
    XPColorScheme = 1;
    GetGradientColors(gcsMSOffice, start, stop);
    EXPECT_EQ(start, static_cast<TColor>(RGB(255, 255, 237)));
    EXPECT_EQ(stop, static_cast<TColor>(RGB(184, 199, 146)));
    EXPECT_EQ(GetGradientFrameColor(gcsMSOffice), static_cast<TColor>(RGB(127, 161, 119)));
    XPColorScheme = 2;
    EXPECT_EQ(GetGradientFrameColor(gcsMSOffice), static_cast<TColor>(RGB(159, 159, 177)));

    for (TKitGradientColorStyle style : {gcsSystem, gcsCustom}) {
        GetGradientColors(style, start, stop);
        EXPECT_EQ(start, clWindow);
        EXPECT_EQ(stop, DarkenColor(clBtnFace, 10));
        EXPECT_EQ(GetGradientFrameColor(style), LightenColor(clBtnShadow, 30));
    }
    SetThemesEnabled(false);
    GetGradientColors(gcsMSOffice, start, stop);
    EXPECT_EQ(start, clWindow);
}

}  // namespace
