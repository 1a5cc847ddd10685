#include <gtest/gtest.h>

#include "printout.h"
#include "unicode/UniSystem.h"
#include "unicode_controls/UniExtCtrls.h"
#include "unicode_controls/UniStdCtrls.h"
#include "unicontrols_fixture.h"

namespace {

const WideString Czech = L"P\u0159\u00EDli\u0161 \u017Elu\u0165ou\u010Dk\u00FD k\u016F\u0148";
const WideString Ukrainian = L"\u041F\u0440\u0438\u0432\u0456\u0442, \u0441\u0432\u0456\u0442\u0435";
const WideString Cjk = L"\u4E2D\u6587\u5B57";

using WidePanelTest = UniFormTest;

TEST_F(WidePanelTest, CaptionAndHintLiveInItsUnicodeWindowAndSurviveItsRecreation)
{
    for (const WideString& text : {Czech, Ukrainian, Cjk}) {
        auto* panel = Add<TUniPanel>(10, 10, 200, 60);
        panel->SetCaption(text);
        panel->SetHint(text);
        panel->HandleNeeded();
        EXPECT_TRUE(IsWindowUnicode(panel->GetHandle()));
        EXPECT_EQ(WindowClassName(panel->GetHandle()), L"TUniPanel.UnicodeClass");
        EXPECT_EQ(WindowTextW(panel->GetHandle()), text);
        HWND old = panel->GetHandle();
        panel->SetBorderStyle(bsSingle);  // makes the window again
        panel->HandleNeeded();
        EXPECT_NE(panel->GetHandle(), old);
        EXPECT_EQ(WindowTextW(panel->GetHandle()), text);
        EXPECT_EQ(panel->GetCaption(), text);
        EXPECT_EQ(panel->GetHint(), text);
    }
}

// The caption stands on a line as high as "W", centred in the panel, and is
// written in UTF-16: compared with the system writing the same line.
TEST_F(WidePanelTest, TheCaptionIsWrittenWideOnALineCentredByTheHeightOfW)
{
    auto* panel = Add<TUniPanel>(10, 10, 300, 87);
    panel->SetColor(clWhite);
    panel->GetFont()->SetName("Tahoma");
    panel->GetFont()->SetSize(16);
    panel->SetCaption(Ukrainian);
    panel->HandleNeeded();

    TBitmap reference;
    reference.SetSize(panel->GetWidth(), panel->GetHeight());
    TCanvas* canvas = reference.GetCanvas();
    canvas->GetFont()->Assign(panel->GetFont());
    canvas->RequiredState({csHandleValid, csFontValid});
    SIZE w{};
    GetTextExtentPoint32W(canvas->GetHandle(), L"W", 1, &w);
    int top = (1 + panel->GetHeight() - 1 - w.cy) / 2;  // inside the raised bevel
    RECT line{1, top, panel->GetWidth() - 1, top + w.cy};
    SetBkMode(canvas->GetHandle(), TRANSPARENT);
    DrawTextW(canvas->GetHandle(), Ukrainian.c_str(), -1, &line, DT_EXPANDTABS | DT_VCENTER | DT_CENTER);

    TRect inside(2, 2, panel->GetWidth() - 2, panel->GetHeight() - 2);
    TRect expected = PixelBounds(canvas, inside, [](TColor pixel) { return pixel != clWhite; });
    ASSERT_GT(expected.Width(), 0);
    TPrintout printout(panel);
    EXPECT_EQ(printout.InkBounds(inside, clWhite), expected);
}

TEST(WideImage, ThePictureIsAUniPictureAndTheImageStillFollowsIt)
{
    TUniImage image(nullptr);
    TUniPicture* picture = image.GetPicture();
    EXPECT_NE(picture, nullptr);
    EXPECT_EQ(GetObjectProp(&image, *GetPropInfo(&image, "Picture")), picture);
    // The image's own handler, set on the picture it was made with, sizes it.
    image.SetAutoSize(true);
    TBitmap bitmap;
    bitmap.SetSize(37, 23);
    picture->SetGraphic(&bitmap);
    EXPECT_EQ(image.GetWidth(), 37);
    EXPECT_EQ(image.GetHeight(), 23);
}

using WideHintShowTest = UniFormTest;

TEST_F(WideHintShowTest, TheLabelAndTheImageHandTheirWideHintToTheWideHintWindow)
{
    const WideString shortPart = Ukrainian + L" " + Cjk;
    TControl* controls[] = {Add<TUniLabel>(), Add<TUniImage>()};
    for (TControl* control : controls) {
        SetWideHint(control, shortPart + L"|" + Czech);
        THintInfo info;
        info.HintControl = control;
        info.HintWindowClass = &THintWindow::ClassInfo();
        control->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(info.HintWindowClass, &TUniCustomHintWindow::ClassInfo()) << control->ClassName();
        EXPECT_EQ(WideHintOf(info), shortPart) << control->ClassName();
    }
}

}  // namespace
