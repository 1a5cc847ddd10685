// Frame painters on a DIB section: the colours at each side's middle, outer and
// inner line, the corners, and the rectangle each painter gives back.
#include "kit_fixture.h"

#include "components/KitCommon.h"

namespace {

const COLORREF Background = RGB(1, 2, 3);
const TRect Frame(5, 5, 35, 25);
constexpr COLORREF None = 0xFFFFFFFF;  // no line expected

COLORREF Rgb(TColor color)
{
    return color == clNone ? None : ColorToRGB(color);
}

// The colours of a frame: outer and inner line, upper-left and lower-right.
struct Lines {
    COLORREF OuterUL, OuterLR, InnerUL, InnerLR;
    int Width;  // how far the returned rectangle moves in on each requested side
};

Lines SystemLines(TFrameStyle style)
{
    switch (style) {
    case fsFlat: return {Rgb(cl3DDkShadow), Rgb(cl3DDkShadow), None, None, 1};
    case fsGroove: return {Rgb(clBtnShadow), Rgb(clBtnHighlight), Rgb(clBtnHighlight), Rgb(clBtnShadow), 2};
    case fsBump: return {Rgb(clBtnHighlight), Rgb(clBtnShadow), Rgb(clBtnShadow), Rgb(clBtnHighlight), 2};
    case fsLowered: return {Rgb(clBtnShadow), Rgb(clBtnHighlight), Rgb(cl3DDkShadow), Rgb(cl3DLight), 2};
    case fsButtonDown: return {Rgb(clBtnText), Rgb(clBtnText), Rgb(clBtnShadow), Rgb(clBtnShadow), 2};
    case fsRaised: return {Rgb(cl3DLight), Rgb(cl3DDkShadow), Rgb(clBtnHighlight), Rgb(clBtnShadow), 2};
    case fsButtonUp: return {Rgb(clBtnHighlight), Rgb(cl3DDkShadow), Rgb(cl3DLight), Rgb(clBtnShadow), 2};
    case fsStatus: return {Rgb(clBtnShadow), Rgb(clBtnHighlight), None, None, 1};
    case fsPopup: return {Rgb(clBtnHighlight), Rgb(clBtnShadow), None, None, 1};
    case fsFlatBold: return {Rgb(clBtnShadow), Rgb(clBtnShadow), Rgb(clBtnShadow), Rgb(clBtnShadow), 2};
    default: return {None, None, None, None, 0};
    }
}

Lines TintedLines(TColor base, TFrameStyle style)
{
    auto D = [base](uint8_t n) { return Rgb(DarkenColor(base, n)); };
    auto L = [base](uint8_t n) { return Rgb(LightenColor(base, n)); };
    switch (style) {
    case fsFlat: return {D(50), D(50), None, None, 1};
    case fsGroove: return {D(50), L(100), L(100), D(50), 2};
    case fsBump: return {L(100), D(50), D(50), L(100), 2};
    case fsLowered: return {D(50), L(100), D(100), L(50), 2};
    case fsButtonDown: return {D(100), D(100), D(50), D(50), 2};
    case fsRaised: return {L(50), D(100), L(100), D(50), 2};
    case fsButtonUp: return {L(100), D(100), L(40), D(50), 2};
    case fsStatus: return {D(50), L(100), None, None, 1};
    case fsPopup: return {L(100), D(50), None, None, 1};
    case fsFlatBold: return {D(50), D(50), D(50), D(50), 2};
    default: return {None, None, None, None, 0};
    }
}

const TSides SideSets[] = {AllSides, TSides{sdTop}, TSides{sdLeft, sdBottom}, TSides{sdTop, sdRight}, TSides{}};

std::string SidesText(TSides sides)
{
    std::string text;
    for (auto [side, name] : {std::pair{sdLeft, "L"}, {sdTop, "T"}, {sdRight, "R"}, {sdBottom, "B"}})
        if (sides.Contains(side))
            text += name;
    return text.empty() ? "none" : text;
}

TRect Shrunk(TRect r, TSides sides, int by)
{
    r.left += sides.Contains(sdLeft) ? by : 0;
    r.top += sides.Contains(sdTop) ? by : 0;
    r.right -= sides.Contains(sdRight) ? by : 0;
    r.bottom -= sides.Contains(sdBottom) ? by : 0;
    return r;
}

// Checks each side's middle, on the outer line and one pixel in.
void ExpectSides(const TPixelSurface& s, const Lines& lines, TSides sides)
{
    const TRect& r = Frame;
    int midX = (r.left + r.right) / 2, midY = (r.top + r.bottom) / 2;
    struct {
        TSide Side;
        TPoint Outer, Inner;
        bool UpperLeft;
    } probes[] = {{sdLeft, {r.left, midY}, {r.left + 1, midY}, true},
                  {sdTop, {midX, r.top}, {midX, r.top + 1}, true},
                  {sdRight, {r.right - 1, midY}, {r.right - 2, midY}, false},
                  {sdBottom, {midX, r.bottom - 1}, {midX, r.bottom - 2}, false}};
    for (const auto& p : probes) {
        bool drawn = sides.Contains(p.Side);
        COLORREF outer = !drawn ? None : p.UpperLeft ? lines.OuterUL : lines.OuterLR;
        COLORREF inner = !drawn ? None : p.UpperLeft ? lines.InnerUL : lines.InnerLR;
        EXPECT_EQ(ColorText(s.Pixel(p.Outer.x, p.Outer.y)), ColorText(outer == None ? Background : outer))
            << "outer line, side " << p.Side;
        EXPECT_EQ(ColorText(s.Pixel(p.Inner.x, p.Inner.y)), ColorText(inner == None ? Background : inner))
            << "inner line, side " << p.Side;
    }
}

// With every side drawn, the upper-left corner is the upper-left colour and the other three the lower-right one.
void ExpectCorners(const TPixelSurface& s, const Lines& lines)
{
    const TRect& r = Frame;
    EXPECT_EQ(ColorText(s.Pixel(r.left, r.top)), ColorText(lines.OuterUL));
    for (TPoint p : {TPoint(r.right - 1, r.top), TPoint(r.left, r.bottom - 1), TPoint(r.right - 1, r.bottom - 1)})
        EXPECT_EQ(ColorText(s.Pixel(p.x, p.y)), ColorText(lines.OuterLR)) << p.x << "," << p.y;
}

TEST(KitFrames, EveryStyleOnEverySideSetInSystemAndInTintedColours)
{
    const TColor base = static_cast<TColor>(RGB(90, 140, 200));
    for (int style = fsNone; style <= fsFlatBold; ++style)
        for (TSides sides : SideSets)
            for (bool tinted : {false, true}) {
                auto fs = static_cast<TFrameStyle>(style);
                SCOPED_TRACE("style " + std::to_string(style) + " sides " + SidesText(sides) +
                             (tinted ? " tinted" : ""));
                TPixelSurface s(40, 30, Background);
                TRect inside = tinted ? DrawTintedStyleSides(s.Canvas(), Frame, base, fs, sides)
                                      : DrawStyleSides(s.Canvas(), Frame, fs, sides);
                Lines lines = tinted ? TintedLines(base, fs) : SystemLines(fs);
                EXPECT_EQ(inside, Shrunk(Frame, sides, lines.Width));
                ExpectSides(s, lines, sides);
                if (sides == AllSides && fs != fsNone)
                    ExpectCorners(s, lines);
                // Nothing is drawn outside the rectangle nor past the frame's own lines.
                TRect drawn = s.BoundsOfAllBut(Background);
                if (!drawn.Width())
                    continue;
                EXPECT_GE(drawn.left, Frame.left);
                EXPECT_LE(drawn.right, Frame.right);
                EXPECT_EQ(s.Count(Background, TRect(Frame.left + 2, Frame.top + 2, Frame.right - 2,
                                                    Frame.bottom - 2)),
                          26 * 16);
            }
}

TEST(KitFrames, NoneAsALineColourDrawsNothingButStillTakesItsRoom)
{
    for (TSides sides : SideSets) {
        TPixelSurface s(40, 30, Background);
        EXPECT_EQ(DrawSideLines(s.Canvas(), Frame, clNone, clNone, sides), Shrunk(Frame, sides, 1));
        EXPECT_EQ(s.Count(Background), 40 * 30) << SidesText(sides);
    }
    TPixelSurface s(40, 30, Background);
    DrawSideLines(s.Canvas(), Frame, clRed, clNone, AllSides);
    ExpectSides(s, {RGB(255, 0, 0), None, None, None, 1}, AllSides);
    s.Fill(Background);
    EXPECT_EQ(DrawBevelLines(s.Canvas(), Frame, clNone, clBlue, 3, AllSides), Shrunk(Frame, AllSides, 3));
    EXPECT_EQ(s.Count(RGB(0, 0, 255)), (30 + 20 - 1) + (28 + 18 - 1) + (26 + 16 - 1));
}

TEST(KitFrames, RoundedLineLeavesTheCornersOut)
{
    TPixelSurface s(40, 30, Background);
    EXPECT_EQ(DrawRoundedSides(s.Canvas(), Frame, clRed, AllSides), Shrunk(Frame, AllSides, 2));
    const COLORREF red = RGB(255, 0, 0);
    EXPECT_EQ(s.Pixel(Frame.left, Frame.top), Background);
    EXPECT_EQ(s.Pixel(Frame.left + 1, Frame.top + 1), red);
    EXPECT_EQ(s.Pixel(Frame.right - 2, Frame.bottom - 2), red);
    EXPECT_EQ(s.Pixel(Frame.right - 1, Frame.bottom - 1), Background);
    // Four lines, each 2 shorter at both ends, and four corner pixels.
    EXPECT_EQ(s.Count(red), 2 * (30 - 4) + 2 * (20 - 4) + 4);

    // The top alone runs from end to end, without corner pixels.
    s.Fill(Background);
    EXPECT_EQ(DrawRoundedSides(s.Canvas(), Frame, clRed, {sdTop}), Shrunk(Frame, {sdTop}, 2));
    EXPECT_EQ(s.BoundsOfAllBut(Background), TRect(Frame.left, Frame.top, Frame.right, Frame.top + 1));
}

TEST(KitFrames, DotFrameSetsEverySecondPixel)
{
    TPixelSurface s(40, 30, RGB(255, 255, 255));
    EXPECT_EQ(DrawDotFrame(s.Canvas(), Frame), TRect(6, 6, 34, 24));
    EXPECT_EQ(s.Pixel(Frame.left, Frame.top), RGB(255, 255, 255));
    EXPECT_EQ(s.Pixel(Frame.left + 1, Frame.top), RGB(0, 0, 0));
    EXPECT_EQ(s.Pixel(Frame.left, Frame.top + 1), RGB(0, 0, 0));
    EXPECT_EQ(s.Count(RGB(0, 0, 0), TRect(Frame.left, Frame.top, Frame.right, Frame.top + 1)), 15);
    EXPECT_EQ(s.BoundsOfAllBut(RGB(255, 255, 255)), Frame);
}

TEST(KitLayeredBorders, RoundedOuterFrameShowsParentAndOwnColourAtTheCorners)
{
    TPixelSurface s(40, 30, Background);
    const TColor parent = clYellow, own = clAqua, flat = static_cast<TColor>(RGB(100, 50, 25));
    TRect client = DrawLayeredBorders(s.Canvas(), Frame, fsFlatRounded, fsNone, 0, AllSides, 1, clRed, clWhite,
                                      clGray, flat, 0, own, parent, false);
    EXPECT_EQ(client, Shrunk(Frame, AllSides, 2));
    EXPECT_EQ(s.Pixel(Frame.left, Frame.top), ColorToRGB(parent));
    EXPECT_EQ(s.Pixel(Frame.left + 1, Frame.top), ColorToRGB(parent));
    EXPECT_EQ(s.Pixel(Frame.left + 1, Frame.top + 1), ColorToRGB(flat));
    EXPECT_EQ(s.Pixel(Frame.left + 1, 15), ColorToRGB(own));
    EXPECT_EQ(s.Pixel(Frame.left, 15), ColorToRGB(flat));
    EXPECT_EQ(s.Pixel(Frame.left + 2, Frame.top + 1), ColorToRGB(own));
}

TEST(KitLayeredBorders, LayersNestOnTheRequestedSides)
{
    TPixelSurface s(40, 30, Background);
    // Outer status bevel 2 wide, a 1-pixel border, an inner flat line lightened by 0.
    TSides sides{sdLeft, sdTop};
    TRect client = DrawLayeredBorders(s.Canvas(), Frame, fsStatus, fsFlat, 1, sides, 2, clRed, clWhite, clBlue,
                                      clLime, 0, clBlack, clBlack, false);
    EXPECT_EQ(client, Shrunk(Frame, sides, 4));
    EXPECT_EQ(s.Pixel(Frame.left, 15), ColorToRGB(clBlue));
    EXPECT_EQ(s.Pixel(Frame.left + 1, 15), ColorToRGB(clBlue));
    EXPECT_EQ(s.Pixel(Frame.left + 2, 15), ColorToRGB(clRed));
    EXPECT_EQ(s.Pixel(Frame.left + 3, 15), ColorToRGB(clLime));
    EXPECT_EQ(s.Pixel(Frame.right - 1, 15), Background);
    // Shifting the flat colour darkens it.
    s.Fill(Background);
    DrawLayeredBorders(s.Canvas(), Frame, fsFlat, fsNone, 0, AllSides, 1, clRed, clWhite, clBlue, clLime, -40,
                       clBlack, clBlack, false);
    EXPECT_EQ(s.Pixel(Frame.left, 15), ColorToRGB(DarkenColor(clLime, 40)));
}

}  // namespace
