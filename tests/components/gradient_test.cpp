// Gradients on a DIB section, against colours worked out here from the 16.16
// stepping: the colour k steps from `from` toward `to` over `steps` steps.
#include "kit_fixture.h"

#include <algorithm>
#include <cstdlib>

#include "components/KitCommon.h"
#include "components/KitGrafx.h"

namespace {

COLORREF Stepped(COLORREF from, COLORREF to, int steps, int k)
{
    auto channel = [&](int shift) {
        int a = static_cast<int>((from >> shift) & 0xFF), b = static_cast<int>((to >> shift) & 0xFF);
        int step = steps > 0 ? ((b << 16) - (a << 16)) / steps : 0;
        return ((a << 16) + k * step) >> 16;
    };
    return RGB(channel(0), channel(8), channel(16));
}

// Line i of E lines in end mode: StopColor at the last line.
COLORREF EndLine(COLORREF start, COLORREF stop, int extent, int i)
{
    return Stepped(stop, start, extent, extent - 1 - i);
}

// Line i of E lines in centre mode: StopColor at line E/2, and the last line
// always StartColor (for one or two lines it is the second pass's only band).
COLORREF CentreLine(COLORREF start, COLORREF stop, int extent, int i)
{
    int c = extent / 2;
    if (i == extent - 1)
        return start;
    if (i <= c)
        return Stepped(stop, start, c + 1, c - i);
    return Stepped(start, stop, extent - c - 1, extent - 1 - i);
}

const COLORREF Start = RGB(250, 10, 128), Stop = RGB(3, 200, 131);
const COLORREF Background = RGB(1, 2, 3);
constexpr int Margin = 3;

struct Size {
    int W, H;
};
const Size Sizes[] = {{1, 1}, {2, 1}, {37, 1}, {237, 1}, {1, 100}, {2, 100}, {37, 100}, {237, 100}};

std::string SizeText(const Size& s)
{
    return std::to_string(s.W) + "x" + std::to_string(s.H);
}

// Paints the gradient at (Margin, Margin) and checks that nothing outside it changed.
class GradientTest : public testing::Test {
protected:
    void Paint(const Size& s, TGradientDirection direction, COLORREF start, COLORREF stop)
    {
        surface = std::make_unique<TPixelSurface>(s.W + 2 * Margin, s.H + 2 * Margin, Background);
        DrawGradient(surface->Canvas(), Bounds(Margin, Margin, s.W, s.H), direction, static_cast<TColor>(start),
                     static_cast<TColor>(stop));
        EXPECT_EQ(surface->Count(Background), surface->Width() * surface->Height() - s.W * s.H)
            << "painted outside the rectangle or left pixels of it";
    }
    COLORREF At(int x, int y) const { return surface->Pixel(Margin + x, Margin + y); }

