#include "components/KitPanel.h"

void TKitCustomPanel::GetFrameColorAndAdjustment(TColor& color, int& adjustment) const
{
    if (FVisualStyle != vsGradient || FGradientColorStyle == gcsCustom) {
        color = FFlatColor;
        adjustment = FFlatColorAdjustment;
    } else {
        color = GetGradientFrameColor(FGradientColorStyle);
        adjustment = 0;
    }
}

void TKitCustomPanel::GetGradientColorPair(TColor& start, TColor& stop) const
{
    if (FGradientColorStyle == gcsCustom) {
        start = FGradientColorStart;
        stop = FGradientColorStop;
    } else {
        GetGradientColors(FGradientColorStyle, start, stop);
    }
}

void TKitCustomPanel::Paint()
{
    TCanvas* canvas = GetCanvas();
    TColor frameColor;
    int adjustment;
    GetFrameColorAndAdjustment(frameColor, adjustment);
    TColor parentColor = GetParent() ? GetParent()->GetColor() : GetColor();
    TRect rect = DrawLayeredBorders(canvas, ControlRect(), FBorderOuter, FBorderInner, GetBorderWidth(), FBorderSides,
                                    GetBevelWidth(), FBorderColor, FBorderHighlight, FBorderShadow, frameColor,
                                    adjustment, GetColor(), parentColor, FTransparent);
    if (!FTransparent && FPaintClientArea) {
        // A rounded frame leaves its corners to the fill: the ring inside the
        // frame is filled too and its corner pixels are then set in the frame colour.
        bool rounded = (FBorderOuter == fsFlatRounded && FBorderInner == fsNone && GetBorderWidth() == 0) ||
                       FBorderInner == fsFlatRounded;
        TRect fill = rect;
        if (rounded) {
            fill.left -= FBorderSides.Contains(sdLeft);
            fill.top -= FBorderSides.Contains(sdTop);
            fill.right += FBorderSides.Contains(sdRight);
            fill.bottom += FBorderSides.Contains(sdBottom);
        }
        if (FVisualStyle == vsGradient) {
            TColor start, stop;
            GetGradientColorPair(start, stop);
            DrawGradient(canvas, fill, FGradientDirection, start, stop);
        } else {
            canvas->GetBrush()->SetStyle(bsSolid);
            canvas->GetBrush()->SetColor(GetColor());
            canvas->FillRect(fill);
        }
        if (rounded) {
            TColor corner = ShiftColor(frameColor, adjustment);
            auto has = [this](TSide a, TSide b) { return FBorderSides.Contains(a) && FBorderSides.Contains(b); };
            if (has(sdLeft, sdTop))
                canvas->SetPixels(fill.left, fill.top, corner);
            if (has(sdTop, sdRight))
                canvas->SetPixels(fill.right - 1, fill.top, corner);
            if (has(sdRight, sdBottom))
                canvas->SetPixels(fill.right - 1, fill.bottom - 1, corner);
            if (has(sdBottom, sdLeft))
                canvas->SetPixels(fill.left, fill.bottom - 1, corner);
        }
    }
    if (FShowGrid)
        DrawGrid(rect);
    canvas->GetBrush()->SetStyle(bsClear);
    DrawCaption(rect);
    canvas->GetBrush()->SetStyle(bsSolid);
    if (OnPaint)
        OnPaint(this);
}

void TKitCustomPanel::DrawCaption(TRect rect)
{
    AnsiString caption = GetCaption();
    if (caption.empty())
        return;
    TCanvas* canvas = GetCanvas();
    canvas->GetFont()->Assign(GetFont());
    if (!GetEnabled())
        canvas->GetFont()->SetColor(clGrayText);
    TRect text(rect.left + FTextMargin, rect.top + FTextMarginVertical, rect.right - FTextMargin,
               rect.bottom - FTextMarginVertical);
    static constexpr UINT alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    UINT flags = DT_EXPANDTABS | DT_VCENTER | (FWordWrap ? DT_WORDBREAK : 0) | alignments[GetAlignment()];
    canvas->RequiredState({csHandleValid, csFontValid});
    TRect measured = text;
    int height = DrawTextAnsi(canvas, caption, measured, flags | DT_CALCRECT);
    switch (FAlignmentVertical) {
    case avTop:
        text.bottom = std::min<LONG>(text.bottom, text.top + height);
        break;
    case avCenter:
        text.top = (text.top + text.bottom - height) / 2;
        text.bottom = std::min<LONG>(text.bottom, text.top + height);
        break;
    case avBottom:
        text.top = std::max<LONG>(text.top, text.bottom - height - 1);
        break;
    }
    SetBkMode(canvas->GetHandle(), TRANSPARENT);
    DrawTextAnsi(canvas, caption, text, flags);
}

void TKitCustomPanel::DrawGrid(const TRect& rect)
{
    TCanvas* canvas = GetCanvas();
    int nx = FGridXSize ? rect.Width() / FGridXSize : 0;
    int ny = FGridYSize ? rect.Height() / FGridYSize : 0;
    canvas->GetPen()->SetColor(FGridColor);
    canvas->GetPen()->SetStyle(psSolid);
    auto column = [&](int i) { return rect.left + i * FGridXSize - 1; };
    auto row = [&](int j) { return rect.top + j * FGridYSize - 1; };
    switch (FGridStyle) {
    case gsDots:
        for (int i = 1; i <= nx; ++i)
            for (int j = 1; j <= ny; ++j)
                canvas->SetPixels(column(i), row(j), FGridColor);
        break;
    case gsSolidLines:
        for (int i = 1; i <= nx; ++i) {
            canvas->MoveTo(column(i), rect.top);
            canvas->LineTo(column(i), rect.bottom);
        }
        for (int j = 1; j <= ny; ++j) {
            canvas->MoveTo(rect.left, row(j));
            canvas->LineTo(rect.right, row(j));
        }
        break;
    case gsDottedLines:
        for (int i = 1; i <= nx; ++i)
            for (int y = rect.top + 1; y < rect.bottom; y += 2)
                canvas->SetPixels(column(i), y, FGridColor);
        for (int j = 1; j <= ny; ++j)
            for (int x = rect.left + 1; x < rect.right; x += 2)
                canvas->SetPixels(x, row(j), FGridColor);
        break;
    }
}
