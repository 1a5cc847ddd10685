#include "classlib/Buttons.h"
#include "classlib/Themes.h"

TButtonGlyph::TButtonGlyph() : FGlyph(std::make_unique<TBitmap>())
{
    FGlyph->OnChange = TNotifyEvent(this, &TButtonGlyph::GlyphChanged);
}

TButtonGlyph::~TButtonGlyph() = default;

void TButtonGlyph::SetGlyph(TBitmap* value)
{
    if (value)
        FGlyph->Assign(value);
    else
        FGlyph->SetSize(0, 0);
    GlyphChanged(this);
}

void TButtonGlyph::SetNumGlyphs(int value)
{
    value = std::clamp(value, 1, 4);
    if (FNumGlyphs != value) {
        FNumGlyphs = value;
        GlyphChanged(this);
    }
}

void TButtonGlyph::GlyphChanged(TObject*)
{
    FImages.reset();
    std::fill(std::begin(FIndexes), std::end(FIndexes), -1);
    if (OnChange)
        OnChange(this);
}

TSize TButtonGlyph::GlyphSize() const
{
    if (FGlyph->GetEmpty() || FGlyph->GetWidth() == 0 || FGlyph->GetHeight() == 0)
        return TSize(0, 0);
    return TSize(FGlyph->GetWidth() / FNumGlyphs, FGlyph->GetHeight());
}

void TButtonGlyph::BuildImages()
{
    TSize size = GlyphSize();
    if (size.cx == 0)
        return;
    FImages = std::make_unique<TCustomImageList>(nullptr);
    FImages->SetWidth(size.cx);
    FImages->SetHeight(size.cy);
    FImages->AddMasked(FGlyph.get(), FGlyph->GetTransparentColor());
    FIndexes[bsUp] = 0;
    FIndexes[bsDisabled] = FNumGlyphs >= 2 ? 1 : 0;
    FIndexes[bsDown] = FNumGlyphs >= 3 ? 2 : 0;
    FIndexes[bsExclusive] = FNumGlyphs >= 4 ? 3 : FIndexes[bsDown];
}

void PlaceGlyphAndText(const TRect& client, TPoint offset, TSize glyph, TButtonLayout layout, int margin, int spacing,
                       TPoint& glyphPos, TRect& textBounds)
{
    TPoint clientSize(client.Width(), client.Height());
    TPoint glyphSize(glyph.cx, glyph.cy);
    TPoint textSize(textBounds.Width(), textBounds.Height());
    bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
    TPoint textPos;
    if (horizontal) {
        glyphPos.y = (clientSize.y - glyphSize.y + 1) / 2;
        textPos.y = (clientSize.y - textSize.y + 1) / 2;
    } else {
        glyphPos.x = (clientSize.x - glyphSize.x + 1) / 2;
        textPos.x = (clientSize.x - textSize.x + 1) / 2;
    }
    if (textSize.x == 0 || glyphSize.x == 0)
        spacing = 0;
    auto axis = [horizontal](TPoint p) { return horizontal ? p.x : p.y; };
    if (margin == -1) {
        if (spacing == -1) {
            int total = axis(glyphSize) + axis(textSize);
            margin = (axis(clientSize) - total) / 3;
            spacing = margin;
        } else {
            int total = axis(glyphSize) + spacing + axis(textSize);
            margin = (axis(clientSize) - total + 1) / 2;
        }
    } else if (spacing == -1) {
        spacing = (axis(clientSize) - (margin + axis(glyphSize)) - axis(textSize)) / 2;
    }
    switch (layout) {
    case blGlyphLeft:
        glyphPos.x = margin;
        textPos.x = glyphPos.x + glyphSize.x + spacing;
        break;
    case blGlyphRight:
        glyphPos.x = clientSize.x - margin - glyphSize.x;
        textPos.x = glyphPos.x - spacing - textSize.x;
        break;
    case blGlyphTop:
        glyphPos.y = margin;
        textPos.y = glyphPos.y + glyphSize.y + spacing;
        break;
    case blGlyphBottom:
        glyphPos.y = clientSize.y - margin - glyphSize.y;
        textPos.y = glyphPos.y - spacing - textSize.y;
        break;
    }
    glyphPos = TPoint(glyphPos.x + client.left + offset.x, glyphPos.y + client.top + offset.y);
    // Themed text is not shifted when pressed.
    TPoint textOffset = ThemesEnabled() ? TPoint(0, 0) : offset;
    int dx = textPos.x + client.left + textOffset.x;
    int dy = textPos.y + client.top + textOffset.y;
    textBounds = TRect(textBounds.left + dx, textBounds.top + dy, textBounds.right + dx, textBounds.bottom + dy);
}