    std::unique_ptr<TPixelSurface> surface;
};

TEST_F(GradientTest, LinearDirectionsStepEveryLineAsTheFixedPointArithmeticSays)
{
    struct {
        TGradientDirection Direction;
        bool Rows;
        bool Centre;
    } directions[] = {{gdHorizontalEnd, true, false},
                      {gdHorizontalCenter, true, true},
                      {gdVerticalEnd, false, false},
                      {gdVerticalCenter, false, true}};
    for (const auto& d : directions)
        for (const Size& s : Sizes) {
            SCOPED_TRACE(std::to_string(d.Direction) + " " + SizeText(s));
            Paint(s, d.Direction, Start, Stop);
            int mismatches = 0;
            for (int y = 0; y < s.H; ++y)
                for (int x = 0; x < s.W; ++x) {
                    int line = d.Rows ? y : x, extent = d.Rows ? s.H : s.W;
                    COLORREF expected =
                        d.Centre ? CentreLine(Start, Stop, extent, line) : EndLine(Start, Stop, extent, line);
                    if (At(x, y) != expected && ++mismatches <= 3)
                        ADD_FAILURE() << "(" << x << "," << y << ") " << ColorText(At(x, y)) << " expected "
                                      << ColorText(expected);
                }
            // The end line of the end mode is StopColor exactly.
            if (!d.Centre) {
                EXPECT_EQ(At(s.W - 1, s.H - 1), Stop);
            }
        }
}

TEST_F(GradientTest, EndModeFallsOneStepShortOfTheStartColour)
{
    Paint({5, 100}, gdHorizontalEnd, Start, Stop);
    EXPECT_EQ(At(2, 99), Stop);
    EXPECT_EQ(At(2, 0), Stepped(Stop, Start, 100, 99));
    EXPECT_NE(At(2, 0), Start);
}

int Distance(COLORREF a, COLORREF b)
{
    return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
           std::abs(GetBValue(a) - GetBValue(b));
}

TEST_F(GradientTest, BoxDirectionsAreMirroredAndRunFromTheCentreOutToTheEdges)
{
    // No channel of these colours is 255, so a pixel left as the scratch bitmap's white shows;
    // the close pair leaves its outermost band to the edge colour's fill.
    const std::pair<COLORREF, COLORREF> colours[] = {{RGB(20, 60, 200), RGB(200, 160, 10)},
                                                     {RGB(100, 100, 100), RGB(104, 103, 102)}};
    for (auto [edge, centre] : colours)
        for (TGradientDirection direction : {gdHorizontalBox, gdVerticalBox, gdSquareBox, gdBigSquareBox})
            for (const Size& s : {Size{37, 100}, Size{237, 100}, Size{100, 37}, Size{6, 6}, Size{7, 9}}) {
                SCOPED_TRACE(std::to_string(direction) + " " + SizeText(s) + " from " + ColorText(edge));
                Paint(s, direction, edge, centre);
                EXPECT_EQ(At((s.W - 1) / 2, (s.H - 1) / 2), centre);
                int outside = 0, asymmetric = 0, nearest = 1000;
                for (int y = 0; y < s.H; ++y)
                    for (int x = 0; x < s.W; ++x) {
                        COLORREF c = At(x, y);
                        nearest = std::min(nearest, Distance(c, edge));
                        asymmetric += c != At(s.W - 1 - x, y) || c != At(x, s.H - 1 - y);
                        for (int shift : {0, 8, 16}) {
                            int v = (c >> shift) & 0xFF, a = (edge >> shift) & 0xFF, b = (centre >> shift) & 0xFF;
                            outside += v < std::min(a, b) || v > std::max(a, b);
                        }
                    }
                EXPECT_EQ(outside, 0) << "pixels of neither colour nor between them";
                EXPECT_EQ(asymmetric, 0);
                // The corners are as near the edge colour as any pixel gets.
                for (auto [x, y] : {std::pair{0, 0}, {s.W - 1, 0}, {0, s.H - 1}, {s.W - 1, s.H - 1}})
                    EXPECT_EQ(Distance(At(x, y), edge), nearest) << x << "," << y;
            }
}

TEST_F(GradientTest, BoxInsetsLeaveAFlatCentre)
{
    const COLORREF edge = RGB(20, 60, 200), centre = RGB(200, 160, 10);
    Paint({40, 100}, gdBigSquareBox, edge, centre);
    // cx = 19, cy = 49; insets 10 and 25: the quadrant's flat part runs from (9, 24) to the centre.
    EXPECT_EQ(surface->Count(centre, TRect(Margin + 9, Margin + 24, Margin + 20, Margin + 50)), 11 * 26);
    EXPECT_NE(At(5, 10), centre);
}

TEST_F(GradientTest, SmallBoxesAndEqualColoursAreOneSolidStartColour)
{
    struct {
        TGradientDirection Direction;
        Size S;
        COLORREF Stop;
    } cases[] = {{gdSquareBox, {4, 50}, Stop}, {gdVerticalBox, {50, 4}, Stop}, {gdBigSquareBox, {50, 50}, Start},
                 {gdHorizontalBox, {3, 3}, Stop}, {gdDiagonalUp, {37, 20}, Start}, {gdDiagonalDown, {37, 20}, Start}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.Direction) + " " + SizeText(c.S));
        Paint(c.S, c.Direction, Start, c.Stop);
        EXPECT_EQ(surface->Count(Start), c.S.W * c.S.H);
    }
}

