#include "app/quonlabel.h"

#include "classlib/StdCtrls.h"

VARIRUVU_CLASS_INFO(Tquonlabel, TGraphicControl)
{
    info.Property("AutoSize", &Tquonlabel::GetAutoSize, &Tquonlabel::SetAutoSize).Default(true);
    info.Property("CaptionAlignment", &Tquonlabel::GetCaptionAlignment, &Tquonlabel::SetCaptionAlignment)
        .Default(caLeft);
    info.Property("ForegroundColor", &Tquonlabel::GetForegroundColor, &Tquonlabel::SetForegroundColor)
        .OfType(ColorTypeInfo())
        .Default(clBlack);
    info.Property("BackgroundColor", &Tquonlabel::GetBackgroundColor, &Tquonlabel::SetBackgroundColor)
        .OfType(ColorTypeInfo())
        .Default(clWhite);
    info.Property("Offset", &Tquonlabel::GetOffset, &Tquonlabel::SetOffset).Default(1);
    info.Property("OnMouseEnter", &Tquonlabel::OnMouseEnter);
    info.Property("OnMouseLeave", &Tquonlabel::OnMouseLeave);
}

Tquonlabel::Tquonlabel(TComponent* AOwner) : TGraphicControl(AOwner)
{
    FControlStyle =
        TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks, csReplicatable};
    SetBounds(0, 0, 47, 14);
}

namespace {

UINT AlignmentFormat(TCaptionAlignment alignment)
{
    switch (alignment) {
    case caRight: return DT_RIGHT;
    case caCenter: return DT_CENTER;
    case caLeft: break;
    }
    return DT_LEFT;
}

}  // namespace

void Tquonlabel::Paint()
{
    const AnsiString caption = GetCaption();
    TCanvas* canvas = GetCanvas();
    // Measured in the font it is drawn in: measured in the font the canvas had
    // before, a label would keep the size of its previous font.
    canvas->GetFont()->Assign(GetFont());
    if (FAutoSize) {
        const TSize extent = canvas->TextExtent(caption);
        SetBounds(GetLeft(), GetTop(), extent.cx + FOffset, extent.cy + FOffset);
    }
    canvas->GetBrush()->SetStyle(bsClear);
    TRect shadow = GetClientRect();
    shadow.left += FOffset;
    shadow.top += FOffset;
    DrawCaption(caption, shadow, FBackgroundColor);
    // A right-aligned caption leaves its shadow at the edge; a centred one shares the offset with it.
    const int shift = FCaptionAlignment == caRight ? FOffset : FCaptionAlignment == caCenter ? FOffset / 2 : 0;
    TRect text = GetClientRect();
    text.left -= shift;
    text.right -= shift;
    DrawCaption(caption, text, FForegroundColor);
}

void Tquonlabel::DrawCaption(const AnsiString& caption, TRect rect, TColor color)
{
    TCanvas* canvas = GetCanvas();
    canvas->GetFont()->SetColor(color);
    canvas->RequiredState({csHandleValid, csFontValid, csBrushValid});
    DrawTextA(canvas->GetHandle(), caption.c_str(), static_cast<int>(caption.size()), &rect,
              AlignmentFormat(FCaptionAlignment));
}

void Tquonlabel::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_DIALOGCHAR:
        // The accelerator is taken and does nothing: the label has no control to focus.
        if (IsAccel(static_cast<unsigned>(message.WParam), GetCaption())) {
            message.Result = 1;
            return;
        }
        break;
    case CM_TEXTCHANGED:
        Repaint();
        return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        TGraphicControl::WndProc(message);
        if (const TNotifyEvent& event = message.Msg == CM_MOUSEENTER ? OnMouseEnter : OnMouseLeave)
            event(this);
        return;
    case WM_SIZE:
        TGraphicControl::WndProc(message);
        Repaint();
        return;
    default:
        break;
    }
    TGraphicControl::WndProc(message);
}
