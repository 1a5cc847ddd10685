#include "components/KitCommon.h"

namespace {

TRect Shrink(TRect r, TSides sides, int by)
{
    if (sides.Contains(sdLeft))
        r.left += by;
    if (sides.Contains(sdTop))
        r.top += by;
    if (sides.Contains(sdRight))
        r.right -= by;
    if (sides.Contains(sdBottom))
        r.bottom -= by;
    return r;
}

void Line(TCanvas* canvas, TColor color, int x1, int y1, int x2, int y2)
{
    canvas->GetPen()->SetColor(color);
    canvas->MoveTo(x1, y1);
    canvas->LineTo(x2, y2);
}

void Pixel(TCanvas* canvas, int x, int y, TColor color)
{
    if (color != clNone)
        canvas->SetPixels(x, y, color);
}

// Two lines, the inner one drawn offset against the outer one, so that each side looks cut in or raised.
TRect DrawEtchedPair(TCanvas* canvas, const TRect& r, TColor hi, TColor sh, TSides sides)
{
    bool left = sides.Contains(sdLeft), top = sides.Contains(sdTop), right = sides.Contains(sdRight),
         bottom = sides.Contains(sdBottom);
    if (right)
        Pixel(canvas, r.right - 1, r.top, sh);
    else if (top)
        Pixel(canvas, r.right - 1, r.top, hi);
    if (bottom)
        Pixel(canvas, r.left, r.bottom - 1, sh);
    else if (left)
        Pixel(canvas, r.left, r.bottom - 1, hi);
    if (top && !left)
        Pixel(canvas, r.left, r.top + 1, sh);
    if (left && !top)
        Pixel(canvas, r.left + 1, r.top, sh);
    if (bottom && !right)
        Pixel(canvas, r.right - 1, r.bottom - 2, hi);
    if (right && !bottom)
        Pixel(canvas, r.right - 2, r.bottom - 1, hi);
    DrawSideLines(canvas, TRect(r.left + 1, r.top + 1, r.right, r.bottom), sh, sh, sides);
    DrawSideLines(canvas, TRect(r.left, r.top, r.right - 1, r.bottom - 1), hi, hi, sides);
    return Shrink(r, sides, 2);
}

// An outer and an inner line, each upper-left / lower-right.
TRect DrawTwoLines(TCanvas* canvas, const TRect& r, TColor outerUL, TColor outerLR, TColor innerUL, TColor innerLR,
                   TSides sides)
{
    TRect inner = DrawBevelLines(canvas, r, outerUL, outerLR, 1, sides);
    return DrawBevelLines(canvas, inner, innerUL, innerLR, 1, sides);
}

}  // namespace

TRect DrawSideLines(TCanvas* Canvas, const TRect& Rect, TColor UpperLeftColor, TColor LowerRightColor, TSides Sides)
{
    const TRect& r = Rect;
    if (UpperLeftColor != clNone) {
        if (Sides.Contains(sdLeft))
            Line(Canvas, UpperLeftColor, r.left, r.top, r.left, r.bottom);
        if (Sides.Contains(sdTop))
            Line(Canvas, UpperLeftColor, r.left, r.top, r.right, r.top);
    }
    if (LowerRightColor != clNone) {
        if (Sides.Contains(sdRight))
            Line(Canvas, LowerRightColor, r.right - 1, r.top, r.right - 1, r.bottom);
        if (Sides.Contains(sdBottom))
            Line(Canvas, LowerRightColor, r.left, r.bottom - 1, r.right, r.bottom - 1);
    }
    return Shrink(r, Sides, 1);
}

TRect DrawBevelLines(TCanvas* Canvas, const TRect& Rect, TColor UpperLeftColor, TColor LowerRightColor, int Count,
                     TSides Sides)
{
    Canvas->GetPen()->SetWidth(1);
    TRect r = Rect;
    for (int i = 0; i < Count; ++i)
        r = DrawSideLines(Canvas, r, UpperLeftColor, LowerRightColor, Sides);
    return r;
}

TRect DrawThreeDSides(TCanvas* Canvas, const TRect& Rect, bool Sunken, TSides Sides)
{
    if (Sunken)
        return DrawTwoLines(Canvas, Rect, clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight, Sides);
    return DrawTwoLines(Canvas, Rect, cl3DLight, cl3DDkShadow, clBtnHighlight, clBtnShadow, Sides);
}

TRect DrawPushButtonSides(TCanvas* Canvas, const TRect& Rect, bool Down, TSides Sides)
{
    if (Down)
        return DrawTwoLines(Canvas, Rect, clBtnText, clBtnText, clBtnShadow, clBtnShadow, Sides);
    return DrawTwoLines(Canvas, Rect, clBtnHighlight, cl3DDkShadow, cl3DLight, clBtnShadow, Sides);
}

TRect DrawTintedButtonSides(TCanvas* Canvas, const TRect& Rect, TColor BaseColor, bool Down, TSides Sides)
{
    TColor d100 = DarkenColor(BaseColor, 100), d50 = DarkenColor(BaseColor, 50);
    if (Down)
        return DrawTwoLines(Canvas, Rect, d100, d100, d50, d50, Sides);
    return DrawTwoLines(Canvas, Rect, LightenColor(BaseColor, 100), d100, LightenColor(BaseColor, 40), d50, Sides);
}

