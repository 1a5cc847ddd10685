#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "classlib/StdCtrls.h"
#include "classlib/Themes.h"
#include "components/KitButton.h"
#include "kit_form_fixture.h"

namespace {

constexpr COLORREF Ink = RGB(0, 0, 0);

class KitButtonPaintTest : public KitFormTest {
protected:
    template <class T = TKitButton>
    T* AddButton(int width = 100, int height = 40)
    {
        T* button = Add<T>(10, 10, width, height);
        button->GetFont()->SetName("Tahoma");
        button->GetFont()->SetSize(10);
        button->GetFont()->SetColor(static_cast<TColor>(Ink));
        button->SetCaption("Wide");
        button->HandleNeeded();
        return button;
    }
    // Hides the focus and accelerator cues of a control, as after a mouse click, or
    // shows them again. Wine keeps no cue state (every query answers "shown"), so
    // the hidden state is answered by the control's window itself.
    void SetCues(TWinControl* control, bool shown)
    {
        HWND window = control->GetHandle();
        if (!shown && !cuesShownProc)
            cuesShownProc = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CuesHiddenProc)));
        else if (shown && cuesShownProc) {
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(cuesShownProc));
            cuesShownProc = nullptr;
        }
    }
    static LRESULT CALLBACK CuesHiddenProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_QUERYUISTATE)
            return UISF_HIDEFOCUS | UISF_HIDEACCEL;
        return CallWindowProcA(cuesShownProc, window, message, wParam, lParam);
    }
    static inline WNDPROC cuesShownProc = nullptr;
    static COLORREF Sys(TColor c) { return ColorToRGB(c); }
};

