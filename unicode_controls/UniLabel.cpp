#include "unicode/UniSystem.h"
#include "unicode/UniWindows.h"
#include "unicode_controls/UniControlsState.h"
#include "unicode_controls/UniForms.h"
#include "unicode_controls/UniStdCtrls.h"

VARIRUVU_CLASS_INFO(TUniCustomLabel, TCustomLabel) {}

VARIRUVU_CLASS_INFO(TUniLabel, TUniCustomLabel)
{
    info.Property("Caption", &TUniLabel::GetCaption, &TUniLabel::SetCaption).Stored(&TUniLabel::IsCaptionStored);
    info.Property("Hint", &TUniLabel::GetHint, &TUniLabel::SetHint).Stored(&TUniLabel::IsHintStored);
    info.Property("Alignment", &TUniLabel::GetAlignment, &TUniLabel::SetAlignment).Default(taLeftJustify);
    info.Property("AutoSize", &TUniLabel::GetAutoSize, &TUniLabel::SetAutoSize).Default(true);
    info.Property("FocusControl", &TUniLabel::GetFocusControl, &TUniLabel::SetFocusControl);
    info.Property("Layout", &TUniLabel::GetLayout, &TUniLabel::SetLayout).Default(tlTop);
    info.Property("ShowAccelChar", &TUniLabel::GetShowAccelChar, &TUniLabel::SetShowAccelChar).Default(true);
    info.Property("Transparent", &TUniLabel::GetTransparent, &TUniLabel::SetTransparent).Default(false);
    info.Property("WordWrap", &TUniLabel::GetWordWrap, &TUniLabel::SetWordWrap).Default(false);
}

void TUniCustomLabel::DoDrawText(TRect& rect, UINT flags)
{
    if (!IsUnicodePlatform()) {
        TCustomLabel::DoDrawText(rect, flags);
        return;
    }
    WideString text = GetLabelText();
    PadForMeasure(text, flags);
    DrawTextWith(rect, flags, [&text](HDC dc, RECT& r, UINT format) {
        WideDrawText(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
    });
}

void TUniCustomLabel::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_DIALOGCHAR: {
        TWinControl* focusControl = GetFocusControl();
        if (focusControl && GetEnabled() && GetShowAccelChar() && IsWideCharAccel(message.WParam, GetCaption()) &&
            focusControl->CanFocus()) {
            focusControl->SetFocus();
            message.Result = 1;
        }
        return;
    }
    case CM_HINTSHOW:
        SwapHintWindow(*reinterpret_cast<THintInfo*>(message.LParam));
        break;
    default:
        break;
    }
    TUniTextControl<TCustomLabel>::WndProc(message);
}
