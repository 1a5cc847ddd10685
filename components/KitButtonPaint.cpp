#include <vssym32.h>

#include "classlib/Themes.h"
#include "components/KitButton.h"

namespace {

// DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK | DT_VCENTER | DT_CENTER: how a caption is measured.
constexpr UINT MeasureFlags = 1109;

TRect Inflated(const TRect& r, int dx, int dy)
{
    return TRect(r.left - dx, r.top - dy, r.right + dx, r.bottom + dy);
}

TRect Moved(const TRect& r, int dx, int dy)
{
    return TRect(r.left + dx, r.top + dy, r.right + dx, r.bottom + dy);
}

void FillSolid(TCanvas* canvas, const TRect& r, TColor color)
{
    canvas->GetBrush()->SetStyle(bsSolid);
    canvas->GetBrush()->SetColor(color);
    canvas->FillRect(r);
}

}  // namespace

// ---- caption ----

AnsiString TKitCustomButton::CaptionText(UINT& flags)
{
    if (AcceleratorsShown())
        return GetCaption();
    flags |= DT_NOPREFIX;
    return StripAccelerators(GetCaption());
}

TRect TKitCustomButton::PlaceCaption(TCanvas* canvas, TRect rect)
{
    UINT flags = 0;
    AnsiString text = CaptionText(flags);
    canvas->GetFont()->Assign(GetFont());
    TRect measured = rect;
    DrawTextAnsi(canvas, text, measured, MeasureFlags | flags);
    int h = measured.Height();
    switch (FAlignmentVertical) {
    case avTop:
        rect.bottom = rect.top + h;
        break;
    case avCenter:
        rect.top = (rect.top + rect.bottom - h) / 2;
        rect.bottom = rect.top + h;
        break;
    case avBottom:
        rect.top = rect.bottom - h - 1;
        break;
    }
    return rect;
}

void TKitCustomButton::DrawCaption(TCanvas* canvas, TRect rect, UINT flags)
{
    canvas->GetBrush()->SetStyle(bsClear);
    rect = PlaceCaption(canvas, rect);
    AnsiString text = CaptionText(flags);
    canvas->GetFont()->Assign(GetFont());
    canvas->RequiredState({csHandleValid, csFontValid, csBrushValid});
    HDC dc = canvas->GetHandle();
    auto draw = [&](int dx, int dy, TColor color) {
        TRect r = Moved(rect, dx, dy);
        SetTextColor(dc, ColorToRGB(color));
        DrawTextAnsi(canvas, text, r, flags);
    };
    if (!GetEnabled()) {
        draw(0, 0, ColorsAreClose(GetColor(), clGrayText) ? cl3DDkShadow : clGrayText);
        return;
    }
    TTextStyleLook look;
    look.Style = FTextStyle;
    look.Light = FLightTextStyle;
    look.HighlightColor = FTextHighlightColor;
    look.ShadowColor = FTextShadowColor;
    look.ShadowDepth = FTextShadowDepth;
    look.ShadowDownOnly = (flags & DT_RIGHT) != 0;
    DrawStyledText(look, GetFont()->GetColor(), draw);
}

// ---- the push button's face ----

UINT TKitButton::AlignmentFlag() const
{
    static constexpr UINT alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    return alignments[FAlignment];
}

void TKitButton::PaintContent(TCanvas* canvas, TRect area, bool)
{
    DrawCaption(canvas, area, AlignmentFlag() | DT_EXPANDTABS | DT_WORDBREAK);
}

bool TKitButton::PaintThemedFace(TCanvas* canvas, const TRect& client)
{
    int state = !GetEnabled()                              ? PBS_DISABLED
                : IsPressed()                              ? PBS_PRESSED
                : FMouseOverButton                         ? PBS_HOT
                : FGroupIndex != 0 || (!FIsActive && !Focused()) ? PBS_NORMAL
                                                           : PBS_DEFAULTED;
    HDC dc = canvas->GetHandle();
    PaintParentBackground(this, dc, false);
    return DrawThemePart(dc, L"BUTTON", BP_PUSHBUTTON, state, client);
}

void TKitButton::PaintGradientFace(TCanvas* canvas, const TRect& face)
{
    TColor color = GetColor();
    if (!FullColorSupported) {
        FillSolid(canvas, face, color);
        return;
    }
    FillSolid(canvas, TRect(face.left, face.bottom - 2, face.right, face.bottom - 1), DarkenColor(color, 20));
    FillSolid(canvas, TRect(face.left, face.bottom - 1, face.right, face.bottom), DarkenColor(color, 30));
    DrawGradient(canvas, TRect(face.left, face.top, face.right, face.bottom - 2), gdHorizontalEnd,
                 LightenColor(color, 30), DarkenColor(color, 10));
}

