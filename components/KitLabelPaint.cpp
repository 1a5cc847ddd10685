#include <algorithm>
#include <cmath>
#include <numbers>

#include "components/KitLabel.h"

namespace {

// Exact for the quarter turns, so upright and turned captions land on whole pixels.
void AngleCosSin(int degrees, double& c, double& s)
{
    switch (degrees) {
    case 0:
        c = 1, s = 0;
        return;
    case 90:
        c = 0, s = 1;
        return;
    case 180:
        c = -1, s = 0;
        return;
    case 270:
        c = 0, s = -1;
        return;
    default: {
        double a = degrees * std::numbers::pi / 180;
        c = std::cos(a), s = std::sin(a);
    }
    }
}

// Selects a font into the DC for the lifetime of the object, and deletes it after.
class TSelectedFont {
public:
    TSelectedFont(HDC dc, HFONT font) : FDC(dc), FFont(font), FOld(SelectObject(dc, font)) {}
    ~TSelectedFont()
    {
        SelectObject(FDC, FOld);
        DeleteObject(FFont);
    }
    TSelectedFont(const TSelectedFont&) = delete;
    TSelectedFont& operator=(const TSelectedFont&) = delete;

private:
    HDC FDC;
    HFONT FFont;
    HGDIOBJ FOld;
};

}  // namespace

UINT TKitLabel::CaptionFlags() const
{
    static constexpr UINT alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    static constexpr UINT condensing[] = {0, DT_END_ELLIPSIS, DT_PATH_ELLIPSIS};
    UINT flags = alignments[GetAlignment()] | DT_EXPANDTABS | condensing[FCondenseCaption];
    if (GetWordWrap())
        flags |= DT_WORDBREAK;
    if (!GetShowAccelChar())
        flags |= DT_NOPREFIX;
    return flags;
}

void TKitLabel::DrawStyledLayers(const TTextLayerPainter& draw, bool embossDisabled)
{
    if (!GetEnabled()) {
        if (embossDisabled) {
            draw(1, 1, clBtnHighlight);
            draw(0, 0, clBtnShadow);
        } else {
            draw(0, 0, clGrayText);
        }
        return;
    }
    TTextStyleLook look;
    look.Style = FTextStyle;
    look.Light = FLightTextStyle;
    look.HighlightColor = FHighlightColor;
    look.ShadowColor = FShadowColor;
    look.ShadowDepth = FShadowDepth;
    DrawStyledText(look, FCurrentColor, draw);
}

void TKitLabel::Paint()
{
    TCanvas* canvas = GetCanvas();
    TColor parentColor = GetParent() ? GetParent()->GetColor() : GetColor();
    TRect rect = DrawLayeredBorders(canvas, TRect(0, 0, GetWidth(), GetHeight()), FBorderOuter, FBorderInner,
                                    FBorderWidth, FBorderSides, FBevelWidth, FBorderColor, FBorderHighlight,
                                    FBorderShadow, FFlatColor, FFlatColorAdjustment, GetColor(), parentColor,
                                    GetTransparent());
    if (!GetTransparent()) {
        canvas->GetBrush()->SetStyle(bsSolid);
        canvas->GetBrush()->SetColor(GetColor());
        canvas->FillRect(rect);
    }
    canvas->GetBrush()->SetStyle(bsClear);
    canvas->GetFont()->Assign(GetFont());
    canvas->RequiredState({csHandleValid, csFontValid, csBrushValid});
    SetBkMode(canvas->GetHandle(), TRANSPARENT);
    switch (FRotation) {
    case roNone:
        DrawPlainText(rect);
        break;
    case roFlat:
        DrawFlatRotatedText(rect);
        break;
    case roCurve:
        DrawArcText(rect);
        break;
    }
}

