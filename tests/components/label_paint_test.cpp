#include <gtest/gtest.h>

#include <cmath>

#include "components/KitLabel.h"
#include "kit_form_fixture.h"

namespace {

constexpr COLORREF Ink = RGB(0, 0, 0);
constexpr COLORREF Paper = RGB(255, 255, 255);
constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Blue = RGB(0, 0, 255);

class KitLabelPaintTest : public KitFormTest {
protected:
    TKitLabel* AddLabel(int width, int height, const AnsiString& caption, int size = 14)
    {
        TKitLabel* label = Add<TKitLabel>(10, 10, width, height);
        label->SetAutoSize(false);
        label->GetFont()->SetName("Tahoma");
        label->GetFont()->SetSize(size);
        label->GetFont()->SetStyle(TFontStyles{fsBold});
        label->GetFont()->SetColor(static_cast<TColor>(Ink));
        label->SetColor(static_cast<TColor>(Paper));
        label->SetCaption(caption);
        return label;
    }
};

// Each style's copies lie where its offsets put them around the text itself,
// judged by the boxes of each colour: the text's edges, not its letters.
TEST_F(KitLabelPaintTest, EachTextStyleDrawsItsCopiesAtTheirOffsets)
{
    struct Case {
        const char* Name;
        TTextStyle Style;
        bool Light;
        int RedOffset;   // the shadow colour's copy: +1 or +depth to the lower right, -1 upper left, 0 none
        int BlueOffset;  // the highlight colour's copy
    };
    const Case cases[] = {
        {"normal", tsNormal, false, 0, 0},          {"raised", tsRaised, false, 1, -1},
        {"raised light", tsRaised, true, 0, -1},    {"recessed", tsRecessed, false, -1, 1},
        {"recessed light", tsRecessed, true, 0, 1}, {"shadow", tsShadow, false, 3, 0},
    };
    TKitLabel* label = AddLabel(120, 50, "HWH");
    label->SetShadowColor(static_cast<TColor>(Red));
    label->SetHighlightColor(static_cast<TColor>(Blue));
    label->SetShadowDepth(3);
    label->SetLayout(tlCenter);
    auto expectCopy = [](const TRect& copy, const TRect& text, int offset, const char* what) {
        if (offset == 0) {
            EXPECT_TRUE(IsEmpty(copy)) << what << " copy drawn";
        } else if (offset > 0) {
            EXPECT_EQ(copy.right, text.right + offset) << what;
            EXPECT_EQ(copy.bottom, text.bottom + offset) << what;
        } else {
            EXPECT_EQ(copy.left, text.left + offset) << what;
            EXPECT_EQ(copy.top, text.top + offset) << what;
        }
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        label->SetTextStyle(c.Style);
        label->SetLightTextStyle(c.Light);
        auto picture = PrintGraphic(label);
        TRect text = BoxOf(*picture, Ink, 60);
        ASSERT_FALSE(IsEmpty(text));
        EXPECT_GT(text.Width(), 30);
        // tlCenter: the text sits in the middle of the height.
        EXPECT_LE(std::abs((text.top + text.bottom) - 50), 6);
        expectCopy(BoxOf(*picture, Red, 60), text, c.RedOffset, "shadow colour");
        expectCopy(BoxOf(*picture, Blue, 60), text, c.BlueOffset, "highlight colour");
        EXPECT_EQ(picture->Count(RGB(1, 2, 3)), 0) << "the label paints all its area";
    }
    // Disabled: the text once, in the grey text colour, and no copies.
    label->SetTextStyle(tsRaised);
    label->SetEnabled(false);
    auto picture = PrintGraphic(label);
    EXPECT_TRUE(IsEmpty(BoxOf(*picture, Red, 60)));
    EXPECT_TRUE(IsEmpty(BoxOf(*picture, Blue, 60)));
    EXPECT_TRUE(IsEmpty(BoxOf(*picture, Ink, 30)));
    EXPECT_FALSE(IsEmpty(BoxOf(*picture, ColorToRGB(clGrayText), 30)));
}

// Flat rotation: the box of the turned caption is wide for 0 and 180 degrees and
// tall for 90 and 270, centred for cpCenter; where the heavy end of "MMM---"
// lies tells the reading direction.
TEST_F(KitLabelPaintTest, FlatRotationTurnsTheCaptionAboutTheCentre)
{
    struct Case {
        int Angle;
        bool Wide;
        int HeavyX, HeavyY;  // the side the "MMM" lies on: -1 left/top, +1 right/bottom, 0 either
    };
    const Case cases[] = {{0, true, -1, 0}, {90, false, 0, 1}, {180, true, 1, 0}, {270, false, 0, -1}};
    TKitLabel* label = AddLabel(160, 160, "MMM---", 16);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Angle << " degrees");
        label->SetAngle(c.Angle);
        label->SetRotation(roFlat);  // 0 stays upright: the rotation alone resets the angle
        label->SetAngle(c.Angle);
        ASSERT_EQ(label->GetRotation(), roFlat);
        auto picture = PrintGraphic(label);
        TRect ink = BoxOf(*picture, Ink, 60);
        ASSERT_FALSE(IsEmpty(ink));
        if (c.Wide)
            EXPECT_GT(ink.Width(), 2 * ink.Height());
        else
            EXPECT_GT(ink.Height(), 2 * ink.Width());
        EXPECT_LE(std::abs(ink.left + ink.right - 160), 6) << "centred across";
        EXPECT_LE(std::abs(ink.top + ink.bottom - 160), 6) << "centred down";
        // The ink's centre of mass leans toward the heavy letters.
        double sx = 0, sy = 0, n = 0;
        for (int y = ink.top; y < ink.bottom; ++y)
            for (int x = ink.left; x < ink.right; ++x)
                if (Near(picture->Pixel(x, y), Ink, 60))
                    sx += x, sy += y, ++n;
        double dx = sx / n - (ink.left + ink.right) / 2.0, dy = sy / n - (ink.top + ink.bottom) / 2.0;
        if (c.HeavyX) {
            EXPECT_GT(dx * c.HeavyX, 3);
        }
        if (c.HeavyY) {
            EXPECT_GT(dy * c.HeavyY, 3);
        }
    }
    // An oblique angle: the box is about as tall as it is wide, still centred.
    label->SetAngle(45);
    auto picture = PrintGraphic(label);
    TRect ink = BoxOf(*picture, Ink, 60);
    EXPECT_LE(std::abs(ink.Width() - ink.Height()), ink.Width() / 4);
    EXPECT_GT(ink.Width(), 40);
    EXPECT_LE(std::abs(ink.left + ink.right - 160), 6);
    EXPECT_LE(std::abs(ink.top + ink.bottom - 160), 6);
}

