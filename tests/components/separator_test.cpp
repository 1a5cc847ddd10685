// The gradient separator painted into a DIB section, and its size and settings.
#include "kit_fixture.h"

#include "classlib/FormText.h"
#include "classlib/Forms.h"
#include "components/KitBckgnd.h"

namespace {

const COLORREF Background = RGB(1, 2, 3);

class SeparatorTest : public testing::Test {
protected:
    void SetUp() override { sep = new TKitSeparator(&owner); }
    // Paints the separator as its parent would, into a surface of its size.
    std::unique_ptr<TPixelSurface> Painted(int width, int height)
    {
        auto s = std::make_unique<TPixelSurface>(width, height, Background);
        sep->Perform(WM_PAINT, reinterpret_cast<WPARAM>(s->DC()), 0);
        return s;
    }

    TComponent owner{nullptr};
    TKitSeparator* sep = nullptr;
};

TEST_F(SeparatorTest, StartsAsAHorizontalLineFadingFromTheHighlightInTheMiddle)
{
    EXPECT_EQ(sep->GetWidth(), 200);
    EXPECT_EQ(sep->GetHeight(), 2);
    EXPECT_EQ(sep->GetOrientation(), orHorizontal);
    EXPECT_EQ(sep->GetHighlightLocation(), hlCenter);
    EXPECT_EQ(sep->GetHighlightColor(), clHighlight);
    EXPECT_TRUE(sep->GetShowGradient());
}

TEST_F(SeparatorTest, HighlightLiesWhereTheLocationSays)
{
    struct {
        TOrientation Orientation;
        TKitHighlightLocation Location;
        TGradientDirection Direction;
        int HighlightAt;  // column (horizontal) or row (vertical) in StopColor's place or nearest to it
        int ColorAt;
    } cases[] = {
        {orHorizontal, hlCenter, gdVerticalCenter, 100, 199},  {orHorizontal, hlUpperLeft, gdVerticalEnd, 0, 199},
        {orHorizontal, hlLowerRight, gdVerticalEnd, 199, 0},   {orVertical, hlCenter, gdHorizontalCenter, 100, 199},
        {orVertical, hlUpperLeft, gdHorizontalEnd, 0, 199},    {orVertical, hlLowerRight, gdHorizontalEnd, 199, 0},
    };
    sep->SetColor(clWhite);
    sep->SetHighlightColor(clBlue);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.Orientation) + " " + std::to_string(c.Location));
        sep->SetOrientation(c.Orientation);
        sep->SetHighlightLocation(c.Location);
        EXPECT_EQ(sep->GetGradientDirection(), c.Direction);
        bool horizontal = c.Orientation == orHorizontal;
        auto s = Painted(sep->GetWidth(), sep->GetHeight());
        auto at = [&](int along) { return horizontal ? s->Pixel(along, 1) : s->Pixel(1, along); };
        COLORREF highlight = at(c.HighlightAt), color = at(c.ColorAt);
        // Whichever end the stepping reaches exactly, the other lies within one step.
        EXPECT_LE(GetRValue(highlight), 2) << ColorText(highlight);
        EXPECT_GE(GetRValue(color), 253) << ColorText(color);
        EXPECT_EQ(s->Count(Background), 0);
    }
}

TEST_F(SeparatorTest, CentredHighlightReachesColourExactlyOnlyAtTheRightEnd)
{
    // The stepping stops one step short at the left end; only the right end's pass starts on Color.
    sep->SetColor(clWhite);
    sep->SetHighlightColor(clBlue);
    auto s = Painted(200, 2);
    EXPECT_EQ(s->Pixel(100, 0), RGB(0, 0, 255));
    EXPECT_EQ(s->Pixel(199, 0), RGB(255, 255, 255));
    EXPECT_NE(s->Pixel(0, 0), RGB(255, 255, 255));
    EXPECT_EQ(s->Pixel(0, 0), s->Pixel(0, 1));
}

TEST_F(SeparatorTest, WithoutGradientOrFullColourTheLineIsOneColour)
{
    sep->SetColor(clRed);
    sep->SetHighlightColor(clBlue);
    sep->SetShowGradient(false);
    EXPECT_EQ(Painted(200, 2)->Count(RGB(255, 0, 0)), 400);

    sep->SetShowGradient(true);
    bool saved = FullColorSupported;
    FullColorSupported = false;
    EXPECT_EQ(Painted(200, 2)->Count(RGB(0, 0, 255)), 400) << "the stop colour, the highlight for a centred one";
    sep->SetHighlightLocation(hlUpperLeft);
    EXPECT_EQ(Painted(200, 2)->Count(RGB(255, 0, 0)), 400);
    FullColorSupported = saved;
}

TEST_F(SeparatorTest, ASeparatorWithoutRoomPaintsAPixelAndKeepsItsSize)
{
    sep->SetColor(clRed);
    sep->SetBounds(0, 0, 0, 0);
    auto s = Painted(3, 3);
    EXPECT_EQ(sep->GetWidth(), 0);
    EXPECT_EQ(sep->GetHeight(), 0);
    EXPECT_EQ(s->Pixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(s->Count(Background), 8);
}

TEST_F(SeparatorTest, ColourAndHighlightChangesReachTheGradient)
{
    sep->SetColor(clRed);
    EXPECT_EQ(sep->GetStartColor(), clRed);
    EXPECT_EQ(sep->GetStopColor(), clHighlight);
    sep->SetHighlightColor(clLime);
    sep->SetHighlightLocation(hlUpperLeft);
    EXPECT_EQ(sep->GetStartColor(), clLime);
    EXPECT_EQ(sep->GetStopColor(), clRed);
}

TEST_F(SeparatorTest, TurningTheLineSwapsItsSizeUnlessAFormResourceIsBeingRead)
{
    sep->SetOrientation(orVertical);
    EXPECT_EQ(sep->GetWidth(), 2);
    EXPECT_EQ(sep->GetHeight(), 200);
    sep->SetOrientation(orVertical);
    EXPECT_EQ(sep->GetWidth(), 2);

    const AnsiString text = "object frm: TForm\n"
                            "  object sep: TKitSeparator\n"
                            "    Left = 4\n    Top = 5\n    Width = 3\n    Height = 300\n"
                            "    Orientation = orVertical\n    HighlightLocation = hlLowerRight\n"
                            "    Color = clRed\n    HighlightColor = clBlue\n"
                            "  end\nend\n";
    TMemoryStream in, binary;
    in.WriteBuffer(text.data(), static_cast<int32_t>(text.size()));
    in.SetPosition(0);
    ObjectTextToBinary(&in, &binary);
    binary.SetPosition(0);
    RegisterClass(TKitSeparator::ClassInfo());
    TForm form(nullptr);
    TReader(&binary).ReadRootComponent(&form);
    auto* read = static_cast<TKitSeparator*>(form.FindComponent("sep"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->GetWidth(), 3);
    EXPECT_EQ(read->GetHeight(), 300);
    EXPECT_EQ(read->GetGradientDirection(), gdHorizontalEnd);
    EXPECT_EQ(read->GetStartColor(), clRed);
    EXPECT_EQ(read->GetStopColor(), clBlue);
}

}  // namespace