TEST_F(GradientTest, DiagonalsRunFromTheirBottomCornerToTheOppositeOne)
{
    const COLORREF a = RGB(20, 60, 200), b = RGB(200, 160, 10);
    auto closeTo = [](COLORREF c, COLORREF target) { return Distance(c, target) <= 24; };
    for (const Size& s : {Size{37, 100}, Size{237, 100}, Size{100, 37}}) {
        SCOPED_TRACE(SizeText(s));
        Paint(s, gdDiagonalUp, a, b);
        EXPECT_PRED2(closeTo, At(0, s.H - 1), a);
        EXPECT_PRED2(closeTo, At(s.W - 1, 0), b);
        Paint(s, gdDiagonalDown, a, b);
        EXPECT_PRED2(closeTo, At(s.W - 1, s.H - 1), b);
        EXPECT_PRED2(closeTo, At(0, 0), a);
        // Along the bottom row the colour moves steadily from one end to the other.
        int turns = 0;
        for (int x = 2; x < s.W; ++x)
            turns += Distance(At(x, s.H - 1), b) > Distance(At(x - 1, s.H - 1), b);
        EXPECT_EQ(turns, 0);
    }
}

TEST_F(GradientTest, SwappedCornersPaintTheSamePixelsAndEmptyRectanglesNone)
{
    TPixelSurface normal(40, 30, Background), swapped(40, 30, Background);
    DrawGradient(normal.Canvas(), TRect(5, 4, 30, 25), gdVerticalCenter, clRed, clBlue);
    DrawGradient(swapped.Canvas(), TRect(30, 25, 5, 4), gdVerticalCenter, clRed, clBlue);
    EXPECT_EQ(normal.BoundsOfAllBut(Background), TRect(5, 4, 30, 25));
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(swapped.Pixel(x, y), normal.Pixel(x, y)) << x << "," << y;

    for (TRect empty : {TRect(5, 5, 5, 20), TRect(5, 5, 20, 5), TRect(8, 8, 2, 8)}) {
        DrawGradient(swapped.Canvas(), empty, gdSquareBox, clRed, clBlue);
        DrawGradient(swapped.Canvas(), empty, gdDiagonalUp, clRed, clBlue);
    }
    EXPECT_EQ(swapped.Count(normal.Pixel(17, 15)), normal.Count(normal.Pixel(17, 15)));
    EXPECT_EQ(swapped.Count(Background), normal.Count(Background));
}

TEST_F(GradientTest, SystemColoursAreResolved)
{
    Paint({10, 20}, gdHorizontalEnd, static_cast<TColor>(clBtnFace), static_cast<TColor>(clHighlight));
    EXPECT_EQ(At(3, 19), ColorToRGB(clHighlight));
    EXPECT_EQ(At(3, 0), Stepped(ColorToRGB(clHighlight), ColorToRGB(clBtnFace), 20, 19));
}

TEST(GradientRing, PaintsOnlyTheEdgeAndKeepsTheCallersClipping)
{
    TPixelSurface surface(60, 40, Background);
    // The caller clips to the left half.
    IntersectClipRect(surface.DC(), 0, 0, 30, 40);
    DrawGradientRing(surface.Canvas(), TRect(10, 10, 50, 30), gdVerticalEnd, clRed, clBlue);
    EXPECT_EQ(surface.BoundsOfAllBut(Background), TRect(10, 10, 30, 30));
    EXPECT_EQ(surface.Count(Background, TRect(12, 12, 30, 28)), 18 * 16) << "the ring's inside was painted";
    EXPECT_NE(surface.Pixel(11, 20), Background);

    // Still clipped afterwards: a fill over everything lands in the left half only.
    surface.Canvas()->GetBrush()->SetColor(clLime);
    surface.Canvas()->FillRect(TRect(0, 0, 60, 40));
    EXPECT_EQ(surface.Count(ColorToRGB(clLime)), 30 * 40);
}

TEST(GradientRing, DrawsNothingWithoutFullColour)
{
    TPixelSurface surface(30, 30, Background);
    bool saved = FullColorSupported;
    FullColorSupported = false;
    DrawGradientRing(surface.Canvas(), TRect(0, 0, 30, 30), gdSquareBox, clRed, clBlue);
    FullColorSupported = saved;
    EXPECT_EQ(surface.Count(Background), 30 * 30);
}

}  // namespace
