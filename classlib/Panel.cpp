#include "classlib/ExtCtrls.h"
#include "classlib/Themes.h"

void Frame3D(TCanvas* canvas, TRect& rect, TColor topLeft, TColor bottomRight, int width)
{
    canvas->GetPen()->SetWidth(1);
    for (int i = 0; i < width; ++i) {
        --rect.bottom;
        --rect.right;
        canvas->GetPen()->SetColor(topLeft);
        canvas->Polygon({TPoint(rect.left, rect.bottom), TPoint(rect.left, rect.top), TPoint(rect.right, rect.top)});
        canvas->GetPen()->SetColor(bottomRight);
        canvas->Polygon({TPoint(rect.right, rect.top), TPoint(rect.right, rect.bottom), TPoint(rect.left, rect.bottom)});
        ++rect.left;
        ++rect.top;
    }
}

VARIRUVU_CLASS_INFO(TCustomPanel, TCustomControl) {}

VARIRUVU_CLASS_INFO(TPanel, TCustomPanel)
{
    info.Property("Alignment", &TPanel::GetAlignment, &TPanel::SetAlignment).Default(taCenter);
    info.Property("BevelInner", &TPanel::GetBevelInner, &TPanel::SetBevelInner).Default(bvNone);
    info.Property("BevelOuter", &TPanel::GetBevelOuter, &TPanel::SetBevelOuter).Default(bvRaised);
    info.Property("BevelWidth", &TPanel::GetBevelWidth, &TPanel::SetBevelWidth).Default(1);
    info.Property("BorderStyle", &TPanel::GetBorderStyle, &TPanel::SetBorderStyle).Default(bsNone);
    info.Property("BorderWidth", &TPanel::GetBorderWidth, &TPanel::SetBorderWidth).Default(0);
    info.Property("FullRepaint", &TPanel::GetFullRepaint, &TPanel::SetFullRepaint).Default(true);
    info.Property("ParentBackground", &TPanel::GetParentBackground, &TPanel::SetParentBackground).Default(false);
}

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle.Include(csAcceptsControls).Include(csOpaque).Include(csSetCaption);
    SetBounds(0, 0, 185, 41);
    SetParentColor(false);
    SetColor(clBtnFace);
}

void TCustomPanel::Changed()
{
    Realign();
    Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment value)
{
    FAlignment = value;
    Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut value)
{
    FBevelInner = value;
    Changed();
}

void TCustomPanel::SetBevelOuter(TBevelCut value)
{
    FBevelOuter = value;
    Changed();
}

void TCustomPanel::SetBevelWidth(int value)
{
    FBevelWidth = value;
    Changed();
}

void TCustomPanel::SetBorderWidth(int value)
{
    FBorderWidth = value;
    Changed();
}

void TCustomPanel::SetBorderStyle(TBorderStyle value)
{
    if (FBorderStyle != value) {
        FBorderStyle = value;
        RecreateWnd();
    }
}

void TCustomPanel::SetParentBackground(bool value)
{
    FParentBackground = value;
    Invalidate();
}

void TCustomPanel::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    // The window class is shared by every panel of a class; FullRepaint is each one's own.
    params.WindowClass.style &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
    if (FBorderStyle == bsSingle)
        params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomPanel::ShrinkClientArea(TRect& rect)
{
    int inset = FBorderWidth;
    if (FBevelOuter != bvNone)
        inset += FBevelWidth;
    if (FBevelInner != bvNone)
        inset += FBevelWidth;
    rect = TRect(rect.left + inset, rect.top + inset, rect.right - inset, rect.bottom - inset);
}

void TCustomPanel::Paint()
{
    TCanvas* canvas = GetCanvas();
    TRect rect = GetClientRect();
    auto bevel = [&](TBevelCut cut) {
        if (cut == bvNone)
            return;
        TColor light = clBtnHighlight, dark = clBtnShadow;
        if (cut == bvLowered)
            std::swap(light, dark);
        Frame3D(canvas, rect, light, dark, FBevelWidth);
    };
    bool themedBackground = ThemesEnabled() && FParentBackground;
    bevel(FBevelOuter);
    if (themedBackground)
        rect = TRect(rect.left + FBorderWidth, rect.top + FBorderWidth, rect.right - FBorderWidth,
                     rect.bottom - FBorderWidth);
    else
        Frame3D(canvas, rect, GetColor(), GetColor(), FBorderWidth);
    bevel(FBevelInner);
    if (!themedBackground) {
        canvas->GetBrush()->SetStyle(bsSolid);
        canvas->GetBrush()->SetColor(GetColor());
        canvas->FillRect(rect);
    }
    PaintCaption(rect);
}

