#include <gtest/gtest.h>

#include <optional>

#include "classlib/Themes.h"
#include "classlib/TypInfo.h"
#include "unicode/UniSystem.h"
#include "unicode_controls/UniActnList.h"
#include "unicode_controls/UniButtons.h"
#include "unicontrols_fixture.h"

namespace {

const WideString Czech = L"P\u0159\u00EDli\u0161 \u017Elu\u0165ou\u010Dk\u00FD k\u016F\u0148";
const WideString Ukrainian = L"\u041F\u0440\u0438\u0432\u0456\u0442, \u0441\u0432\u0456\u0442\u0435";
const WideString Cjk = L"\u4E2D\u6587\u5B57";

// A glyph bitmap of `count` images of 16 x 16 in the given colours; the
// bottom-left pixel is white, the colour that comes out transparent.
std::unique_ptr<TBitmap> GlyphBitmap(std::initializer_list<TColor> colours)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(16 * static_cast<int>(colours.size()), 16);
    TCanvas* canvas = bitmap->GetCanvas();
    int left = 0;
    for (TColor colour : colours) {
        canvas->GetBrush()->SetColor(colour);
        canvas->FillRect(TRect(left, 0, left + 16, 16));
        left += 16;
    }
    canvas->SetPixels(0, 15, clWhite);
    return bitmap;
}

// The speed button with its state settable and its image rebuilds counted.
class TTestSpeedButton : public TUniSpeedButton {
public:
    using TUniSpeedButton::TUniSpeedButton;
    void SetState(TButtonState state) { FState = state; }
    void RebuildGlyphImages() override
    {
        ++Rebuilds;
        TUniSpeedButton::RebuildGlyphImages();
    }
    int Rebuilds = 0;
};

class TTestBitBtn : public TUniBitBtn {
public:
    using TUniBitBtn::TUniBitBtn;
    void RebuildGlyphImages() override
    {
        ++Rebuilds;
        TUniBitBtn::RebuildGlyphImages();
    }
    int Rebuilds = 0;
};

int Luminance(COLORREF c)
{
    return (GetRValue(c) * 30 + GetGValue(c) * 59 + GetBValue(c) * 11) / 100;
}

// A control painted into a memory bitmap, and what the tests look for in it.
class TPrint {
public:
    TPrint(int width, int height)
    {
        FBitmap.SetPixelFormat(pf32bit);
        FBitmap.SetSize(width, height);
    }
    HDC DC() { return FBitmap.GetCanvas()->GetHandle(); }
    COLORREF At(int x, int y) { return GetPixel(DC(), x, y); }
    // The smallest rectangle holding every pixel of exactly this colour; empty when none.
    TRect BoxOf(COLORREF colour) { return Box([colour](COLORREF c) { return c == colour; }); }
    // The same for text ink inside the button's frame: pixels much darker than the face.
    TRect InkBox()
    {
        int face = Luminance(GetSysColor(COLOR_BTNFACE));
        return Box([face](COLORREF c) { return Luminance(c) < face - 40 && c != RGB(255, 0, 0); }, 3);
    }
    int DarkestIn(const TRect& r)
    {
        int darkest = 255;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                darkest = std::min(darkest, Luminance(At(x, y)));
        return darkest;
    }
    int BrightestIn(const TRect& r)
    {
        int brightest = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                brightest = std::max(brightest, Luminance(At(x, y)));
        return brightest;
    }

