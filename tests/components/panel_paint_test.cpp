#include <gtest/gtest.h>

#include "components/KitPanel.h"
#include "panel_fixture.h"

namespace {

constexpr TColor Fill = 0x0020C040;
constexpr TColor Band = 0x00A02020;
constexpr TColor Frame = 0x000000C0;

// The client area is filled with the panel's colour, exactly up to the frames and the border band.
TEST_F(KitPanelTest, EveryBorderStyleLeavesTheClientAreaFilledWithTheColour)
{
    struct {
        TFrameStyleEx outer, inner;
        int borderWidth;
        TSides sides;
    } const cases[] = {
        {fsNone, fsNone, 0, AllSides},       {fsFlat, fsNone, 0, AllSides},
        {fsGroove, fsNone, 0, AllSides},     {fsBump, fsNone, 0, AllSides},
        {fsLowered, fsNone, 0, AllSides},    {fsButtonDown, fsNone, 0, AllSides},
        {fsRaised, fsNone, 0, AllSides},     {fsButtonUp, fsNone, 0, AllSides},
        {fsStatus, fsNone, 0, AllSides},     {fsPopup, fsNone, 0, AllSides},
        {fsFlatBold, fsNone, 0, AllSides},   {fsRaised, fsLowered, 3, AllSides},
        {fsFlat, fsFlatBold, 2, TSides{sdLeft, sdBottom}},
        {fsStatus, fsPopup, 1, TSides{sdTop, sdRight}},
    };
    TKitPanel* panel = AddPanel(50, 30);
    panel->SetColor(Fill);
    panel->SetBorderColor(Band);
    panel->SetFlatColor(Frame);
    panel->SetBevelWidth(2);
    for (const auto& c : cases) {
        panel->SetBorderOuter(c.outer);
        panel->SetBorderInner(c.inner);
        panel->SetBorderWidth(c.borderWidth);
        panel->SetBorderSides(c.sides);
        // The border band lies inside the frames, on the same sides.
        TRect client = panel->GetClientRect();
        int band = c.borderWidth;
        TRect fill(client.left + (c.sides.Contains(sdLeft) ? band : 0), client.top + (c.sides.Contains(sdTop) ? band : 0),
                   client.right - (c.sides.Contains(sdRight) ? band : 0),
                   client.bottom - (c.sides.Contains(sdBottom) ? band : 0));
        auto picture = Print(panel);
        SCOPED_TRACE(testing::Message() << "outer " << c.outer << " inner " << c.inner << " band " << c.borderWidth);
        EXPECT_EQ(picture->Count(RGB(1, 2, 3)), 0) << "every pixel is painted";
        EXPECT_EQ(picture->Count(Fill), fill.Width() * fill.Height());
        EXPECT_EQ(picture->Count(Fill, fill), fill.Width() * fill.Height());
        EXPECT_EQ(picture->Count(Band) > 0, c.borderWidth > 0) << "the band shows where a border width is set";
    }
}

// The rounded flat frame: the parent shows at the very corners, and the corner
// pixels of the ring just inside the frame take the frame colour.
TEST_F(KitPanelTest, ARoundedFrameHasItsInnerCornersInTheFrameColour)
{
    TKitPanel* panel = AddPanel(40, 20);
    panel->SetBorderOuter(fsFlatRounded);
    panel->SetBorderInner(fsNone);
    panel->SetColor(clWhite);
    panel->SetFlatColor(Frame);
    panel->SetFlatColorAdjustment(0);
    EXPECT_EQ(panel->GetClientRect(), TRect(2, 2, 38, 18));
    auto picture = Print(panel);
    for (auto [x, y] : {std::pair{1, 1}, {38, 1}, {38, 18}, {1, 18}})
        EXPECT_EQ(picture->Pixel(x, y), static_cast<COLORREF>(Frame)) << x << "," << y;
    for (auto [x, y] : {std::pair{0, 0}, {39, 0}, {39, 19}, {0, 19}})
        EXPECT_EQ(picture->Pixel(x, y), static_cast<COLORREF>(FormColor)) << x << "," << y;
    EXPECT_EQ(picture->Count(clWhite), 38 * 18 - 4);
    EXPECT_EQ(picture->Count(clWhite, TRect(1, 1, 39, 19)), 38 * 18 - 4);

    // Only the corner between two drawn sides is rounded.
    panel->SetBorderSides(TSides{sdLeft, sdTop});
    picture = Print(panel);
    EXPECT_EQ(picture->Pixel(1, 1), static_cast<COLORREF>(Frame));
    EXPECT_EQ(picture->Pixel(39, 1), static_cast<COLORREF>(clWhite));
    EXPECT_EQ(picture->Pixel(1, 19), static_cast<COLORREF>(clWhite));
    EXPECT_EQ(picture->Pixel(39, 19), static_cast<COLORREF>(clWhite));
}

TEST_F(KitPanelTest, APanelWithoutFramesOrCaptionPaintsOnlyItsColour)
{
    TKitPanel* panel = AddPanel(30, 20);
    panel->SetBorderOuter(fsNone);
    panel->SetColor(Fill);
    EXPECT_EQ(Print(panel)->Count(Fill), 30 * 20);
}

TEST_F(KitPanelTest, TheGradientStyleFillsWithTheCustomColoursOrTheSchemesFrameAndGradient)
{
    TKitPanel* panel = AddPanel(30, 40);
    panel->SetBorderOuter(fsFlat);
    panel->SetFlatColor(Frame);
    panel->SetVisualStyle(vsGradient);
    panel->SetGradientColorStyle(gcsCustom);
    panel->SetGradientColorStart(0x0000FF);
    panel->SetGradientColorStop(0xFF0000);
    auto picture = Print(panel);
    EXPECT_EQ(picture->Count(0xFF0000, TRect(1, 38, 29, 39)), 28);  // the bottom row ends in the stop colour
    COLORREF top = picture->Pixel(15, 1);
    EXPECT_GT(GetRValue(top), 200);
    EXPECT_LT(GetBValue(top), 60);
    EXPECT_EQ(picture->Pixel(0, 20), static_cast<COLORREF>(ShiftColor(Frame, 30)));

    // The scheme's colours: its frame colour unshifted, its gradient stop at the bottom.
    panel->SetGradientColorStyle(gcsSystem);
    TColor start, stop;
    GetGradientColors(gcsSystem, start, stop);
    picture = Print(panel);
    EXPECT_EQ(picture->Pixel(0, 20), ColorToRGB(GetGradientFrameColor(gcsSystem)));
    EXPECT_EQ(picture->Pixel(15, 38), ColorToRGB(stop));
}

TEST_F(KitPanelTest, ATransparentPanelShowsItsParentInsideItsFrame)
{
    TKitPanel* panel = AddPanel(30, 20);
    panel->SetBorderOuter(fsFlat);
    panel->SetFlatColor(Frame);
    panel->SetFlatColorAdjustment(0);
    panel->SetColor(Fill);
    panel->SetTransparent(true);
    EXPECT_FALSE(panel->GetControlStyle().Contains(csOpaque));
    auto picture = Print(panel);
    EXPECT_EQ(picture->Count(FormColor), 28 * 18);
    EXPECT_EQ(picture->Count(Frame), 2 * 30 + 2 * 18);
    EXPECT_EQ(picture->Count(Fill), 0);
    panel->SetTransparent(false);
    EXPECT_TRUE(panel->GetControlStyle().Contains(csOpaque));
}

// A 40 x 24 client area with a grid of 8 x 8: five columns and three rows.
TEST_F(KitPanelTest, TheGridIsDrawnInItsStyleOverTheClientArea)
{
    struct {
        TKitGridStyle style;
        uint16_t x, y;
        int pixels;
        TPoint on, off;
    } const cases[] = {
        {gsDots, 8, 8, 15, {7, 7}, {8, 7}},
        {gsDots, 0, 8, 0, {0, 0}, {7, 7}},
        {gsSolidLines, 8, 8, 5 * 24 + 3 * 40 - 15, {7, 0}, {6, 0}},
        {gsSolidLines, 0, 8, 3 * 40, {0, 7}, {7, 0}},
        {gsDottedLines, 8, 8, 5 * 12 + 3 * 20 - 15, {7, 1}, {7, 0}},
    };
    TKitPanel* panel = AddPanel(42, 26);
    panel->SetBorderOuter(fsFlat);
    panel->SetFlatColor(Frame);
    panel->SetColor(Fill);
    panel->SetGridColor(Band);
    panel->SetShowGrid(true);
    for (const auto& c : cases) {
        panel->SetGridStyle(c.style);
        panel->SetGridXSize(c.x);
        panel->SetGridYSize(c.y);
        auto picture = Print(panel);
        SCOPED_TRACE(testing::Message() << "style " << c.style << " size " << c.x << "x" << c.y);
        EXPECT_EQ(picture->Count(Band), c.pixels);
        if (c.pixels) {
            EXPECT_EQ(picture->Pixel(1 + c.on.x, 1 + c.on.y), static_cast<COLORREF>(Band));
        }
        EXPECT_EQ(picture->Pixel(1 + c.off.x, 1 + c.off.y), static_cast<COLORREF>(Fill));
    }
}

class KitPanelCaptionTest : public KitPanelTest {
protected:
    TKitPanel* CaptionPanel(int width, int height, const char* caption)
    {
        TKitPanel* panel = AddPanel(width, height);
        panel->SetBorderOuter(fsNone);
        panel->SetColor(clWhite);
        panel->GetFont()->SetName("Tahoma");
        panel->GetFont()->SetSize(10);
        panel->GetFont()->SetColor(clBlack);
        panel->SetCaption(caption);
        return panel;
    }
    static TRect Ink(TKitPanel* panel) { return Print(panel)->BoundsOfAllBut(RGB(255, 255, 255)); }
};

TEST_F(KitPanelCaptionTest, TheCaptionStandsAtTheTopTheMiddleOrTheBottomInsideItsMargins)
{
    TKitPanel* panel = CaptionPanel(200, 100, "Caption");
    panel->SetAlignmentVertical(avTop);
    TRect top = Ink(panel);
    panel->SetAlignmentVertical(avCenter);
    TRect middle = Ink(panel);
    panel->SetAlignmentVertical(avBottom);
    TRect bottom = Ink(panel);
    ASSERT_GT(top.Height(), 4);
    EXPECT_LT(top.top, 6);
    EXPECT_NEAR((middle.top + middle.bottom) / 2, 50, 4);
    EXPECT_GT(bottom.bottom, 90);
    EXPECT_EQ(top.Height(), middle.Height());
    EXPECT_EQ(top.left, middle.left);  // centred across in every case

    panel->SetTextMarginVertical(30);
    panel->SetAlignmentVertical(avTop);
    EXPECT_GE(Ink(panel).top, 30);
    panel->SetAlignmentVertical(avBottom);
    EXPECT_LE(Ink(panel).bottom, 70);
    panel->SetAlignment(taLeftJustify);
    panel->SetTextMargin(40);
    EXPECT_GE(Ink(panel).left, 40);
    EXPECT_LT(Ink(panel).left, 45);
}

TEST_F(KitPanelCaptionTest, ALongCaptionWrapsOnlyWithWordWrap)
{
    TKitPanel* panel = CaptionPanel(60, 120, "one two three four five six");
    TRect wrapped = Ink(panel);
    panel->SetWordWrap(false);
    TRect single = Ink(panel);
    EXPECT_GT(wrapped.Height(), 3 * single.Height());
}

TEST_F(KitPanelCaptionTest, ADisabledPanelWritesItsCaptionInGrayText)
{
    TKitPanel* panel = CaptionPanel(120, 40, "Caption");
    EXPECT_GT(Print(panel)->Count(clBlack), 0);
    panel->SetEnabled(false);
    auto picture = Print(panel);
    EXPECT_EQ(picture->Count(clBlack), 0);
    EXPECT_GT(picture->Count(ColorToRGB(clGrayText)), 0);
}

TEST_F(KitPanelTest, OnPaintComesAfterThePanelIsDrawn)
{
    TKitPanel* panel = AddPanel(30, 20);
    panel->SetBorderOuter(fsNone);
    panel->SetColor(Fill);
    int paints = 0;
    panel->OnPaint = TNotifyEvent::FromFunction([&](TObject* sender) {
        EXPECT_EQ(sender, panel);
        ++paints;
        panel->GetCanvas()->SetPixels(3, 4, Frame);
    });
    auto picture = Print(panel);
    EXPECT_EQ(paints, 1);
    EXPECT_EQ(picture->Pixel(3, 4), static_cast<COLORREF>(Frame));
}

}  // namespace