TEST_F(KitLabelPaintTest, ACornerCentrePointPutsTheTurnedCaptionInThatCorner)
{
    TKitLabel* label = AddLabel(160, 160, "MMM---", 16);
    label->SetRotation(roFlat);
    label->SetAngle(90);
    label->SetBorderOuter(fsFlat);
    label->SetBorderWidth(3);
    label->SetBorderColor(static_cast<TColor>(Red));
    label->SetCenterPoint(cpLowerRight);
    auto picture = PrintGraphic(label);
    TRect ink = BoxOf(*picture, Ink, 60);
    // Inside the frame (1) and the band (3), against the lower right.
    EXPECT_LE(ink.right, 156);
    EXPECT_GE(ink.right, 148);
    EXPECT_LE(ink.bottom, 156);
    EXPECT_GE(ink.bottom, 148);
    EXPECT_EQ(picture->Pixel(2, 80), Red);
}

// The arc: letters along an ellipse near the edge, starting at the left; the middle stays empty.
TEST_F(KitLabelPaintTest, ArcTextRunsAlongTheEdgeAndLeavesTheMiddleEmpty)
{
    TKitLabel* label = AddLabel(160, 160, "ABCDEFGH", 12);
    label->SetRotation(roCurve);
    auto picture = PrintGraphic(label);
    TRect ink = BoxOf(*picture, Ink, 60);
    ASSERT_FALSE(IsEmpty(ink));
    EXPECT_LT(ink.left, 40) << "the first letter is at the left";
    EXPECT_LT(ink.top, 40) << "the letters run up over the top";
    EXPECT_EQ(picture->Count(Ink, TRect(50, 50, 110, 110)), 0);
}

// Opaque: the flat-rounded frame shows the parent's colour at the corners and
// the label's colour inside. Transparent: neither is painted.
TEST_F(KitLabelPaintTest, TransparentLeavesBackgroundAndRoundedCornersUnpainted)
{
    TKitLabel* label = AddLabel(60, 30, "");
    label->SetBorderOuter(fsFlatRounded);
    label->SetFlatColor(static_cast<TColor>(Red));
    label->SetFlatColorAdjustment(0);
    auto picture = PrintGraphic(label);
    EXPECT_EQ(picture->Pixel(0, 0), static_cast<COLORREF>(FormColor));
    EXPECT_EQ(picture->Pixel(30, 0), Red);
    EXPECT_EQ(picture->Pixel(30, 15), Paper);

    label->SetTransparent(true);
    const COLORREF under = RGB(9, 99, 9);
    picture = PrintGraphic(label, under);
    EXPECT_EQ(picture->Pixel(0, 0), under);
    EXPECT_EQ(picture->Pixel(1, 0), under);
    EXPECT_EQ(picture->Pixel(30, 0), Red);
    EXPECT_EQ(picture->Pixel(30, 15), under);
}

// AutoSize takes the text and the frames, the band and the margin around it.
TEST_F(KitLabelPaintTest, AutoSizeMakesRoomForFramesBandAndMargin)
{
    TKitLabel* plain = AddLabel(10, 10, "Sized");
    plain->SetAutoSize(true);
    int w = plain->GetWidth(), h = plain->GetHeight();
    ASSERT_GT(w, 20);
    TKitLabel* framed = AddLabel(10, 10, "Sized");
    framed->SetBorderOuter(fsRaised);
    framed->SetBorderInner(fsFlat);
    framed->SetBorderWidth(3);
    framed->SetTextMargin(2);
    framed->SetAutoSize(true);
    EXPECT_EQ(framed->GetWidth(), w + 2 * (2 + 1 + 3 + 2));
    EXPECT_EQ(framed->GetHeight(), h + 2 * (2 + 1 + 3 + 2));
    // The text fits: it is drawn whole inside the frames.
    framed->SetColor(static_cast<TColor>(Paper));
    auto picture = PrintGraphic(framed);
    TRect ink = BoxOf(*picture, Ink, 60);
    EXPECT_GE(ink.left, 8);
    EXPECT_LE(ink.right, framed->GetWidth() - 8);
}

}  // namespace