TRect TKitButton::PaintHotTrackFace(TCanvas* canvas, TRect client)
{
    TColor color = GetColor();
    bool enabled = GetEnabled();
    TColor parent = GetParent() ? GetParent()->GetColor() : clBtnFace;
    // The outer ring leaves its corner pixels to the parent.
    TColor light = enabled ? LightenColor(parent, 20) : parent, dark = enabled ? DarkenColor(parent, 20) : parent;
    canvas->GetPen()->SetStyle(psSolid);
    canvas->GetPen()->SetColor(light);
    canvas->MoveTo(client.left, client.bottom - 2);
    canvas->LineTo(client.left, client.top);
    canvas->MoveTo(client.left + 1, client.top);
    canvas->LineTo(client.right - 1, client.top);
    canvas->GetPen()->SetColor(dark);
    canvas->MoveTo(client.right - 1, client.top + 1);
    canvas->LineTo(client.right - 1, client.bottom - 1);
    canvas->MoveTo(client.left + 1, client.bottom - 1);
    canvas->LineTo(client.right - 1, client.bottom - 1);
    TColor frame = enabled ? FFrameColor : color == clBtnFace ? LightenColor(clBtnShadow, 30) : DarkenColor(color, 80);
    TRect face = DrawSideLines(canvas, Inflated(client, -1, -1), frame, frame, AllSides);
    if (!enabled) {
        FillSolid(canvas, face, color);
        return face;
    }
    if (IsPressed()) {
        FillSolid(canvas, face, DarkenColor(color, 10));
        return face;
    }
    PaintGradientFace(canvas, face);
    if (FMouseOverButton) {
        TColor start, stop;
        if (GetHotTrackColorType() == htctActual) {
            start = GetHotTrackColor();
            stop = MixColors(clWhite, GetHotTrackColor(), 190);
        } else {
            TColor c = OppositeColor(GetHotTrackColor(), 180);
            start = DarkenColor(c, 30);
            stop = c;
        }
        DrawGradientRing(canvas, face, gdHorizontalEnd, start, stop);
    } else if (FGroupIndex == 0 && (FIsActive || Focused())) {
        TColor h = ColorsAreClose(GetHighlightColor(), clBtnFace) ? DarkenColor(GetHighlightColor(), 30)
                                                                  : GetHighlightColor();
        TColor light = LightenColor(color, 30);
        DrawGradientRing(canvas, face, gdHorizontalEnd, MixColors(h, light, 160), MixColors(h, light, 60));
    }
    return face;
}

TRect TKitButton::PaintClassicFace(TCanvas* canvas, TRect client)
{
    TColor color = GetColor();
    bool grouped = FGroupIndex != 0;
    bool pressed = IsPressed();
    if (!grouped && (FIsActive || Focused()) && (!pressed || FKeyToggle))
        client = DrawSideLines(canvas, client, clWindowFrame, clWindowFrame, AllSides);
    if (color == clBtnFace)
        client = grouped ? DrawStyleSides(canvas, client, pressed ? fsLowered : fsButtonUp)
                         : DrawPushButtonSides(canvas, client, FShowDownVersion);
    else if (!grouped)
        client = DrawTintedButtonSides(canvas, client, color, FShowDownVersion);
    else
        client = pressed ? DrawTintedStyleSides(canvas, client, color, fsLowered)
                         : DrawTintedButtonSides(canvas, client, color, false);
    FillSolid(canvas, client, color);
    return client;
}

void TKitButton::PaintDownPattern(TCanvas* canvas, const TRect& face)
{
    TColor color = GetColor();
    TColor dots = ColorToRGB(color) == static_cast<COLORREF>(clSilver) ? TColor(clGray) : TColor(clSilver);
    FillRect(canvas->GetHandle(), &face, PatternBrush(dots, color));
}

void TKitButton::Paint()
{
    TCanvas* canvas = GetCanvas();
    TRect client = GetClientRect();
    bool themed = ThemeDrawing() && PaintThemedFace(canvas, client);
    TRect face = themed ? Inflated(client, -2, -2) : GetHotTrack() ? PaintHotTrackFace(canvas, client)
                                                                   : PaintClassicFace(canvas, client);
    if (FButtonState == 3 && FShowDownPattern)
        PaintDownPattern(canvas, face);

    bool pressed = (FGroupIndex != 0 && FDown) || FShowDownVersion;
    TRect area = Inflated(client, -5, -5);
    if (pressed && !GetHotTrack() && !themed)
        area = Moved(area, 1, 1);
    PaintContent(canvas, area, themed);

    if (FocusRectShown() && Focused() && FShowFocusRect) {
        int inset = GetHotTrack() || themed ? 3 : 4;
        TRect focus = Inflated(client, -inset, -inset);
        if (FGroupIndex != 0 && FDown)
            focus = Moved(focus, 1, 1);
        DrawDotFrame(canvas, focus);
    }
}
