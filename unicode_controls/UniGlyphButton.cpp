#include "classlib/Themes.h"
#include "unicode/UniSystem.h"
#include "unicode/UniWindows.h"
#include "unicode_controls/UniButtons.h"

namespace {

IUniGlyphButton& GlyphButtonOf(TControl* control)
{
    auto* button = dynamic_cast<IUniGlyphButton*>(control);
    if (!button)
        throw EUniInternalError("Internal Error: Control does not support IUniGlyphButton.");
    return *button;
}

}  // namespace

TButtonGlyph* GlyphObject(TControl* control)
{
    return GlyphButtonOf(control).GlyphObject();
}

void RebuildGlyphImages(TControl* control)
{
    GlyphButtonOf(control).RebuildGlyphImages();
}

int GlyphImageIndex(TControl* control, TButtonState state)
{
    TButtonGlyph* glyph = GlyphObject(control);
    if (state == bsDown && glyph->GetNumGlyphs() < 3)
        state = bsUp;
    int index = glyph->GetImageIndex(state);
    if (index == -1) {
        RebuildGlyphImages(control);
        index = glyph->GetImageIndex(state);
    }
    return index;
}

void PaintInheritedOnceAndAbort(TControl* control, bool& paintInherited)
{
    paintInherited = true;
    try {
        control->Repaint();
    } catch (...) {
        paintInherited = false;
        throw;
    }
    paintInherited = false;
    control->Invalidate();
    throw EAbortPaint("");
}

TGlyphPlacement LayoutGlyphAndCaption(TControl* control, HDC dc, const TRect& client, TPoint offset,
                                      const TGlyphCaptionLayout& look)
{
    TButtonLayout layout = look.Layout;
    if (look.BiDiFlags & DT_RIGHT) {
        if (layout == blGlyphLeft)
            layout = blGlyphRight;
        else if (layout == blGlyphRight)
            layout = blGlyphLeft;
    }
    TSize glyph = GlyphObject(control)->GlyphSize();
    TGlyphPlacement place;
    if (!look.Caption.empty()) {
        RECT r{0, 0, client.Width() - glyph.cx - 3, 0};
        WideDrawText(dc, look.Caption.c_str(), static_cast<int>(look.Caption.size()), &r,
                     look.BiDiFlags | DT_CALCRECT | (look.WordWrap ? DT_WORDBREAK : 0));
        place.TextBounds = TRect(r.left, r.top, r.right, r.bottom);
    }
    PlaceGlyphAndText(client, offset, glyph, layout, look.Margin, look.Spacing, place.GlyphPos, place.TextBounds);
    return place;
}

void DrawButtonGlyph(TControl* control, TCanvas* canvas, TPoint pos, TButtonState state, bool transparent)
{
    TButtonGlyph* glyph = GlyphObject(control);
    TBitmap* bitmap = glyph->GetGlyph();
    if (!bitmap || bitmap->GetWidth() == 0 || bitmap->GetHeight() == 0)
        return;
    int index = GlyphImageIndex(control, state);
    canvas->RequiredState({csHandleValid});
    bool clear = transparent || state == bsExclusive;
    ImageList_DrawEx(glyph->GetImages()->GetHandle(), index, canvas->GetHandle(), pos.x, pos.y, 0, 0,
                     clear ? CLR_NONE : ColorToRGB(clBtnFace), CLR_NONE, clear ? ILD_TRANSPARENT : ILD_NORMAL);
}

void DrawButtonCaption(TCanvas* canvas, const WideString& caption, const TRect& bounds, TButtonState state,
                       UINT biDiFlags, bool wordWrap)
{
    canvas->GetBrush()->SetStyle(bsClear);
    canvas->RequiredState({csHandleValid, csFontValid, csBrushValid});
    HDC dc = canvas->GetHandle();
    UINT flags = biDiFlags | DT_CENTER | (wordWrap ? DT_WORDBREAK : DT_VCENTER);
    int length = static_cast<int>(caption.size());
    RECT r = bounds;
    if (state == bsDisabled) {
        OffsetRect(&r, 1, 1);
        SetTextColor(dc, ColorToRGB(clBtnHighlight));
        WideDrawText(dc, caption.c_str(), length, &r, flags);
        OffsetRect(&r, -1, -1);
        SetTextColor(dc, ColorToRGB(clBtnShadow));
    } else {
        SetTextColor(dc, ColorToRGB(canvas->GetFont()->GetColor()));
    }
    WideDrawText(dc, caption.c_str(), length, &r, flags);
}

TRect DrawGlyphButton(TControl* control, TCanvas* canvas, const TRect& client, TPoint offset,
                      const TGlyphCaptionLayout& look, TButtonState state, bool transparent)
{
    canvas->RequiredState({csHandleValid, csFontValid});
    TGlyphPlacement place = LayoutGlyphAndCaption(control, canvas->GetHandle(), client, offset, look);
    DrawButtonGlyph(control, canvas, place.GlyphPos, state, transparent);
    DrawButtonCaption(canvas, look.Caption, place.TextBounds, state, look.BiDiFlags, look.WordWrap);
    return place.TextBounds;
}
