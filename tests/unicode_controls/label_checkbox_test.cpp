#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

#include "printout.h"
#include "unicode/UniSystem.h"
#include "unicode_controls/UniStdCtrls.h"
#include "unicontrols_fixture.h"

namespace {

const WideString Czech = L"P\u0159\u00EDli\u0161 \u017Elu\u0165ou\u010Dk\u00FD k\u016F\u0148";
const WideString Ukrainian = L"\u041F\u0440\u0438\u0432\u0456\u0442, \u0441\u0432\u0456\u0442\u0435";
const WideString Cjk = L"\u4E2D\u6587\u5B57";
const WideString Texts[] = {Czech, Ukrainian, Cjk};

using WideLabelTest = UniFormTest;

TUniLabel* AddLabel(TForm* form, const WideString& caption)
{
    auto* label = new TUniLabel(form);
    label->SetParent(form);
    label->SetLeft(10);
    label->SetTop(10);
    label->GetFont()->SetName("Tahoma");
    label->GetFont()->SetSize(14);
    label->SetColor(clWhite);
    label->SetCaption(caption);
    return label;
}

// The text as the system writes it with the control's font, on `background`:
// once for each pass, in its colour and moved by its offset.
struct TPass {
    int offset;
    TColor color;
};
std::unique_ptr<TBitmap> SystemDrawing(TControl* control, const WideString& text, TColor background,
                                       std::initializer_list<TPass> passes)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(control->GetWidth(), control->GetHeight());
    TCanvas* canvas = bitmap->GetCanvas();
    canvas->GetBrush()->SetColor(background);
    canvas->FillRect(TRect(0, 0, control->GetWidth(), control->GetHeight()));
    canvas->GetFont()->Assign(control->GetFont());
    canvas->RequiredState({csHandleValid, csFontValid});
    HDC dc = canvas->GetHandle();
    SetBkMode(dc, TRANSPARENT);
    for (const TPass& pass : passes) {
        RECT r{pass.offset, pass.offset, control->GetWidth() + pass.offset, control->GetHeight() + pass.offset};
        SetTextColor(dc, ColorToRGB(pass.color));
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_EXPANDTABS);
    }
    return bitmap;
}

TRect ReferenceInk(TControl* control, const WideString& text)
{
    auto bitmap = SystemDrawing(control, text, clWhite, {{0, clBlack}});
    return PixelBounds(bitmap->GetCanvas(), TRect(0, 0, control->GetWidth(), control->GetHeight()),
                       [](TColor pixel) { return pixel != clWhite; });
}

TEST_F(WideLabelTest, CaptionAndHintInEveryScriptReadBackAndArePaintedWide)
{
    for (const WideString& text : Texts) {
        TUniLabel* label = AddLabel(form.get(), text);
        label->SetHint(text + L"|" + text);
        EXPECT_EQ(label->GetCaption(), text);
        EXPECT_EQ(label->GetHint(), text + L"|" + text);
        const TPropInfo* caption = GetPropInfo(label, "Caption");
        ASSERT_NE(caption, nullptr);
        EXPECT_EQ(caption->Kind(), tkWString);
        EXPECT_EQ(GetWideStrProp(label, *caption), text);

        // Sized and painted from the wide text, not from its 8-bit form.
        TPrintout printout(label);
        EXPECT_EQ(printout.InkBounds(printout.Area(), clWhite), ReferenceInk(label, text)) << WideToAnsi(text);
        EXPECT_NE(ReferenceInk(label, text), ReferenceInk(label, AnsiToWide(WideToAnsi(text))));
    }
}

class WideLabelPlatformTest : public UniPlatformTest {};

