// Colour arithmetic against values worked out independently of the code
// (the 0..240 scale of the system's colour dialog; hue back-conversion divides by 239).
#include "kit_fixture.h"

#include "components/KitCommon.h"

namespace {

struct HslCase {
    COLORREF Color;
    int Hue, Saturation, Luminance;
    COLORREF Back;  // HslTripleToColor of the triple
};

TEST(KitColors, HslTriplesAndTheirWayBack)
{
    const HslCase cases[] = {
        {RGB(255, 0, 0), 0, 240, 120, RGB(255, 0, 0)},
        {RGB(0, 0, 255), 160, 240, 120, RGB(4, 0, 255)},
        {RGB(255, 255, 0), 40, 240, 120, RGB(254, 255, 0)},
        {RGB(128, 0, 0), 0, 240, 60, RGB(128, 0, 0)},
        {RGB(255, 255, 255), 0, 0, 240, RGB(255, 255, 255)},
        {RGB(0, 0, 0), 0, 0, 0, RGB(0, 0, 0)},
        {RGB(128, 128, 128), 0, 0, 120, RGB(128, 128, 128)},
        {RGB(240, 251, 255), 131, 240, 233, RGB(240, 251, 255)},
        {RGB(10, 200, 90), 97, 217, 99, RGB(10, 200, 93)},
        {RGB(49, 106, 197), 145, 144, 116, RGB(49, 103, 197)},
    };
    for (const HslCase& c : cases) {
        SCOPED_TRACE(ColorText(c.Color));
        THslTriple hsl = ColorToHslTriple(static_cast<TColor>(c.Color));
        EXPECT_EQ(hsl.Hue, c.Hue);
        EXPECT_EQ(hsl.Saturation, c.Saturation);
        EXPECT_EQ(hsl.Luminance, c.Luminance);
        EXPECT_EQ(HueOf(static_cast<TColor>(c.Color)), c.Hue);
        EXPECT_EQ(ColorText(HslTripleToColor(hsl.Hue, hsl.Saturation, hsl.Luminance)), ColorText(c.Back));
    }
    // Hues 239 and 240 both fall past the last sextant and are drawn as the first one.
    EXPECT_EQ(ColorText(HslTripleToColor(239, 240, 120)), ColorText(RGB(255, 0, 0)));
    EXPECT_EQ(ColorText(HslTripleToColor(240, 240, 120)), ColorText(RGB(255, 6, 0)));
}

struct ShadeCase {
    COLORREF Color;
    int Amount;
    COLORREF Darker, Lighter;
};

TEST(KitColors, DarkenAndLightenMoveTheLuminance)
{
    const ShadeCase cases[] = {
        {RGB(49, 106, 197), 40, RGB(32, 67, 129), RGB(112, 151, 219)},
        {RGB(212, 208, 200), 10, RGB(203, 198, 188), RGB(221, 218, 212)},
        {RGB(240, 251, 255), 100, RGB(28, 189, 255), RGB(255, 255, 255)},
        // Luminance 99 - 100 stops at black; 99 + 100 stays on the scale.
        {RGB(10, 200, 90), 100, RGB(0, 0, 0), RGB(172, 251, 206)},
        // 60 + 250 is past a byte: capped at 255, all white, not wrapped round.
        {RGB(128, 0, 0), 250, RGB(0, 0, 0), RGB(255, 255, 255)},
    };
    for (const ShadeCase& c : cases) {
        SCOPED_TRACE(ColorText(c.Color) + " by " + std::to_string(c.Amount));
        TColor color = static_cast<TColor>(c.Color);
        auto amount = static_cast<uint8_t>(c.Amount);
        EXPECT_EQ(ColorText(DarkenColor(color, amount)), ColorText(c.Darker));
        EXPECT_EQ(ColorText(LightenColor(color, amount)), ColorText(c.Lighter));
        EXPECT_EQ(ColorText(ShiftColor(color, -c.Amount)), ColorText(c.Darker));
        EXPECT_EQ(ColorText(ShiftColor(color, c.Amount)), ColorText(c.Lighter));
    }
}

TEST(KitColors, SystemColoursAreResolvedBeforeTheirChannelsAreRead)
{
    for (TColor system : {clBtnFace, clHighlight, clBtnShadow}) {
        TColor rgb = static_cast<TColor>(ColorToRGB(system));
        EXPECT_EQ(DarkenColor(system, 10), DarkenColor(rgb, 10));
        EXPECT_EQ(LightenColor(system, 30), LightenColor(rgb, 30));
        EXPECT_EQ(HueOf(system), HueOf(rgb));
        EXPECT_EQ(XorColors(system, clBlack), rgb);
        EXPECT_EQ(MixColors(system, clWhite, 255), rgb);
        // No shift keeps even a system colour as it is; any shift gives plain RGB.
        EXPECT_EQ(ShiftColor(system, 0), system);
        EXPECT_EQ(ShiftColor(system, 1) & 0xFF000000u, 0u);
    }
}

TEST(KitColors, MixAndXorWorkChannelByChannel)
{
    struct {
        COLORREF A, B;
        int Weight;
        COLORREF Mixed;
    } cases[] = {
        {RGB(255, 0, 0), RGB(0, 0, 255), 128, RGB(128, 0, 127)},
        {RGB(0, 0, 0), RGB(255, 255, 255), 128, RGB(127, 127, 127)},
        {RGB(255, 255, 255), RGB(0, 0, 0), 1, RGB(1, 1, 1)},
        {RGB(10, 200, 90), RGB(212, 208, 200), 77, RGB(151, 206, 167)},
        {RGB(1, 2, 3), RGB(4, 5, 6), 0, RGB(4, 5, 6)},
        {RGB(1, 2, 3), RGB(4, 5, 6), 255, RGB(1, 2, 3)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ColorText(MixColors(static_cast<TColor>(c.A), static_cast<TColor>(c.B),
                                      static_cast<uint8_t>(c.Weight))),
                  ColorText(c.Mixed))
            << ColorText(c.A) << " with " << ColorText(c.B) << " weight " << c.Weight;

    EXPECT_EQ(XorColors(static_cast<TColor>(RGB(0xF0, 0x0F, 0xAA)), static_cast<TColor>(RGB(0xFF, 0xFF, 0x55))),
              static_cast<TColor>(RGB(0x0F, 0xF0, 0xFF)));
}

TEST(KitColors, ClosenessLooksAtHueAndLuminanceOnly)
{
    struct {
        COLORREF A, B;
        bool Close;
    } cases[] = {
        {RGB(10, 200, 90), RGB(10, 200, 90), true},
        {RGB(255, 0, 0), RGB(128, 128, 128), true},   // same hue and luminance, saturation aside
        {RGB(253, 0, 0), RGB(128, 0, 0), true},       // luminances 119 and 60
        {RGB(255, 0, 0), RGB(128, 0, 0), false},      // 120 and 60
        {RGB(255, 122, 0), RGB(255, 0, 0), true},     // hues 19 and 0
        {RGB(255, 128, 0), RGB(255, 0, 0), false},    // 20 and 0
        {RGB(212, 208, 200), RGB(240, 251, 255), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ColorsAreClose(static_cast<TColor>(c.A), static_cast<TColor>(c.B)), c.Close)
            << ColorText(c.A) << " and " << ColorText(c.B);
        EXPECT_EQ(ColorsAreClose(static_cast<TColor>(c.B), static_cast<TColor>(c.A)), c.Close);
    }
}

TEST(KitColors, OppositeColourTurnsTheHueByAThird)
{
    // Hue 131 gives 11; hue 0 gives 120; saturation is always full.
    EXPECT_EQ(ColorText(OppositeColor(static_cast<TColor>(RGB(240, 251, 255)), 120)), ColorText(RGB(255, 70, 0)));
    EXPECT_EQ(ColorText(OppositeColor(clRed, 120)), ColorText(RGB(0, 252, 255)));
    EXPECT_EQ(ColorText(OppositeColor(clRed, 200)), ColorText(RGB(170, 254, 255)));
}

}  // namespace