void TKitLabel::DrawPlainText(TRect rect)
{
    HDC dc = GetCanvas()->GetHandle();
    AnsiString text = GetCaption();
    UINT flags = CaptionFlags();
    rect = TRect(rect.left + FTextMargin, rect.top + FTextMargin, rect.right - FTextMargin, rect.bottom - FTextMargin);
    if (GetLayout() != tlTop) {
        RECT measured = rect;
        DrawTextA(dc, text.c_str(), -1, &measured, flags | DT_CALCRECT);
        int free = rect.Height() - (measured.bottom - measured.top);
        rect.top += GetLayout() == tlBottom ? free : free / 2;
    }
    DrawStyledLayers(
        [&](int dx, int dy, TColor color) {
            RECT r{rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
            SetTextColor(dc, ColorToRGB(color));
            DrawTextA(dc, text.c_str(), -1, &r, flags);
        },
        false);
}

// The turned caption's bounding box is placed at the centre point: the middle of
// the client area, or against the named corner or edge of it.
void TKitLabel::DrawFlatRotatedText(const TRect& rect)
{
    HDC dc = GetCanvas()->GetHandle();
    AnsiString text = GetShowAccelChar() ? StripAccelerators(GetCaption()) : GetCaption();
    TSelectedFont font(dc, CreateAngledFont(GetFont(), FAngle));
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    double c, s;
    AngleCosSin(FAngle, c, s);
    // The corners of the text cell, turned about its origin (the top-left corner of the first letter).
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    for (auto [x, y] : {std::pair{extent.cx, 0L}, {0L, extent.cy}, {extent.cx, extent.cy}}) {
        double tx = x * c + y * s, ty = -x * s + y * c;
        minX = std::min(minX, tx), maxX = std::max(maxX, tx);
        minY = std::min(minY, ty), maxY = std::max(maxY, ty);
    }
    double width = maxX - minX, height = maxY - minY;
    int column = FCenterPoint % 3, row = FCenterPoint / 3;
    double left = column == 0 ? rect.left : column == 1 ? rect.left + (rect.Width() - width) / 2 : rect.right - width;
    double top = row == 0 ? rect.top : row == 1 ? rect.top + (rect.Height() - height) / 2 : rect.bottom - height;
    int x = static_cast<int>(std::lround(left - minX)), y = static_cast<int>(std::lround(top - minY));
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    DrawStyledLayers(
        [&](int dx, int dy, TColor color) {
            SetTextColor(dc, ColorToRGB(color));
            ExtTextOutA(dc, x + dx, y + dy, 0, nullptr, text.c_str(), static_cast<UINT>(text.size()), nullptr);
        },
        false);
}

// The letters run clockwise along an ellipse inside the client area, each
// turned to follow it: Angle 0 starts at the left, 90 at the top.
void TKitLabel::DrawArcText(const TRect& rect)
{
    HDC dc = GetCanvas()->GetHandle();
    AnsiString text = GetShowAccelChar() ? StripAccelerators(GetCaption()) : GetCaption();
    int letterHeight = GetCanvas()->TextHeight("Yy");
    int letterStep = GetCanvas()->TextWidth("w") + 2;
    double cx = (rect.left + rect.right) / 2.0, cy = (rect.top + rect.bottom) / 2.0;
    double rx = rect.Width() / 2.0 - letterHeight, ry = rect.Height() / 2.0 - letterHeight;
    if (rx <= 0 || ry <= 0)
        return;
    LOGFONTA base{};
    GetObjectA(GetFont()->GetHandle(), sizeof(base), &base);
    UINT savedAlign = SetTextAlign(dc, TA_BASELINE | TA_CENTER);
    double a = FAngle * std::numbers::pi / 180;
    for (char letter : text) {
        int x = static_cast<int>(std::lround(cx - rx * std::cos(a)));
        int y = static_cast<int>(std::lround(cy - ry * std::sin(a)));
        LOGFONTA turned = base;
        turned.lfEscapement = turned.lfOrientation = static_cast<LONG>(std::lround(900 - a * 1800 / std::numbers::pi));
        TSelectedFont font(dc, CreateFontIndirectA(&turned));
        DrawStyledLayers(
            [&](int dx, int dy, TColor color) {
                SetTextColor(dc, ColorToRGB(color));
                ExtTextOutA(dc, x + dx, y + dy, 0, nullptr, &letter, 1, nullptr);
            },
            true);
        a += letterStep / rx;
    }
    SetTextAlign(dc, savedAlign);
}