// A caption that would measure nothing still gives the label one line.
TEST_P(WideLabelPlatformTest, EmptyOrLoneMarkStillMeasuresOneLine)
{
    TUniLabel* line = AddLabel(form.get(), L"\u0416");
    struct Case {
        const wchar_t* caption;
        bool showAccelChar;
    } cases[] = {{L"", true}, {L"&", true}, {L"", false}, {L"&", false}};
    for (const Case& c : cases) {
        TUniLabel* label = AddLabel(form.get(), L"x");
        label->SetShowAccelChar(c.showAccelChar);
        label->SetCaption(c.caption);
        EXPECT_EQ(label->GetHeight(), line->GetHeight()) << WideToAnsi(c.caption) << " " << c.showAccelChar;
        EXPECT_GT(label->GetWidth(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(BothFamilies, WideLabelPlatformTest, testing::Bool(), PlatformName);

TEST_F(WideLabelTest, ADisabledLabelDrawsTheHighlightOffsetThenTheShadow)
{
    // A background apart from both colours.
    TUniLabel* label = AddLabel(form.get(), Ukrainian);
    label->SetColor(clAqua);
    label->SetEnabled(false);
    TPrintout printout(label);
    auto expected = SystemDrawing(label, Ukrainian, clAqua, {{1, clBtnHighlight}, {0, clBtnShadow}});
    auto reversed = SystemDrawing(label, Ukrainian, clAqua, {{0, clBtnShadow}, {1, clBtnHighlight}});
    TRect area = printout.Area();
    for (TColor color : {clBtnHighlight, clBtnShadow}) {
        TColor rgb = ColorToRGB(color);
        EXPECT_GT(PixelCount(printout.Canvas(), area, color), 0);
        EXPECT_EQ(printout.ColorBounds(area, color),
                  PixelBounds(expected->GetCanvas(), area, [rgb](TColor pixel) { return pixel == rgb; }));
        EXPECT_EQ(PixelCount(printout.Canvas(), area, color), PixelCount(expected->GetCanvas(), area, color));
    }
    // The shadow covers part of the highlight, not the other way round.
    EXPECT_LT(PixelCount(printout.Canvas(), area, clBtnHighlight),
              PixelCount(reversed->GetCanvas(), area, clBtnHighlight));
    EXPECT_EQ(printout.ColorBounds(area, label->GetFont()->GetColor()), TRect());
}

// Gives the control the keyboard focus; false when this display cannot.
bool TakeFocus(TWinControl* control)
{
    SetForegroundWindow(control->GetParentForm()->GetHandle());
    control->SetFocus();
    Application->ProcessMessages();
    return control->Focused();
}

// CM_DIALOGCHAR as the form hands it to its children for Alt plus a character.
LRESULT DialogChar(TWinControl* parent, wchar_t ch)
{
    TMessage message{CM_DIALOGCHAR, ch, 0, 0};
    parent->Broadcast(message);
    return message.Result;
}

TEST_F(WideLabelTest, AnAcceleratorFocusesTheFocusControlOnlyWhenAllowed)
{
    struct Case {
        const char* what;
        wchar_t typed;
        bool enabled;
        bool showAccelChar;
        bool focusControl;
        bool focuses;
    } cases[] = {
        {"matching, other case", L'\u0436', true, true, true, true},
        {"matching", L'\u0416', true, true, true, true},
        {"other character", L'\u0430', true, true, true, false},
        {"its 8-bit form", L'?', true, true, true, false},
        {"disabled", L'\u0416', false, true, true, false},
        {"no accelerators shown", L'\u0416', true, false, true, false},
        {"no focus control", L'\u0416', true, true, false, false},
    };
    auto* other = Add<TUniTestEdit>(10, 200, 100, 24);
    for (const Case& c : cases) {
        auto* edit = Add<TUniTestEdit>(10, 100, 100, 24);
        TUniLabel* label = AddLabel(form.get(), L"&\u0416\u043E\u0432\u0442\u0438\u0439");
        label->SetEnabled(c.enabled);
        label->SetShowAccelChar(c.showAccelChar);
        if (c.focusControl)
            label->SetFocusControl(edit);
        if (!TakeFocus(other))
            GTEST_SKIP() << "no keyboard focus on this display";
        EXPECT_EQ(DialogChar(form.get(), c.typed), c.focuses ? 1 : 0) << c.what;
        EXPECT_EQ(edit->Focused(), c.focuses) << c.what;
        delete label;
        delete edit;
    }
}

using WideCheckBoxTest = UniFormTest;

TEST_F(WideCheckBoxTest, CaptionAndHintLiveInAUnicodeButtonAndSurviveItsRecreation)
{
    for (const WideString& text : Texts) {
        auto* box = Add<TUniCheckBox>();
        box->SetCaption(text);  // before the window
        box->SetHint(text);
        box->HandleNeeded();
        EXPECT_TRUE(IsWindowUnicode(box->GetHandle()));
        EXPECT_EQ(WindowClassName(box->GetHandle()), L"TUniCheckBox.UnicodeClass");
        EXPECT_EQ(WindowTextW(box->GetHandle()), text);
        box->SetCaption(L"&" + text);  // on the window
        EXPECT_EQ(WindowTextW(box->GetHandle()), L"&" + text);
        HWND old = box->GetHandle();
        box->SetAlignment(taLeftJustify);  // makes the window again
        box->HandleNeeded();
        EXPECT_NE(box->GetHandle(), old);
        EXPECT_EQ(WindowTextW(box->GetHandle()), L"&" + text);
        EXPECT_EQ(box->GetCaption(), L"&" + text);
        EXPECT_EQ(box->GetHint(), text);
    }
}

TEST_F(WideCheckBoxTest, AnAcceleratorFocusesAndTogglesElseGoesToTheChildren)
{
    auto* other = Add<TUniTestEdit>(10, 200, 100, 24);
    auto* box = Add<TUniCheckBox>(10, 10, 200, 60);
    box->SetCaption(L"&\u010Ce\u0161tina");
    auto* edit = Add<TUniTestEdit>(10, 100, 100, 24);
    // A child whose own accelerator the check box passes on.
    auto* label = new TUniLabel(form.get());
    label->SetParent(box);
    label->SetBounds(100, 20, 60, 20);
    label->SetCaption(L"&\u0416\u043E\u0432\u0442\u0438\u0439");
    label->SetFocusControl(edit);
    int clicks = 0;
    box->OnClick = TNotifyEvent::FromFunction([&clicks](TObject*) { ++clicks; });
    if (!TakeFocus(other))
        GTEST_SKIP() << "no keyboard focus on this display";

    EXPECT_EQ(DialogChar(form.get(), L'\u010D'), 1);
    EXPECT_TRUE(box->Focused());
    EXPECT_TRUE(box->GetChecked());
    EXPECT_EQ(clicks, 1);

    EXPECT_EQ(DialogChar(form.get(), L'\u0436'), 1);
    EXPECT_TRUE(edit->Focused());
    EXPECT_TRUE(box->GetChecked());

    box->SetEnabled(false);
    ASSERT_TRUE(TakeFocus(other));
    EXPECT_EQ(DialogChar(form.get(), L'\u010C'), 0);
    EXPECT_TRUE(other->Focused());
    EXPECT_TRUE(box->GetChecked());
    EXPECT_EQ(clicks, 1);
}

// A wide action hands both controls its wide texts, which the form then leaves to it.
TEST_F(WideCheckBoxTest, AWideActionSuppliesTheTextsWhichAreThenNotStored)
{
    TUniAction action(nullptr);
    action.SetWideCaption(Ukrainian);
    action.SetWideHint(Czech);
    auto* box = Add<TUniCheckBox>();
    box->HandleNeeded();
    TUniLabel* label = AddLabel(form.get(), L"");
    for (TControl* control : {static_cast<TControl*>(box), static_cast<TControl*>(label)}) {
        control->SetAction(&action);
        EXPECT_EQ(GetWideText(control), Ukrainian);
        EXPECT_EQ(GetWideHint(control), Czech);
        EXPECT_FALSE(IsStoredProp(control, *GetPropInfo(control, "Caption")));
        EXPECT_FALSE(IsStoredProp(control, *GetPropInfo(control, "Hint")));
    }
    EXPECT_EQ(WindowTextW(box->GetHandle()), Ukrainian);
    EXPECT_TRUE(box->GetActionLink()->InheritsFrom(TUniButtonActionLink::ClassInfo()));
    EXPECT_TRUE(label->GetActionLink()->InheritsFrom(TUniControlActionLink::ClassInfo()));

    action.SetWideCaption(Cjk);
    EXPECT_EQ(box->GetCaption(), Cjk);
    EXPECT_EQ(label->GetCaption(), Cjk);

    // Edited apart from the action, the caption is the control's own again.
    label->SetCaption(Czech);
    EXPECT_TRUE(IsStoredProp(label, *GetPropInfo(label, "Caption")));
}

}  // namespace