void TCustomPanel::PaintCaption(TRect rect)
{
    AnsiString caption = GetCaption();
    if (caption.empty())
        return;
    DrawCaptionWith(
        rect, [](TCanvas* canvas) { return canvas->TextHeight("W"); },
        [&caption](HDC dc, RECT& r, UINT flags) { DrawTextA(dc, caption.c_str(), -1, &r, flags); });
}

void TCustomPanel::DrawCaptionWith(TRect rect, const std::function<int(TCanvas* canvas)>& lineHeight,
                                   const std::function<void(HDC dc, RECT& r, UINT flags)>& draw)
{
    TCanvas* canvas = GetCanvas();
    canvas->GetBrush()->SetStyle(bsClear);
    canvas->GetFont()->Assign(GetFont());
    int height = lineHeight(canvas);
    rect.top = (rect.top + rect.bottom - height) / 2;
    rect.bottom = rect.top + height;
    static constexpr UINT alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    canvas->RequiredState({csHandleValid, csFontValid, csBrushValid});
    HDC dc = canvas->GetHandle();
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(GetFont()->GetColor()));
    RECT r = rect;
    draw(dc, r, DT_EXPANDTABS | DT_VCENTER | alignments[FAlignment]);
}

void TCustomPanel::WndProc(TMessage& message)
{
    if (message.Msg == CM_TEXTCHANGED ||
        (message.Msg == WM_WINDOWPOSCHANGED && FFullRepaint &&
         !(reinterpret_cast<WINDOWPOS*>(message.LParam)->flags & SWP_NOSIZE)))
        Invalidate();
    TCustomControl::WndProc(message);
}

// ---- bevel ----

VARIRUVU_CLASS_INFO(TBevel, TGraphicControl)
{
    info.Property("Shape", &TBevel::GetShape, &TBevel::SetShape).Default(bsBox);
    info.Property("Style", &TBevel::GetStyle, &TBevel::SetStyle).Default(bsLowered);
}

TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner)
{
    FControlStyle.Include(csReplicatable);
    SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape value)
{
    FShape = value;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle value)
{
    FStyle = value;
    Invalidate();
}

void TBevel::Paint()
{
    TCanvas* canvas = GetCanvas();
    TColor first = FStyle == bsLowered ? clBtnShadow : clBtnHighlight;
    TColor second = FStyle == bsLowered ? clBtnHighlight : clBtnShadow;
    int w = GetWidth(), h = GetHeight();
    auto line = [&](TColor color, int x1, int y1, int x2, int y2) {
        canvas->GetPen()->SetColor(color);
        canvas->MoveTo(x1, y1);
        canvas->LineTo(x2, y2);
    };
    TRect rect = GetClientRect();
    switch (FShape) {
    case bsBox:
        Frame3D(canvas, rect, first, second, 1);
        break;
    case bsFrame: {
        TRect inner(rect.left + 1, rect.top + 1, rect.right, rect.bottom);
        Frame3D(canvas, inner, second, second, 1);
        TRect outer(rect.left, rect.top, rect.right - 1, rect.bottom - 1);
        Frame3D(canvas, outer, first, first, 1);
        break;
    }
    case bsTopLine:
        line(first, 0, 0, w, 0);
        line(second, 0, 1, w, 1);
        break;
    case bsBottomLine:
        line(first, 0, h - 2, w, h - 2);
        line(second, 0, h - 1, w, h - 1);
        break;
    case bsLeftLine:
        line(first, 0, 0, 0, h);
        line(second, 1, 0, 1, h);
        break;
    case bsRightLine:
        line(first, w - 2, 0, w - 2, h);
        line(second, w - 1, 0, w - 1, h);
        break;
    case bsSpacer:
        break;
    }
}