// The classic face of each state, read at the corners and where the caption lies.
TEST_F(KitButtonPaintTest, EachStateHasItsClassicFrameAndCaption)
{
    ShowForm();
    TKitButton* button = AddButton();
    // The sunken frame and the focus dots are black: the caption is read in a colour of its own.
    const COLORREF red = RGB(200, 0, 0);
    button->GetFont()->SetColor(static_cast<TColor>(red));
    auto normal = PrintWindowed(button);
    EXPECT_EQ(normal->Count(RGB(1, 2, 3)), 0) << "every pixel is painted";
    EXPECT_EQ(normal->Pixel(0, 0), Sys(clBtnHighlight));
    EXPECT_EQ(normal->Pixel(99, 39), Sys(cl3DDkShadow));
    EXPECT_EQ(normal->Pixel(50, 2), Sys(clBtnFace));
    TRect caption = BoxOf(*normal, red, 60);
    ASSERT_FALSE(IsEmpty(caption));
    EXPECT_LE(std::abs(caption.left + caption.right - 100), 3) << "centred";
    EXPECT_LE(std::abs(caption.top + caption.bottom - 40), 3);

    // Pressed by the mouse: the sunken frame, the caption one pixel down and right.
    button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ASSERT_TRUE(button->GetShowDownVersion());
    auto pressed = PrintWindowed(button);
    EXPECT_EQ(pressed->Pixel(0, 0), Sys(clBtnText));
    EXPECT_EQ(pressed->Pixel(1, 1), Sys(clBtnShadow));
    EXPECT_EQ(BoxOf(*pressed, red, 60), TRect(caption.left + 1, caption.top + 1, caption.right + 1, caption.bottom + 1));
    button->Perform(WM_LBUTTONUP, 0, MAKELPARAM(500, 500));

    // Focused: a window-frame line around, and the dotted focus rectangle 4 pixels in
    // only while the cues are shown.
    ASSERT_TRUE(button->Focused());
    SetCues(button, false);
    ASSERT_TRUE(SendMessageA(button->GetHandle(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
    auto hidden = PrintWindowed(button);
    EXPECT_EQ(hidden->Pixel(0, 0), Sys(clWindowFrame));
    EXPECT_NE(hidden->Pixel(5, 4), Ink) << "no focus rectangle while the cues are hidden";
    SetCues(button, true);
    auto focused = PrintWindowed(button);
    EXPECT_EQ(focused->Pixel(5, 4), Ink);
    EXPECT_EQ(focused->Pixel(6, 4), Sys(clBtnFace));
    EXPECT_EQ(focused->Pixel(4, 5), Ink);

    // Default: while another button holds the focus, that one is the active button;
    // once the focus is on a control of another kind, the default button is framed
    // (the window-frame line), without dots.
    TKitButton* other = AddButton();
    other->GetFont()->SetColor(static_cast<TColor>(red));
    other->SetLeft(150);
    other->SetDefault(true);
    EXPECT_FALSE(other->GetIsActive());
    EXPECT_EQ(PrintWindowed(other)->Pixel(0, 0), Sys(clBtnHighlight));
    TEdit* edit = Add<TEdit>(10, 100, 80, 20);
    edit->SetFocus();
    ASSERT_TRUE(edit->Focused());
    EXPECT_TRUE(other->GetIsActive());
    auto byDefault = PrintWindowed(other);
    EXPECT_EQ(byDefault->Pixel(0, 0), Sys(clWindowFrame));
    EXPECT_EQ(byDefault->Pixel(1, 1), Sys(clBtnHighlight));
    EXPECT_NE(byDefault->Pixel(5, 4), Ink);

    // Disabled: the caption in the grey text colour.
    other->SetEnabled(false);
    auto disabled = PrintWindowed(other);
    EXPECT_TRUE(IsEmpty(BoxOf(*disabled, red, 30)));
    COLORREF grey = ColorsAreClose(clBtnFace, clGrayText) ? Sys(cl3DDkShadow) : Sys(clGrayText);
    EXPECT_FALSE(IsEmpty(BoxOf(*disabled, grey, 20)));
}

// A coloured button derives its frame from its colour; a grouped button that is
// down shows the chequered face.
TEST_F(KitButtonPaintTest, ColouredAndDownGroupButtonsHaveTheirOwnFaces)
{
    TKitButton* button = AddButton();
    const TColor green = RGB(0, 128, 0);
    button->SetColor(green);
    auto tinted = PrintWindowed(button);
    EXPECT_EQ(tinted->Pixel(0, 0), static_cast<COLORREF>(LightenColor(green, 100)));
    EXPECT_EQ(tinted->Pixel(99, 39), static_cast<COLORREF>(DarkenColor(green, 100)));
    EXPECT_EQ(tinted->Pixel(50, 3), static_cast<COLORREF>(green));

    button->SetGroupIndex(1);
    button->SetDown(true);
    auto down = PrintWindowed(button);
    TRect face(4, 4, 96, 36);
    EXPECT_GT(down->Count(RGB(192, 192, 192), face), 500) << "silver dots";
    EXPECT_GT(down->Count(static_cast<COLORREF>(green), face), 500);
    EXPECT_EQ(down->Pixel(4, 4) == RGB(192, 192, 192), down->Pixel(5, 5) == RGB(192, 192, 192))
        << "a chequer board";
    EXPECT_NE(down->Pixel(4, 4), down->Pixel(5, 4));
    button->SetShowDownPattern(false);
    EXPECT_EQ(PrintWindowed(button)->Count(RGB(192, 192, 192), face), 0);
}

// The hot-track look: the parent shows at the cut corners, and the mouse over
// the button lights a ring in the hot-track colour.
TEST_F(KitButtonPaintTest, HotTrackingLightsARingWhileTheMouseIsOver)
{
    TKitButton* button = AddButton();
    button->SetHotTrack(true);
    EXPECT_TRUE(button->GetTransparent());
    auto idle = PrintWindowed(button);
    EXPECT_EQ(idle->Pixel(0, 0), static_cast<COLORREF>(FormColor));
    EXPECT_EQ(idle->Pixel(1, 1), Sys(cl3DDkShadow)) << "the frame colour ring";
    const COLORREF hot = RGB(240, 155, 20);
    EXPECT_FALSE(Near(idle->Pixel(50, 2), hot, 30));

    button->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_TRUE(button->GetMouseOverButton());
    auto over = PrintWindowed(button);
    EXPECT_TRUE(Near(over->Pixel(50, 2), hot, 30)) << ColorText(over->Pixel(50, 2));
    // Down the sides the ring runs from the hot colour towards its whitened mix.
    const COLORREF paler = ColorToRGB(MixColors(clWhite, static_cast<TColor>(hot), 190));
    const COLORREF side = over->Pixel(2, 20);
    for (auto [channel, from, to] : {std::tuple{GetRValue(side), GetRValue(hot), GetRValue(paler)},
                                     {GetGValue(side), GetGValue(hot), GetGValue(paler)},
                                     {GetBValue(side), GetBValue(hot), GetBValue(paler)}})
        EXPECT_TRUE(channel + 2 >= std::min(from, to) && channel <= std::max(from, to) + 2) << ColorText(side);
    EXPECT_FALSE(Near(over->Pixel(50, 20), hot, 60)) << "the face inside the ring";
    button->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(Near(PrintWindowed(button)->Pixel(50, 2), hot, 30));
}

// The theme draws the face where the system has visual styles; without them
// the button falls back to its own face, whole either way.
TEST_F(KitButtonPaintTest, WithThemesOnTheFaceIsThemedOrOurOwn)
{
    TKitButton* button = AddButton();
    auto classic = PrintWindowed(button);
    SetThemesEnabled(true);
    auto themed = PrintWindowed(button);
    EXPECT_EQ(themed->Count(RGB(1, 2, 3)), 0);
    EXPECT_FALSE(IsEmpty(BoxOf(*themed, Ink, 60)));
    RECT r{0, 0, 10, 10};
    TPixelSurface probe(10, 10);
    if (DrawThemePart(probe.DC(), L"BUTTON", 1, 1, r)) {
        EXPECT_NE(themed->Count(Sys(clBtnHighlight), TRect(0, 0, 100, 1)), 100) << "the theme's face";
    } else {
        for (auto [x, y] : {std::pair{0, 0}, {99, 39}, {50, 2}})
            EXPECT_EQ(themed->Pixel(x, y), classic->Pixel(x, y)) << x << "," << y;
    }
    // ThemeAware off keeps our face under a theme.
    button->SetThemeAware(false);
    auto own = PrintWindowed(button);
    EXPECT_EQ(own->Pixel(0, 0), classic->Pixel(0, 0));
    EXPECT_EQ(own->Pixel(99, 39), classic->Pixel(99, 39));
}

// ---- glyph layouts ----

class KitBitBtnPaintTest : public KitButtonPaintTest {
protected:
    static constexpr COLORREF Red = RGB(255, 0, 0);
    static constexpr COLORREF Blue = RGB(0, 0, 255);
    // Cells of 16 x 16 in the colours given, on the olive of the bottom-left pixel.
    static std::unique_ptr<TBitmap> Glyph(std::initializer_list<COLORREF> cells)
    {
        auto glyph = std::make_unique<TBitmap>();
        glyph->SetSize(16 * static_cast<int>(cells.size()), 16);
        int x = 0;
        for (COLORREF c : cells) {
            glyph->GetCanvas()->GetBrush()->SetColor(static_cast<TColor>(c));
            glyph->GetCanvas()->FillRect(TRect(x, 0, x + 16, 16));
            x += 16;
        }
        glyph->GetCanvas()->SetPixels(0, 15, static_cast<TColor>(RGB(128, 128, 0)));
        return glyph;
    }
};

TEST_F(KitBitBtnPaintTest, EachLayoutPlacesGlyphAndCaption)
{
    struct Case {
        const char* Name;
        TButtonLayout Layout;
        TPoint Glyph;  // top-left, in a button of 100 x 60 (caption area 5 in, margin 2)
    };
    const Case cases[] = {
        {"left", blGlyphLeft, {7, 22}},
        {"right", blGlyphRight, {77, 22}},
        {"top", blGlyphTop, {42, 7}},
        {"bottom", blGlyphBottom, {42, 37}},
    };
    TKitBitBtn* button = AddButton<TKitBitBtn>(100, 60);
    button->SetGlyph(Glyph({Red}).get());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        button->SetLayout(c.Layout);
        auto picture = PrintWindowed(button);
        EXPECT_EQ(BoxOf(*picture, Red, 0), Bounds(c.Glyph.x, c.Glyph.y, 16, 16));
        EXPECT_EQ(picture->Pixel(c.Glyph.x, c.Glyph.y + 15), Sys(clBtnFace)) << "the transparent pixel";
        TRect caption = BoxOf(*picture, Ink, 60);
        ASSERT_FALSE(IsEmpty(caption));
        switch (c.Layout) {
        case blGlyphLeft:
            EXPECT_GE(caption.left, c.Glyph.x + 16 + 4);
            break;
        case blGlyphRight:
            EXPECT_LE(caption.right, c.Glyph.x - 4);
            break;
        case blGlyphTop:
            EXPECT_GE(caption.top, c.Glyph.y + 16 + 4);
            break;
        case blGlyphBottom:
            EXPECT_LE(caption.bottom, c.Glyph.y - 4);
            break;
        }
    }
    // Margin -1 centres glyph and caption together.
    button->SetLayout(blGlyphLeft);
    button->SetMargin(-1);
    auto centred = PrintWindowed(button);
    TRect glyph = BoxOf(*centred, Red, 0), caption = BoxOf(*centred, Ink, 60);
    EXPECT_LE(std::abs((glyph.left - 0) - (100 - caption.right)), 4);
    EXPECT_LE(std::abs(caption.left - glyph.right - 4), 2) << "the spacing between them";
}

TEST_F(KitBitBtnPaintTest, TheStateChoosesTheGlyphCell)
{
    ShowForm();
    TKitBitBtn* button = AddButton<TKitBitBtn>(100, 60);
    const COLORREF green = RGB(0, 255, 0), yellow = RGB(255, 255, 0);
    button->SetGlyph(Glyph({Red, Blue, green, yellow}).get());
    ASSERT_EQ(button->GetNumGlyphs(), 4);
    auto cellShown = [&]() {
        auto picture = PrintWindowed(button);
        for (COLORREF c : {Red, Blue, green, yellow})
            if (picture->Count(c) > 200)
                return c;
        return RGB(1, 2, 3);
    };
    EXPECT_EQ(cellShown(), Red);
    button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(cellShown(), green);
    // The pressed glyph sits one pixel down and right.
    EXPECT_EQ(BoxOf(*PrintWindowed(button), green, 0), Bounds(8, 23, 16, 16));
    button->Perform(WM_LBUTTONUP, 0, MAKELPARAM(500, 500));
    button->SetGroupIndex(1);
    button->SetDown(true);
    EXPECT_EQ(cellShown(), yellow);
    button->SetDown(false);
    button->SetAllowAllUp(true);
    button->SetDown(false);
    button->SetEnabled(false);
    EXPECT_EQ(cellShown(), Blue);
}

// A stock kind draws its own disabled cell: grey where the enabled one has colour.
TEST_F(KitBitBtnPaintTest, AKindsDisabledGlyphIsItsSecondCell)
{
    TKitBitBtn* button = AddButton<TKitBitBtn>(100, 60);
    button->SetKind(bkOK);
    TRect glyphArea = Bounds(7, 22, 16, 16);
    auto enabled = PrintWindowed(button);
    EXPECT_GT(enabled->Count(RGB(0, 128, 0), glyphArea), 10) << "the green tick";
    button->SetEnabled(false);
    auto disabled = PrintWindowed(button);
    EXPECT_EQ(disabled->Count(RGB(0, 128, 0), glyphArea), 0);
    EXPECT_GT(disabled->Count(RGB(128, 128, 128), glyphArea), 10);
}

}  // namespace