void TButtonGlyph::Layout(TCanvas* canvas, const TRect& client, TPoint offset, const AnsiString& caption,
                          TButtonLayout layout, int margin, int spacing, TPoint& glyphPos, TRect& textBounds,
                          bool wordWrap)
{
    TSize glyph = GlyphSize();
    textBounds = TRect(0, 0, 0, 0);
    if (!caption.empty()) {
        RECT r{0, 0, client.Width() - glyph.cx - 3, 0};
        canvas->RequiredState({csHandleValid, csFontValid});
        DrawTextA(canvas->GetHandle(), caption.c_str(), static_cast<int>(caption.size()), &r,
                  DT_CALCRECT | (wordWrap ? DT_WORDBREAK : 0));
        textBounds = TRect(r.left, r.top, r.right, r.bottom);
    }
    PlaceGlyphAndText(client, offset, glyph, layout, margin, spacing, glyphPos, textBounds);
}

void TButtonGlyph::DrawGlyph(TCanvas* canvas, TPoint pos, TButtonState state, bool transparent)
{
    if (GlyphSize().cx == 0)
        return;
    if (FIndexes[state] < 0)
        BuildImages();
    canvas->RequiredState({csHandleValid});
    UINT style = (transparent || state == bsExclusive) ? ILD_TRANSPARENT : ILD_NORMAL;
    // A single glyph stands for the disabled state too, drawn faded.
    if (state == bsDisabled && FNumGlyphs < 2)
        style = ILD_TRANSPARENT | ILD_BLEND50;
    COLORREF background = (style & ILD_TRANSPARENT) ? CLR_NONE : ColorToRGB(clBtnFace);
    ImageList_DrawEx(FImages->GetHandle(), FIndexes[state], canvas->GetHandle(), pos.x, pos.y, 0, 0, background,
                     CLR_NONE, style);
}

void TButtonGlyph::DrawCaption(TCanvas* canvas, const AnsiString& caption, TRect bounds, TButtonState state,
                               bool wordWrap)
{
    canvas->GetBrush()->SetStyle(bsClear);
    canvas->RequiredState({csHandleValid, csFontValid, csBrushValid});
    HDC dc = canvas->GetHandle();
    SetBkMode(dc, TRANSPARENT);
    UINT flags = wordWrap ? (DT_CENTER | DT_WORDBREAK) : (DT_CENTER | DT_VCENTER);
    RECT r = bounds;
    int length = static_cast<int>(caption.size());
    if (state == bsDisabled) {
        OffsetRect(&r, 1, 1);
        SetTextColor(dc, ColorToRGB(clBtnHighlight));
        DrawTextA(dc, caption.c_str(), length, &r, flags);
        OffsetRect(&r, -1, -1);
        SetTextColor(dc, ColorToRGB(clBtnShadow));
    } else {
        SetTextColor(dc, ColorToRGB(canvas->GetFont()->GetColor()));
    }
    DrawTextA(dc, caption.c_str(), length, &r, flags);
}

TRect TButtonGlyph::Draw(TCanvas* canvas, const TRect& client, TPoint offset, const AnsiString& caption,
                         TButtonLayout layout, int margin, int spacing, TButtonState state, bool transparent,
                         bool wordWrap)
{
    TPoint glyphPos;
    TRect textBounds;
    Layout(canvas, client, offset, caption, layout, margin, spacing, glyphPos, textBounds, wordWrap);
    DrawGlyph(canvas, glyphPos, state, transparent);
    DrawCaption(canvas, caption, textBounds, state, wordWrap);
    return textBounds;
}
