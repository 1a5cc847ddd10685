#include "classlib/Buttons.h"

VARIRUVU_CLASS_INFO(TSpeedButton, TGraphicControl)
{
    info.Property("AllowAllUp", &TSpeedButton::GetAllowAllUp, &TSpeedButton::SetAllowAllUp).Default(false);
    info.Property("Down", &TSpeedButton::GetDown, &TSpeedButton::SetDown).Default(false);
    info.Property("Flat", &TSpeedButton::GetFlat, &TSpeedButton::SetFlat).Default(false);
    info.Property("Glyph", &TSpeedButton::GetGlyph, &TSpeedButton::SetGlyph);
    info.Property("GroupIndex", &TSpeedButton::GetGroupIndex, &TSpeedButton::SetGroupIndex).Default(0);
    info.Property("Layout", &TSpeedButton::GetLayout, &TSpeedButton::SetLayout).Default(blGlyphLeft);
    info.Property("Margin", &TSpeedButton::GetMargin, &TSpeedButton::SetMargin).Default(-1);
    info.Property("NumGlyphs", &TSpeedButton::GetNumGlyphs, &TSpeedButton::SetNumGlyphs).Default(1);
    info.Property("Spacing", &TSpeedButton::GetSpacing, &TSpeedButton::SetSpacing).Default(4);
    info.Property("Transparent", &TSpeedButton::GetTransparent, &TSpeedButton::SetTransparent).Default(true);
}

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner), FGlyph(std::make_unique<TButtonGlyph>())
{
    FGlyph->OnChange = TNotifyEvent(this, &TSpeedButton::GlyphChanged);
    FControlStyle = TControlStyle{csCaptureMouse, csDoubleClicks};
    SetBounds(0, 0, 23, 22);
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetLayout(TButtonLayout value)
{
    FLayout = value;
    Invalidate();
}

void TSpeedButton::SetMargin(int value)
{
    FMargin = value;
    Invalidate();
}

void TSpeedButton::SetSpacing(int value)
{
    FSpacing = value;
    Invalidate();
}

void TSpeedButton::SetFlat(bool value)
{
    FFlat = value;
    Invalidate();
}

void TSpeedButton::SetTransparent(bool value)
{
    FTransparent = value;
    Invalidate();
}

VARIRUVU_CLASS_INFO(TSpeedButtonActionLink, TControlActionLink) {}

bool TSpeedButtonActionLink::IsCheckedLinked()
{
    auto* button = static_cast<TSpeedButton*>(FClient);
    return TControlActionLink::IsCheckedLinked() && button->GetGroupIndex() != 0 &&
           button->GetDown() == CustomAction()->GetChecked();
}

void TSpeedButtonActionLink::SetChecked(bool value)
{
    if (IsCheckedLinked())
        static_cast<TSpeedButton*>(FClient)->SetDown(value);
}

TActionLinkClass TSpeedButton::GetActionLinkClass() const
{
    return TActionLinkClass::Of<TSpeedButtonActionLink>();
}

void TSpeedButton::ActionChange(TObject* sender, bool checkDefaults)
{
    TGraphicControl::ActionChange(sender, checkDefaults);
    if (auto* action = dynamic_cast<TCustomAction*>(sender); action && (!checkDefaults || !FDown))
        SetDown(action->GetChecked());
}

void TSpeedButton::SetDown(bool value)
{
    if (FGroupIndex == 0)
        value = false;
    if (FDown == value || (FDown && !value && !FAllowAllUp))
        return;
    FDown = value;
    FState = value ? bsExclusive : bsUp;
    if (value && GetParent())
        for (int i = 0; i < GetParent()->GetControlCount(); ++i)
            if (auto* other = dynamic_cast<TSpeedButton*>(GetParent()->GetControls(i));
                other && other != this && other->FGroupIndex == FGroupIndex) {
                other->FDown = false;
                other->FState = bsUp;
                other->Invalidate();
            }
    Invalidate();
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button == mbLeft && GetEnabled() && !FDown) {
        FState = bsDown;
        Invalidate();
    }
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TGraphicControl::MouseUp(button, shift, x, y);
    if (button != mbLeft || !GetEnabled())
        return;
    bool inside = x >= 0 && y >= 0 && x < GetWidth() && y < GetHeight();
    if (FGroupIndex == 0) {
        FState = bsUp;
        Invalidate();
    } else if (inside) {
        SetDown(!FDown);
    } else {
        FState = FDown ? bsExclusive : bsUp;
        Invalidate();
    }
    if (inside)
        Click();
}

void TSpeedButton::Paint()
{
    TCanvas* canvas = GetCanvas();
    if (!GetEnabled())
        FState = bsDisabled;
    else if (FState == bsDisabled)
        FState = FDown && FGroupIndex != 0 ? bsExclusive : bsUp;
    canvas->GetFont()->Assign(GetFont());
    TRect rect = GetClientRect();
    canvas->RequiredState({csHandleValid});
    HDC dc = canvas->GetHandle();
    RECT r = rect;
    bool pressed = FState == bsDown || FState == bsExclusive;
    if (!FFlat) {
        DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pressed ? DFCS_PUSHED : 0));
    } else {
        if (pressed || (FMouseInControl && GetEnabled()))
            DrawEdge(dc, &r, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER,
                     BF_RECT | (FTransparent ? 0 : BF_MIDDLE));
        else if (!FTransparent) {
            canvas->GetBrush()->SetColor(GetColor());
            canvas->FillRect(rect);
        }
        InflateRect(&r, -1, -1);
    }
    TPoint offset = pressed ? TPoint(1, 1) : TPoint(0, 0);
    FGlyph->Draw(canvas, TRect(r.left, r.top, r.right, r.bottom), offset, GetCaption(), FLayout, FMargin, FSpacing,
                 FState, FTransparent, false);
}

void TSpeedButton::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        FMouseInControl = message.Msg == CM_MOUSEENTER;
        if (FFlat)
            Invalidate();
        break;
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
    case CM_ENABLEDCHANGED:
        Invalidate();
        break;
    case CM_DIALOGCHAR:
        if (IsAccel(static_cast<unsigned>(message.WParam), GetCaption()) && GetEnabled() && GetVisible() &&
            GetParent() && GetParent()->GetShowing()) {
            Click();
            message.Result = 1;
            return;
        }
        break;
    default:
        break;
    }
    TGraphicControl::WndProc(message);
}
