#include <gtest/gtest.h>

#include "classlib/StdCtrls.h"
#include "components/KitButton.h"
#include "kit_form_fixture.h"
#include "kit_stream.h"

namespace {

class KitButtonTest : public KitFormTest {
protected:
    template <class T = TKitButton>
    T* AddButton(int left = 10, int top = 10)
    {
        T* button = Add<T>(left, top, 75, 25);
        button->OnClick = TNotifyEvent::FromFunction([this](TObject*) { ++clicks; });
        return button;
    }
    static void Mouse(TControl* c, UINT msg, int x, int y)
    {
        c->Perform(msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
    }
    int clicks = 0;
};

TEST(KitButtonStyle, TheControlStyleIsTheNamedFlags)
{
    TKitButton button(nullptr);
    TControlStyle expected{csCaptureMouse, csSetCaption, csDoubleClicks, csReplicatable, csReflector};
    EXPECT_EQ(button.GetControlStyle(), expected);
    EXPECT_EQ(expected.Bits(), 0x48A2u);
    EXPECT_TRUE(button.GetTabStop());
    EXPECT_EQ(button.GetWidth(), 75);
    EXPECT_EQ(button.GetColor(), clBtnFace);
}

// A press and release inside clicks once; the last row still counts, one row
// further does not, and moving out takes the pressed look away until the mouse is back.
TEST_F(KitButtonTest, TheMouseClicksOnlyWhenReleasedInside)
{
    ShowForm();
    TKitButton* button = AddButton();
    Mouse(button, WM_LBUTTONDOWN, 5, 5);
    EXPECT_TRUE(button->Focused());
    EXPECT_TRUE(button->GetShowDownVersion());
    EXPECT_EQ(clicks, 0);
    Mouse(button, WM_LBUTTONUP, 5, 24);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(button->GetShowDownVersion());

    Mouse(button, WM_LBUTTONDOWN, 5, 5);
    Mouse(button, WM_MOUSEMOVE, 5, 25);
    EXPECT_FALSE(button->GetShowDownVersion());
    Mouse(button, WM_MOUSEMOVE, 74, 24);
    EXPECT_TRUE(button->GetShowDownVersion());
    Mouse(button, WM_MOUSEMOVE, 75, 10);
    Mouse(button, WM_LBUTTONUP, 75, 10);
    EXPECT_EQ(clicks, 1);

    // A double click's second press is a press like the first.
    Mouse(button, WM_LBUTTONDOWN, 5, 5);
    Mouse(button, WM_LBUTTONUP, 5, 5);
    Mouse(button, WM_LBUTTONDBLCLK, 5, 5);
    Mouse(button, WM_LBUTTONUP, 5, 5);
    EXPECT_EQ(clicks, 3);

    button->SetEnabled(false);
    Mouse(button, WM_LBUTTONDOWN, 5, 5);
    Mouse(button, WM_LBUTTONUP, 5, 5);
    EXPECT_EQ(clicks, 3);
}

// Space presses on key down and clicks on key up; the key's repeats press no
// further, and losing the focus between the two drops the click.
TEST_F(KitButtonTest, TheSpaceKeyClicksOnRelease)
{
    ShowForm();
    TKitButton* button = AddButton();
    TKitButton* other = AddButton(100, 10);
    button->SetFocus();
    button->Perform(WM_KEYDOWN, VK_SPACE, 1);
    EXPECT_TRUE(button->GetShowDownVersion());
    button->Perform(WM_KEYDOWN, VK_SPACE, 1 | (1 << 30));
    EXPECT_EQ(clicks, 0);
    button->Perform(WM_KEYUP, VK_SPACE, 0xC0000001);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(button->GetShowDownVersion());

    button->Perform(WM_KEYDOWN, VK_SPACE, 1);
    other->SetFocus();
    EXPECT_FALSE(button->GetShowDownVersion());
    button->Perform(WM_KEYUP, VK_SPACE, 0xC0000001);
    EXPECT_EQ(clicks, 1);
}

// Enter clicks the active (default) button, Escape the cancel button, and an
// accelerator its button; the click hands the modal result to the form.
TEST_F(KitButtonTest, DialogKeysAndAcceleratorsClickTheirButton)
{
    ShowForm();
    TKitButton* ok = AddButton();
    TKitButton* cancel = AddButton(100, 10);
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    cancel->SetCaption("&Stop");
    ok->HandleNeeded();
    EXPECT_TRUE(ok->GetIsActive());

    EXPECT_EQ(ok->Perform(CM_DIALOGKEY, VK_RETURN, 0), 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(form->GetModalResult(), mrOk);
    EXPECT_EQ(cancel->Perform(CM_DIALOGKEY, VK_RETURN, 0), 0);
    EXPECT_EQ(ok->Perform(CM_DIALOGKEY, VK_ESCAPE, 0), 0);
    EXPECT_EQ(cancel->Perform(CM_DIALOGKEY, VK_ESCAPE, 0), 1);
    EXPECT_EQ(form->GetModalResult(), mrCancel);
    EXPECT_EQ(cancel->Perform(CM_DIALOGCHAR, 's', 0), 1);
    EXPECT_EQ(cancel->Perform(CM_DIALOGCHAR, 'x', 0), 0);
    EXPECT_EQ(clicks, 3);
}

// The default button is active unless another button has the focus.
TEST_F(KitButtonTest, TheDefaultButtonGivesWayToAFocusedButton)
{
    ShowForm();
    TKitButton* ok = AddButton();
    TKitButton* other = AddButton(100, 10);
    auto* edit = Add<TEdit>(200, 10, 60, 20);
    ok->SetDefault(true);
    ok->HandleNeeded();
    other->SetFocus();
    EXPECT_FALSE(ok->GetIsActive());
    EXPECT_TRUE(other->GetIsActive());
    EXPECT_EQ(ok->Perform(CM_DIALOGKEY, VK_RETURN, 0), 0);
    edit->SetFocus();
    EXPECT_TRUE(ok->GetIsActive());
    EXPECT_FALSE(other->GetIsActive());
    ok->SetDefault(false);
    EXPECT_FALSE(ok->GetIsActive());
}

TEST_F(KitButtonTest, GroupedButtonsKeepOneDown)
{
    TKitButton* a = AddButton();
    TKitButton* b = AddButton(100, 10);
    TKitButton* loose = AddButton(200, 10);
    loose->SetDown(true);
    EXPECT_FALSE(loose->GetDown()) << "a button of no group stays up";
    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    a->SetDown(true);
    EXPECT_EQ(a->GetButtonState(), 3);
    b->SetDown(true);
    EXPECT_FALSE(a->GetDown());
    EXPECT_EQ(a->GetButtonState(), 0);
    b->SetDown(false);
    EXPECT_TRUE(b->GetDown()) << "without AllowAllUp the last one stays down";
    b->Click();
    EXPECT_TRUE(b->GetDown());
    a->Click();
    EXPECT_TRUE(a->GetDown());
    EXPECT_FALSE(b->GetDown());
    // AllowAllUp spreads through the group.
    b->SetAllowAllUp(true);
    EXPECT_TRUE(a->GetAllowAllUp());
    a->Click();
    EXPECT_FALSE(a->GetDown());
    EXPECT_EQ(clicks, 3);
}

TEST_F(KitButtonTest, OldStreamsWithFrameFlatStillLoad)
{
    RegisterClass(TKitButton::ClassInfo());
    auto button = ReadComponentText("object B: TKitButton\n  FrameFlat = True\n  Default = True\nend\n");
    EXPECT_TRUE(static_cast<TKitButton*>(button.get())->GetDefault());
}

// ---- the bit button ----

TEST_F(KitButtonTest, EachKindBringsCaptionResultKeysAndItsTwoGlyphs)
{
    struct {
        TBitBtnKind Kind;
        const char* Caption;
        TModalResult Result;
        bool Default, Cancel;
    } const kinds[] = {
        {bkOK, "OK", 1, true, false},        {bkCancel, "Cancel", 2, false, true}, {bkHelp, "&Help", 0, false, false},
        {bkYes, "&Yes", 6, true, false},     {bkNo, "&No", 7, false, true},        {bkClose, "&Close", 0, false, false},
        {bkAbort, "Abort", 3, false, false}, {bkRetry, "&Retry", 4, false, false}, {bkIgnore, "&Ignore", 5, false, false},
        {bkAll, "&All", 8, false, false},
    };
    for (const auto& k : kinds) {
        SCOPED_TRACE(k.Caption);
        TKitBitBtn* button = AddButton<TKitBitBtn>();
        button->SetKind(k.Kind);
        EXPECT_EQ(button->GetKind(), k.Kind);
        EXPECT_EQ(button->GetCaption(), k.Caption);
        EXPECT_EQ(button->GetModalResult(), k.Result);
        EXPECT_EQ(button->GetDefault(), k.Default);
        EXPECT_EQ(button->GetCancel(), k.Cancel);
        EXPECT_EQ(button->GetGlyph()->GetWidth(), 32);
        EXPECT_EQ(button->GetGlyph()->GetHeight(), 16);
        EXPECT_EQ(button->GetNumGlyphs(), 2);
        EXPECT_FALSE(button->GetModifiedGlyph());
        EXPECT_EQ(button->GetGlyph()->GetTransparentColor(), static_cast<TColor>(RGB(128, 128, 0)));
        EXPECT_EQ(KindGlyph(k.Kind), KindGlyph(k.Kind)) << "loaded once";
    }
}

TEST_F(KitButtonTest, AKindThatNoLongerMatchesReadsAsCustom)
{
    struct {
        const char* Name;
        void (*Change)(TKitBitBtn*);
    } const changes[] = {
        {"modal result", [](TKitBitBtn* b) { b->SetModalResult(mrRetry); }},
        {"default", [](TKitBitBtn* b) { b->SetDefault(false); }},
        {"cancel", [](TKitBitBtn* b) { b->SetCancel(true); }},
        {"glyph", [](TKitBitBtn* b) {
             TBitmap glyph;
             glyph.SetSize(16, 16);
             b->SetGlyph(&glyph);
         }},
    };
    for (const auto& c : changes) {
        TKitBitBtn* button = AddButton<TKitBitBtn>();
        button->SetKind(bkOK);
        button->SetCaption("Fine");
        EXPECT_EQ(button->GetKind(), bkOK) << "the caption is free";
        c.Change(button);
        EXPECT_EQ(button->GetKind(), bkCustom) << c.Name;
        EXPECT_TRUE(button->IsCancelStored()) << c.Name;
    }
}

TEST_F(KitButtonTest, TheGlyphsWidthCountsItsCells)
{
    struct {
        int Width, Height, Cells;
    } const glyphs[] = {{16, 16, 1}, {32, 16, 2}, {48, 16, 3}, {64, 16, 4}, {80, 16, 1}, {40, 16, 1}};
    TKitBitBtn* button = AddButton<TKitBitBtn>();
    for (const auto& g : glyphs) {
        TBitmap glyph;
        glyph.SetSize(g.Width, g.Height);
        button->SetNumGlyphs(3);
        button->SetGlyph(&glyph);
        EXPECT_EQ(button->GetNumGlyphs(), g.Width == 40 ? 3 : g.Cells) << g.Width << " x " << g.Height;
        EXPECT_TRUE(button->GetModifiedGlyph());
    }
    button->SetMargin(-2);
    EXPECT_EQ(button->GetMargin(), 2);
    button->SetMargin(-1);
    EXPECT_EQ(button->GetMargin(), -1);
}

TEST_F(KitButtonTest, RemovingTheImageListClearsIt)
{
    TKitBitBtn* button = AddButton<TKitBitBtn>();
    auto* images = new TImageList(form.get());
    button->SetImages(images);
    button->SetImageIndex(0);
    EXPECT_EQ(button->GlyphSize(), TSize(16, 16));
    delete images;
    EXPECT_EQ(button->GetImages(), nullptr);
    EXPECT_EQ(button->GlyphSize(), TSize(0, 0));
}

}  // namespace