    void Paint(TUniSpeedButton* button) { button->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC()), 0); }
    void Paint(TUniBitBtn* button, UINT itemState)
    {
        DRAWITEMSTRUCT draw{};
        draw.CtlType = ODT_BUTTON;
        draw.itemAction = ODA_DRAWENTIRE;
        draw.itemState = itemState;
        draw.hwndItem = button->GetHandle();
        draw.hDC = DC();
        draw.rcItem = button->GetClientRect();
        button->Perform(CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    }

private:
    template <class Test>
    TRect Box(Test test, int inset = 0)
    {
        TRect box(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
        for (int y = inset; y < FBitmap.GetHeight() - inset; ++y)
            for (int x = inset; x < FBitmap.GetWidth() - inset; ++x)
                if (test(At(x, y)))
                    box = TRect(std::min<LONG>(box.left, x), std::min<LONG>(box.top, y),
                                std::max<LONG>(box.right, x + 1), std::max<LONG>(box.bottom, y + 1));
        return box.left == INT_MAX ? TRect() : box;
    }

    TBitmap FBitmap;
};

const COLORREF Red = RGB(255, 0, 0);

// ---- layout ----

class GlyphLayoutTest : public testing::Test {
protected:
    void SetUp() override
    {
        SetThemesEnabled(false);
        dc = CreateCompatibleDC(nullptr);
        SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        RECT r{0, 0, 1000, 0};
        DrawTextW(dc, Caption.c_str(), static_cast<int>(Caption.size()), &r, DT_CALCRECT);
        tw = r.right;
        th = r.bottom;
    }
    void TearDown() override
    {
        DeleteDC(dc);
        SetThemesEnabled(saved);
    }
    TGlyphPlacement Place(bool glyph, const WideString& caption, TButtonLayout layout, int margin, int spacing,
                          UINT biDi = 0, TRect client = TRect(0, 0, 100, 60), TPoint offset = TPoint(0, 0))
    {
        if (glyph)
            button.SetGlyph(GlyphBitmap({clRed}).get());
        else
            button.SetGlyph(nullptr);
        return LayoutGlyphAndCaption(&button, dc, client, offset, {caption, layout, margin, spacing, biDi, false});
    }

    const WideString Caption = L"\u0416\u0438\u0432";
    bool saved = ThemesEnabled();
    HDC dc = nullptr;
    int tw = 0, th = 0;
    TUniSpeedButton button{nullptr};
};

TEST_F(GlyphLayoutTest, PlacesGlyphAndCaptionForEachLayoutMarginAndSpacing)
{
    ASSERT_GT(tw, 0);
    struct Case {
        const char* Name;
        bool Glyph;
        bool Caption;
        TButtonLayout Layout;
        int Margin, Spacing;
        UINT BiDi;
        TPoint GlyphPos;  // in a client of 100 x 60
        TPoint TextPos;
    };
    const int midY = (60 - th + 1) / 2, midX = (100 - tw + 1) / 2;
    const int third = (100 - 16 - tw) / 3;
    const Case cases[] = {
        {"no caption centres the glyph", true, false, blGlyphLeft, -1, 4, 0, {42, 22}, {42 + 16, 30}},
        {"no caption centres it on top too", true, false, blGlyphTop, -1, 4, 0, {42, 22}, {50, 22 + 16}},
        {"no glyph centres the caption", false, true, blGlyphLeft, -1, 4, 0, {(100 - tw + 1) / 2, 30}, {midX, midY}},
        {"margin and spacing -1 split in three", true, true, blGlyphLeft, -1, -1, 0, {third, 22},
         {third + 16 + third, midY}},
        {"spacing -1 halves what the margin leaves", true, true, blGlyphLeft, 2, -1, 0, {2, 22},
         {2 + 16 + (100 - 18 - tw) / 2, midY}},
        {"glyph left", true, true, blGlyphLeft, 2, 4, 0, {2, 22}, {22, midY}},
        {"glyph right", true, true, blGlyphRight, 2, 4, 0, {82, 22}, {78 - tw, midY}},
        {"glyph top", true, true, blGlyphTop, 2, 4, 0, {42, 2}, {(100 - tw + 1) / 2, 22}},
        {"glyph bottom", true, true, blGlyphBottom, 2, 4, 0, {42, 42}, {(100 - tw + 1) / 2, 38 - th}},
        {"right-to-left puts a left glyph right", true, true, blGlyphLeft, 2, 4, DT_RIGHT, {82, 22}, {78 - tw, midY}},
        {"right-to-left puts a right glyph left", true, true, blGlyphRight, 2, 4, DT_RIGHT, {2, 22}, {22, midY}},
        {"right-to-left leaves top alone", true, true, blGlyphTop, 2, 4, DT_RIGHT, {42, 2}, {(100 - tw + 1) / 2, 22}},
    };
    for (const Case& c : cases) {
        TGlyphPlacement p = Place(c.Glyph, c.Caption ? Caption : WideString(), c.Layout, c.Margin, c.Spacing, c.BiDi);
        EXPECT_EQ(p.GlyphPos, c.GlyphPos) << c.Name;
        if (c.Caption)
            EXPECT_EQ(p.TextBounds, Bounds(c.TextPos.x, c.TextPos.y, tw, th)) << c.Name;
        else
            EXPECT_EQ(p.TextBounds.Width() + p.TextBounds.Height(), 0) << c.Name;
    }
}

TEST_F(GlyphLayoutTest, TheThreeWaySplitLeavesEqualGapsAndTheClientOriginAndOffsetMoveTheResult)
{
    TGlyphPlacement p = Place(true, Caption, blGlyphLeft, -1, -1);
    int left = p.GlyphPos.x, between = p.TextBounds.left - (p.GlyphPos.x + 16), right = 100 - p.TextBounds.right;
    EXPECT_EQ(left, between);
    EXPECT_LE(std::abs(right - left), 2);

    TGlyphPlacement moved = Place(true, Caption, blGlyphLeft, -1, -1, 0, TRect(5, 3, 105, 63), TPoint(1, 1));
    EXPECT_EQ(moved.GlyphPos, TPoint(p.GlyphPos.x + 6, p.GlyphPos.y + 4));
    EXPECT_EQ(moved.TextBounds.left, p.TextBounds.left + 6);
    EXPECT_EQ(moved.TextBounds.top, p.TextBounds.top + 4);
    // Themed, the pressed caption stays where it was.
    SetThemesEnabled(true);
    TGlyphPlacement themed = Place(true, Caption, blGlyphLeft, -1, -1, 0, TRect(5, 3, 105, 63), TPoint(1, 1));
    EXPECT_EQ(themed.GlyphPos, moved.GlyphPos);
    EXPECT_EQ(themed.TextBounds.left, p.TextBounds.left + 5);
}

TEST(GlyphImageIndex, DownWithFewerThanThreeGlyphsShowsTheUpImage)
{
    struct Case {
        int NumGlyphs;
        int Expected[4];  // up, disabled, down, exclusive
    };
    const Case cases[] = {{1, {0, 0, 0, 0}}, {2, {0, 1, 0, 0}}, {3, {0, 1, 2, 2}}, {4, {0, 1, 2, 3}}};
    for (const Case& c : cases) {
        TUniSpeedButton button(nullptr);
        button.SetGlyph(GlyphBitmap({clRed, clGreen, clBlue, clYellow}).get());
        button.SetNumGlyphs(c.NumGlyphs);
        button.GetGlyphObject()->BuildImages();
        for (TButtonState state : {bsUp, bsDisabled, bsDown, bsExclusive})
            EXPECT_EQ(GlyphImageIndex(&button, state), c.Expected[state]) << c.NumGlyphs << " glyphs, state " << state;
    }
}

TEST(GlyphObject, AControlThatIsNoGlyphButtonIsAnInternalError)
{
    TButton plain(nullptr);
    for (auto call : {+[](TControl* c) { GlyphObject(c); }, +[](TControl* c) { RebuildGlyphImages(c); },
                      +[](TControl* c) { GlyphImageIndex(c, bsUp); }}) {
        try {
            call(&plain);
            ADD_FAILURE() << "no error";
        } catch (const EUniInternalError& e) {
            EXPECT_EQ(e.GetMessage(), L"Internal Error: Control does not support IUniGlyphButton.");
        }
    }
    TUniBitBtn button(nullptr);
    EXPECT_EQ(GlyphObject(&button), button.GetGlyphObject());
}

// ---- painting ----

class GlyphButtonPaintTest : public UniFormTest {
protected:
    void SetUp() override
    {
        UniFormTest::SetUp();
        saved = ThemesEnabled();
        SetThemesEnabled(false);
    }
    void TearDown() override
    {
        SetThemesEnabled(saved);
        UniFormTest::TearDown();
    }
    template <class T>
    T* AddGlyphButton(std::initializer_list<TColor> glyphs, const WideString& caption)
    {
        T* button = Add<T>(10, 10, 160, 60);
        button->SetGlyph(GlyphBitmap(glyphs).get());
        button->SetNumGlyphs(static_cast<int>(glyphs.size()));
        button->GetGlyphObject()->BuildImages();
        button->SetCaption(caption);
        button->GetFont()->SetName("Tahoma");
        button->GetFont()->SetSize(10);
        button->GetFont()->SetColor(clBlack);
        return button;
    }
    bool saved = false;
};

TEST_F(GlyphButtonPaintTest, TheSpeedButtonDrawsGlyphAndCaptionInEachLayout)
{
    auto* button = AddGlyphButton<TTestSpeedButton>({clRed}, Czech);
    button->SetWidth(220);
    button->SetHeight(70);
    for (TButtonLayout layout : {blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom}) {
        button->SetLayout(layout);
        TPrint print(220, 70);
        print.Paint(button);
        TRect glyph = print.BoxOf(Red);
        TRect ink = print.InkBox();
        ASSERT_EQ(glyph.Width(), 16) << layout;
        ASSERT_GT(ink.Width(), 0) << layout;
        switch (layout) {
        case blGlyphLeft: EXPECT_LT(glyph.right, ink.left); break;
        case blGlyphRight: EXPECT_GT(glyph.left, ink.right); break;
        case blGlyphTop: EXPECT_LT(glyph.bottom, ink.top); break;
        case blGlyphBottom: EXPECT_GT(glyph.top, ink.bottom); break;
        }
    }
    EXPECT_EQ(button->Rebuilds, 0);
}

TEST_F(GlyphButtonPaintTest, PressedMovesTheFaceAndShowsTheUpImageOfATwoGlyphBitmap)
{
    auto* button = AddGlyphButton<TTestSpeedButton>({clRed, clLime}, Ukrainian);
    TPrint up(160, 60);
    up.Paint(button);
    button->SetState(bsDown);
    TPrint down(160, 60);
    down.Paint(button);
    TRect upGlyph = up.BoxOf(Red);
    ASSERT_EQ(upGlyph.Width(), 16);
    EXPECT_EQ(down.BoxOf(Red), TRect(upGlyph.left + 1, upGlyph.top + 1, upGlyph.right + 1, upGlyph.bottom + 1));
    TRect upInk = up.InkBox();
    EXPECT_EQ(down.InkBox(), TRect(upInk.left + 1, upInk.top + 1, upInk.right + 1, upInk.bottom + 1));

    // The disabled image is the second one.
    button->SetEnabled(false);
    TPrint disabled(160, 60);
    disabled.Paint(button);
    EXPECT_EQ(disabled.BoxOf(Red), TRect());
    EXPECT_EQ(disabled.BoxOf(RGB(0, 255, 0)).Width(), 16);
}

// Enabled, the caption is in the font's colour; disabled, embossed: shadow
// ink with highlight showing one pixel down and right, nothing darker.
template <class Paint>
void ExpectEmbossedWhenDisabled(TControl* button, int width, int height, Paint paint)
{
    int shadow = Luminance(GetSysColor(COLOR_BTNSHADOW));
    int highlight = Luminance(GetSysColor(COLOR_BTNHIGHLIGHT));
    ASSERT_GT(highlight, Luminance(GetSysColor(COLOR_BTNFACE)));
    TPrint enabled(width, height);
    paint(enabled);
    TRect ink = enabled.InkBox();
    ASSERT_GT(ink.Width(), 0);
    EXPECT_LT(enabled.DarkestIn(ink), shadow - 40);

    button->SetEnabled(false);
    TPrint disabled(width, height);
    paint(disabled);
    TRect around(ink.left, ink.top, ink.right + 2, ink.bottom + 2);
    EXPECT_GE(disabled.DarkestIn(around), shadow - 10);
    EXPECT_LT(disabled.DarkestIn(around), shadow + 10);
    EXPECT_GE(disabled.BrightestIn(TRect(ink.left + 1, ink.top + 1, ink.right + 1, ink.bottom + 1)), highlight - 5);
    button->SetEnabled(true);
}

TEST_F(GlyphButtonPaintTest, ADisabledCaptionIsEmbossedOnBothButtons)
{
    auto* speed = AddGlyphButton<TTestSpeedButton>({clRed}, Czech);
    ExpectEmbossedWhenDisabled(speed, 160, 60, [speed](TPrint& p) { p.Paint(speed); });
    auto* bit = AddGlyphButton<TTestBitBtn>({clRed}, Czech);
    ExpectEmbossedWhenDisabled(bit, 160, 60, [bit](TPrint& p) {
        p.Paint(bit, bit->GetEnabled() ? 0u : static_cast<UINT>(ODS_DISABLED));
    });
}

TEST_F(GlyphButtonPaintTest, ThePressedBitButtonHasAShadowFrameAndStillItsGlyphAndCaption)
{
    auto* button = AddGlyphButton<TTestBitBtn>({clRed}, Cjk + L" " + Czech);
    TPrint print(160, 60);
    print.Paint(button, ODS_SELECTED);
    COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    EXPECT_EQ(print.At(0, 0), shadow);
    EXPECT_EQ(print.At(159, 30), shadow);
    EXPECT_EQ(print.BoxOf(Red).Width(), 16);
    EXPECT_GT(print.InkBox().Width(), 0);
}

// The ink of `caption` drawn alone, wide or narrowed to the system code page.
TSize InkSize(TFont* font, const WideString& caption, bool wide)
{
    TPrint print(400, 60);
    RECT all{0, 0, 400, 60};
    FillRect(print.DC(), &all, GetSysColorBrush(COLOR_BTNFACE));
    SelectObject(print.DC(), font->GetHandle());
    SetBkMode(print.DC(), TRANSPARENT);
    SetTextColor(print.DC(), 0);
    if (wide) {
        TextOutW(print.DC(), 10, 10, caption.c_str(), static_cast<int>(caption.size()));
    } else {
        AnsiString narrow = WideToAnsi(caption);
        TextOutA(print.DC(), 10, 10, narrow.c_str(), static_cast<int>(narrow.size()));
    }
    TRect ink = print.InkBox();
    return TSize(ink.Width(), ink.Height());
}

TEST_F(GlyphButtonPaintTest, TheFirstPaintBuildsTheImagesOnceThroughTheClassLibraryThenDrawsWide)
{
    auto* speed = Add<TTestSpeedButton>(10, 10, 200, 40);
    auto* bit = Add<TTestBitBtn>(10, 60, 200, 40);
    // The owner-drawn window repaints at once when its text is set: the glyph comes last.
    speed->SetCaption(Ukrainian);
    bit->SetCaption(Ukrainian);
    for (TControl* c : std::initializer_list<TControl*>{speed, bit}) {
        c->GetFont()->SetName("Tahoma");
        c->GetFont()->SetSize(10);
        c->GetFont()->SetColor(clBlack);
        GlyphObject(c)->SetGlyph(GlyphBitmap({clRed}).get());
    }
    ASSERT_EQ(speed->GetGlyphObject()->GetImageIndex(bsUp), -1);
    ASSERT_EQ(bit->GetGlyphObject()->GetImageIndex(bsUp), -1);
    form->Repaint();
    Pump();
    Pump();
    EXPECT_EQ(speed->Rebuilds, 1);
    EXPECT_EQ(bit->Rebuilds, 1);
    EXPECT_EQ(speed->GetGlyphObject()->GetImageIndex(bsUp), 0);
    EXPECT_EQ(bit->GetGlyphObject()->GetImageIndex(bsUp), 0);

    TSize wide = InkSize(speed->GetFont(), Ukrainian, true);
    ASSERT_NE(wide, InkSize(speed->GetFont(), Ukrainian, false)) << "the check could not tell the two apart";
    TPrint speedPrint(200, 40);
    speedPrint.Paint(speed);
    TPrint bitPrint(200, 40);
    bitPrint.Paint(bit, 0);
    for (TPrint* print : {&speedPrint, &bitPrint}) {
        TRect ink = print->InkBox();
        EXPECT_EQ(TSize(ink.Width(), ink.Height()), wide);
        EXPECT_EQ(print->BoxOf(Red).Width(), 16);
    }
    EXPECT_EQ(speed->Rebuilds, 1);
    EXPECT_EQ(bit->Rebuilds, 1);
}

// ---- texts, accelerators and clicks of the buttons ----

using UniButtonTest = UniFormTest;

TEST_F(UniButtonTest, WideCaptionsReachTheWindowAndSurviveItsRecreation)
{
    auto* button = Add<TUniButton>(10, 10);
    auto* bit = Add<TUniBitBtn>(10, 50);
    for (TButton* control : std::initializer_list<TButton*>{button, bit}) {
        const TPropInfo* caption = GetPropInfo(control, "Caption");
        ASSERT_NE(caption, nullptr);
        EXPECT_EQ(caption->Kind(), tkWString);
        for (const WideString& text : {Czech, Ukrainian, Cjk}) {
            SetWideStrProp(control, *caption, text);
            EXPECT_EQ(WindowTextW(control->GetHandle()), text);
            control->RecreateWnd();
            EXPECT_EQ(WindowTextW(control->GetHandle()), text);
            EXPECT_EQ(GetWideStrProp(control, *caption), text);
        }
        EXPECT_EQ(WindowClassName(control->GetHandle()), AnsiToWide(control->ClassType().GetName()) + L".UnicodeClass");
    }
}

TEST_F(UniButtonTest, TheBitButtonStoresACaptionItsKindDoesNotBring)
{
    auto* bit = Add<TUniBitBtn>();
    const TPropInfo& caption = *GetPropInfo(bit, "Caption");
    bit->SetKind(bkOK);
    EXPECT_FALSE(IsStoredProp(bit, caption)) << "the kind's own caption";
    bit->SetCaption(L"P\u0159ijmout");
    EXPECT_TRUE(IsStoredProp(bit, caption));
    bit->SetKind(bkCustom);
    EXPECT_TRUE(IsStoredProp(bit, caption));
    auto* action = new TUniAction(form.get());
    action->SetWideCaption(Ukrainian);
    bit->SetAction(action);
    EXPECT_EQ(bit->GetCaption(), Ukrainian);
    EXPECT_FALSE(IsStoredProp(bit, caption)) << "the action supplies it";
    EXPECT_FALSE(IsStoredProp(bit, *GetPropInfo(bit, "Hint")));
}

TEST_F(UniButtonTest, AMatchingAcceleratorClicksOnceAnyOtherGoesOnToTheChildren)
{
    auto* button = Add<TUniButton>(10, 10, 200, 60);
    auto* bit = Add<TUniBitBtn>(10, 80, 200, 60);
    auto* speed = Add<TUniSpeedButton>(10, 150, 200, 30);
    int clicks[3] = {};
    TControl* controls[3] = {button, bit, speed};
    for (int i = 0; i < 3; ++i) {
        SetWideText(controls[i], L"&\u0416\u0438\u0432");
        controls[i]->OnClick = TNotifyEvent::FromFunction([&clicks, i](TObject*) { ++clicks[i]; });
    }
    // A child of each windowed button with its own hot key.
    auto* inner = new TUniButton(form.get());
    inner->SetParent(button);
    inner->SetBounds(150, 5, 40, 20);
    inner->SetCaption(L"&\u010C");
    int innerClicks = 0;
    inner->OnClick = TNotifyEvent::FromFunction([&innerClicks](TObject*) { ++innerClicks; });

    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(controls[i]->Perform(CM_DIALOGCHAR, 0x0436, 0), 1) << i;
        EXPECT_EQ(clicks[i], 1) << i;
        EXPECT_EQ(controls[i]->Perform(CM_DIALOGCHAR, 'x', 0), 0) << i;
        controls[i]->SetEnabled(false);
        EXPECT_EQ(controls[i]->Perform(CM_DIALOGCHAR, 0x0416, 0), 0) << "disabled " << i;
        EXPECT_EQ(clicks[i], 1) << i;
    }
    EXPECT_EQ(button->Perform(CM_DIALOGCHAR, 0x010D, 0), 0);
    EXPECT_EQ(innerClicks, 0) << "the child of a disabled button cannot take the focus";
    button->SetEnabled(true);
    EXPECT_EQ(button->Perform(CM_DIALOGCHAR, 0x010D, 0), 1);
    EXPECT_EQ(innerClicks, 1) << "the character went on to the child";
    EXPECT_EQ(clicks[0], 1);
}

TEST_F(UniButtonTest, AClickRaisesOnClickOnce)
{
    auto* button = Add<TUniButton>(10, 10);
    auto* bit = Add<TUniBitBtn>(10, 50);
    auto* speed = Add<TUniSpeedButton>(10, 90, 100, 30);
    int clicks[3] = {};
    TControl* controls[3] = {button, bit, speed};
    for (int i = 0; i < 3; ++i)
        controls[i]->OnClick = TNotifyEvent::FromFunction([&clicks, i](TObject*) { ++clicks[i]; });
    SendMessageW(button->GetHandle(), BM_CLICK, 0, 0);
    SendMessageW(bit->GetHandle(), BM_CLICK, 0, 0);
    speed->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    speed->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    Pump();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(clicks[i], 1) << i;
}

}  // namespace