TRect DrawStyleSides(TCanvas* Canvas, const TRect& Rect, TFrameStyle Style, TSides Sides)
{
    switch (Style) {
    case fsFlat: return DrawBevelLines(Canvas, Rect, cl3DDkShadow, cl3DDkShadow, 1, Sides);
    case fsGroove: return DrawEtchedPair(Canvas, Rect, clBtnShadow, clBtnHighlight, Sides);
    case fsBump: return DrawEtchedPair(Canvas, Rect, clBtnHighlight, clBtnShadow, Sides);
    case fsLowered: return DrawThreeDSides(Canvas, Rect, true, Sides);
    case fsButtonDown: return DrawPushButtonSides(Canvas, Rect, true, Sides);
    case fsRaised: return DrawThreeDSides(Canvas, Rect, false, Sides);
    case fsButtonUp: return DrawPushButtonSides(Canvas, Rect, false, Sides);
    case fsStatus: return DrawBevelLines(Canvas, Rect, clBtnShadow, clBtnHighlight, 1, Sides);
    case fsPopup: return DrawBevelLines(Canvas, Rect, clBtnHighlight, clBtnShadow, 1, Sides);
    case fsFlatBold: return DrawBevelLines(Canvas, Rect, clBtnShadow, clBtnShadow, 2, Sides);
    default: return Rect;
    }
}

TRect DrawTintedStyleSides(TCanvas* Canvas, const TRect& Rect, TColor BaseColor, TFrameStyle Style, TSides Sides)
{
    auto D = [BaseColor](uint8_t n) { return DarkenColor(BaseColor, n); };
    auto L = [BaseColor](uint8_t n) { return LightenColor(BaseColor, n); };
    switch (Style) {
    case fsNone: return Rect;
    case fsFlat: return DrawBevelLines(Canvas, Rect, D(50), D(50), 1, Sides);
    case fsGroove: return DrawEtchedPair(Canvas, Rect, D(50), L(100), Sides);
    case fsLowered: return DrawTwoLines(Canvas, Rect, D(50), L(100), D(100), L(50), Sides);
    case fsRaised: return DrawTwoLines(Canvas, Rect, L(50), D(100), L(100), D(50), Sides);
    case fsButtonDown: return DrawTintedButtonSides(Canvas, Rect, BaseColor, true, Sides);
    case fsButtonUp: return DrawTintedButtonSides(Canvas, Rect, BaseColor, false, Sides);
    case fsStatus: return DrawBevelLines(Canvas, Rect, D(50), L(100), 1, Sides);
    case fsPopup: return DrawBevelLines(Canvas, Rect, L(100), D(50), 1, Sides);
    case fsFlatBold: return DrawBevelLines(Canvas, Rect, D(50), D(50), 2, Sides);
    default: return DrawEtchedPair(Canvas, Rect, L(100), D(50), Sides);
    }
}

TRect DrawRoundedSides(TCanvas* Canvas, const TRect& Rect, TColor Color, TSides Sides)
{
    const TRect& r = Rect;
    bool left = Sides.Contains(sdLeft), top = Sides.Contains(sdTop), right = Sides.Contains(sdRight),
         bottom = Sides.Contains(sdBottom);
    int t = top ? 2 : 0, b = bottom ? 2 : 0, l = left ? 2 : 0, rr = right ? 2 : 0;
    if (Color != clNone) {
        if (left)
            Line(Canvas, Color, r.left, r.top + t, r.left, r.bottom - b);
        if (top)
            Line(Canvas, Color, r.left + l, r.top, r.right - rr, r.top);
        if (right)
            Line(Canvas, Color, r.right - 1, r.top + t, r.right - 1, r.bottom - b);
        if (bottom)
            Line(Canvas, Color, r.left + l, r.bottom - 1, r.right - rr, r.bottom - 1);
        if (left && top)
            Pixel(Canvas, r.left + 1, r.top + 1, Color);
        if (top && right)
            Pixel(Canvas, r.right - 2, r.top + 1, Color);
        if (right && bottom)
            Pixel(Canvas, r.right - 2, r.bottom - 2, Color);
        if (left && bottom)
            Pixel(Canvas, r.left + 1, r.bottom - 2, Color);
    }
    return Shrink(r, Sides, 2);
}

TRect DrawDotFrame(TCanvas* Canvas, const TRect& Rect)
{
    const TRect& r = Rect;
    for (int y = r.top + 1; y < r.bottom; y += 2) {
        Canvas->SetPixels(r.left, y, clBlack);
        Canvas->SetPixels(r.right - 1, y, clBlack);
    }
    for (int x = r.left + 1; x < r.right; x += 2) {
        Canvas->SetPixels(x, r.top, clBlack);
        Canvas->SetPixels(x, r.bottom - 1, clBlack);
    }
    return TRect(r.left + 1, r.top + 1, r.right - 1, r.bottom - 1);
}
