#include "unicode_controls/UniActnList.h"
#include "unicode_controls/UniButtons.h"
#include "unicode_controls/UniControlsState.h"
#include "unicode_controls/UniForms.h"

VARIRUVU_CLASS_INFO(TUniSpeedButton, TSpeedButton)
{
    info.Property("Caption", &TUniSpeedButton::GetCaption, &TUniSpeedButton::SetCaption)
        .Stored(&TUniSpeedButton::IsCaptionStored);
    info.Property("Hint", &TUniSpeedButton::GetHint, &TUniSpeedButton::SetHint).Stored(&TUniSpeedButton::IsHintStored);
}

void TUniSpeedButton::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_DIALOGCHAR:
        if (IsWideCharAccel(message.WParam, GetCaption()) && GetEnabled() && GetVisible() && GetParent() &&
            GetParent()->GetShowing()) {
            Click();
            message.Result = 1;
            return;
        }
        break;
    case CM_HINTSHOW:
        SwapHintWindow(*reinterpret_cast<THintInfo*>(message.LParam));
        break;
    default:
        break;
    }
    TSpeedButton::WndProc(message);
}

void TUniSpeedButton::Paint()
{
    if (FPaintInherited) {
        TSpeedButton::Paint();
        return;
    }
    try {
        PaintWide();
    } catch (const EAbortPaint&) {
    }
}

void TUniSpeedButton::PaintWide()
{
    if (!GetEnabled())
        FState = bsDisabled;
    else if (FState == bsDisabled)
        FState = GetDown() && GetGroupIndex() != 0 ? bsExclusive : bsUp;
    TCanvas* canvas = GetCanvas();
    canvas->GetFont()->Assign(GetFont());
    canvas->RequiredState({csHandleValid});
    HDC dc = canvas->GetHandle();
    RECT r{0, 0, GetWidth(), GetHeight()};
    bool pressed = FState == bsDown || FState == bsExclusive;
    bool hot = GetMouseInControl() && GetEnabled();
    if (!GetFlat()) {
        DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pressed ? DFCS_PUSHED : 0));
    } else {
        if (pressed || hot || (GetComponentState() & csDesigning))
            DrawEdge(dc, &r, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER,
                     BF_RECT | (GetTransparent() ? 0 : BF_MIDDLE));
        else if (!GetTransparent()) {
            canvas->GetBrush()->SetStyle(bsSolid);
            canvas->GetBrush()->SetColor(GetColor());
            canvas->FillRect(r);
        }
        InflateRect(&r, -1, -1);
    }
    TPoint offset(0, 0);
    if (pressed) {
        offset = TPoint(1, 1);
        if (FState == bsExclusive && !(GetFlat() && hot))
            FillRect(dc, &r, PatternBrush(clBtnFace, clBtnHighlight));
    }
    TGlyphCaptionLayout look{GetCaption(), GetLayout(), GetMargin(), GetSpacing(), 0, false};
    DrawGlyphButton(this, canvas, r, offset, look, FState, GetTransparent());
}
