#include <gtest/gtest.h>

#include "components/KitBlinkList.h"
#include "components/KitLabel.h"
#include "kit_form_fixture.h"
#include "kit_stream.h"

namespace {

class KitLabelTest : public KitFormTest {
protected:
    TKitLabel* AddLabel()
    {
        TKitLabel* label = Add<TKitLabel>(10, 10, 100, 30);
        label->GetFont()->SetName("Tahoma");
        return label;
    }
    static void Tick() { BlinkList->GetTimer()->GetOnTimer()(BlinkList->GetTimer()); }
};

// Angles below -360 too come out in 0..359.
TEST_F(KitLabelTest, AnglesAreKeptInZeroTo359)
{
    struct {
        int Given, Stored;
    } const cases[] = {{-90, 270}, {725, 5}, {-400, 320}, {-360, 0}, {-721, 359}, {360, 0}, {359, 359}, {-1, 359}};
    TKitLabel* label = AddLabel();
    for (const auto& c : cases) {
        label->SetAngle(c.Given);
        EXPECT_EQ(label->GetAngle(), c.Stored) << c.Given;
    }
}

TEST_F(KitLabelTest, AnAngleTurnsTheCaptionFlatAndANewRotationStartsUpright)
{
    TKitLabel* label = AddLabel();
    label->SetAngle(45);
    EXPECT_EQ(label->GetRotation(), roFlat);
    EXPECT_EQ(label->GetAngle(), 45);
    label->SetRotation(roCurve);  // the arc keeps its start angle
    EXPECT_EQ(label->GetAngle(), 45);
    label->SetCenterPoint(cpLowerLeft);
    label->SetRotation(roFlat);
    EXPECT_EQ(label->GetAngle(), 0);
    EXPECT_EQ(label->GetCenterPoint(), cpCenter);
    label->SetAngle(30);
    label->SetRotation(roNone);
    EXPECT_EQ(label->GetAngle(), 0);
}

// Streams name Angle before Rotation: a stored roFlat resets the stored angle,
// as designed, while an angle alone makes the label flat-rotated once loaded.
TEST_F(KitLabelTest, LoadingKeepsTheAngleOnlyWithoutARotation)
{
    RegisterClass(TKitLabel::ClassInfo());
    auto read = [](const char* body) {
        auto component = ReadComponentText(AnsiString("object L: TKitLabel\n") + body + "end\n");
        return std::unique_ptr<TKitLabel>(static_cast<TKitLabel*>(component.release()));
    };
    auto alone = read("  Angle = 45\n  Font.Name = 'Tahoma'\n");
    EXPECT_EQ(alone->GetAngle(), 45);
    EXPECT_EQ(alone->GetRotation(), roFlat);
    auto both = read("  Angle = 45\n  Rotation = roFlat\n  Font.Name = 'Tahoma'\n");
    EXPECT_EQ(both->GetAngle(), 0);
    EXPECT_EQ(both->GetRotation(), roFlat);
}

// Turned letters need an outline font, so only a bitmap font gives way to
// Verdana: an outline font stays under every rotation, set or loaded. (Wine
// offers each classic bitmap font as an outline font too, so the switch itself
// has no font to be shown with here.)
TEST_F(KitLabelTest, RotatingKeepsAnOutlineFont)
{
    TKitLabel* label = AddLabel();
    ASSERT_TRUE(IsTrueTypeFont(label->GetFont()));
    label->SetAngle(30);
    label->SetRotation(roCurve);
    label->SetRotation(roFlat);
    label->GetFont()->SetSize(14);
    EXPECT_EQ(label->GetFont()->GetName(), "Tahoma");

    RegisterClass(TKitLabel::ClassInfo());
    auto loaded = ReadComponentText("object L: TKitLabel\n  Angle = 45\n  Font.Name = 'Tahoma'\nend\n");
    EXPECT_EQ(static_cast<TKitLabel*>(loaded.get())->GetFont()->GetName(), "Tahoma");
}

// Every label is in the one blinking list while it lives; the list goes with the last one.
TEST_F(KitLabelTest, LabelsShareTheBlinkingListAndItsIntervals)
{
    ASSERT_EQ(BlinkList, nullptr);
    {
        TKitLabel a(nullptr), b(nullptr);
        ASSERT_NE(BlinkList, nullptr);
        EXPECT_EQ(BlinkList->GetCount(), 2);
        a.SetBlinkIntervalOn(700);
        a.SetBlinkIntervalOff(200);
        EXPECT_EQ(b.GetBlinkIntervalOn(), 700);
        EXPECT_EQ(b.GetBlinkIntervalOff(), 200);
    }
    EXPECT_EQ(BlinkList, nullptr);
}

TEST_F(KitLabelTest, BlinkingTogglesTheColourOnTheListsTicksAndStops)
{
    TKitLabel* blinking = AddLabel();
    TKitLabel* still = AddLabel();
    blinking->GetFont()->SetColor(clBlack);
    blinking->SetBlinkColor(clRed);
    blinking->SetBlinking(true);
    EXPECT_EQ(still->Perform(CM_BLINKQUERY, 0, 0), 0);
    EXPECT_EQ(blinking->Perform(CM_BLINKQUERY, 0, 0), 1);
    std::vector<TColor> seen;
    for (int i = 0; i < 4; ++i) {
        Tick();
        seen.push_back(blinking->GetCurrentColor());
    }
    EXPECT_EQ(seen, (std::vector<TColor>{clBlack, clRed, clBlack, clRed}));
    EXPECT_EQ(still->GetCurrentColor(), still->GetFont()->GetColor());

    // A font change while blinking leaves the remembered colour alone.
    blinking->GetFont()->SetColor(clBlue);
    Tick();
    EXPECT_EQ(blinking->GetCurrentColor(), clBlack);

    blinking->SetBlinking(false);
    EXPECT_EQ(blinking->GetCurrentColor(), clBlack);
    Tick();
    Tick();
    EXPECT_EQ(blinking->GetCurrentColor(), clBlack);
    blinking->GetFont()->SetColor(clGreen);
    EXPECT_EQ(blinking->GetCurrentColor(), clGreen);
}

// The window timer itself drives the blinking, and the painted text follows it.
TEST_F(KitLabelTest, TheBlinkTimerRepaintsTheLabelInBothColours)
{
    TKitLabel* label = AddLabel();
    label->SetAutoSize(false);
    label->SetBounds(10, 10, 80, 30);
    label->SetCaption("WWW");
    label->GetFont()->SetSize(14);
    label->GetFont()->SetColor(clBlack);
    label->SetColor(clWhite);
    label->SetBlinkColor(clRed);
    label->SetBlinkIntervalOn(10);
    label->SetBlinkIntervalOff(10);
    BlinkList->GetTimer()->SetInterval(10);
    label->SetBlinking(true);
    bool sawRed = false, sawBlack = false;
    DWORD deadline = GetTickCount() + 3000;
    while (!(sawRed && sawBlack) && GetTickCount() < deadline) {
        Application->ProcessMessages();
        auto picture = PrintGraphic(label);
        sawRed |= !IsEmpty(BoxOf(*picture, RGB(255, 0, 0), 60));
        sawBlack |= !IsEmpty(BoxOf(*picture, RGB(0, 0, 0), 60));
        Sleep(3);
    }
    EXPECT_TRUE(sawRed);
    EXPECT_TRUE(sawBlack);
    label->SetBlinking(false);
    for (int i = 0; i < 5; ++i) {
        Application->ProcessMessages();
        Sleep(12);
    }
    EXPECT_TRUE(IsEmpty(BoxOf(*PrintGraphic(label), RGB(255, 0, 0), 60)));
    label->SetBlinkIntervalOn(500);
    label->SetBlinkIntervalOff(500);
}

TEST_F(KitLabelTest, FlyByColoursTheTextWhileTheMouseIsOver)
{
    TKitLabel* label = AddLabel();
    label->GetFont()->SetColor(clBlack);
    int entered = 0, left = 0;
    label->OnMouseEnter = TNotifyEvent::FromFunction([&](TObject*) { ++entered; });
    label->OnMouseLeave = TNotifyEvent::FromFunction([&](TObject*) { ++left; });
    label->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_EQ(label->GetCurrentColor(), clBlack) << "fly-by is off";
    label->Perform(CM_MOUSELEAVE, 0, 0);
    label->SetFlyByEnabled(true);
    label->SetFlyByColor(clRed);
    label->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_EQ(label->GetCurrentColor(), clRed);
    label->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(label->GetCurrentColor(), clBlack);
    EXPECT_EQ(label->GetFont()->GetColor(), clBlack);
    // Turning fly-by off while the mouse is over gives the text its colour back.
    label->Perform(CM_MOUSEENTER, 0, 0);
    label->SetFlyByEnabled(false);
    EXPECT_EQ(label->GetFont()->GetColor(), clBlack);
    EXPECT_EQ(entered, 3);
    EXPECT_EQ(left, 2);
}

TEST_F(KitLabelTest, TheFrameControllerSetsBorderAndColoursWhenItsFrameIsVisible)
{
    TKitLabel* label = AddLabel();
    auto* controller = new TKitFrameController(form.get());
    const TColor color = RGB(40, 120, 200);
    controller->SetColor(color);
    controller->SetFrameStyle(fsLowered);
    controller->SetFrameColor(clRed);
    label->SetFrameController(controller);
    EXPECT_EQ(label->GetBorderOuter(), fsNone) << "an invisible frame pushes nothing";
    controller->SetFrameVisible(true);
    EXPECT_EQ(label->GetBorderOuter(), fsLowered);
    EXPECT_EQ(label->GetFlatColor(), clRed);
    EXPECT_EQ(label->GetFlatColorAdjustment(), 0);
    EXPECT_EQ(label->GetColor(), color);
    EXPECT_EQ(label->GetBorderHighlight(), LightenColor(color, 100));
    EXPECT_EQ(label->GetBorderShadow(), DarkenColor(color, 50));
    delete controller;
    EXPECT_EQ(label->GetFrameController(), nullptr);
}

TEST_F(KitLabelTest, CondensingTheCaptionEndsAutoSize)
{
    TKitLabel* label = AddLabel();
    ASSERT_TRUE(label->GetAutoSize());
    label->SetCondenseCaption(ccWithinPath);
    EXPECT_FALSE(label->GetAutoSize());
}

}  // namespace
