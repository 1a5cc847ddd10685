#include "unicode_controls/UniForms.h"
#include "unicode_controls/UniStdCtrls.h"

VARIRUVU_CLASS_INFO(TUniCustomCheckBox, TCustomCheckBox) {}

VARIRUVU_CLASS_INFO(TUniCheckBox, TUniCustomCheckBox)
{
    info.Property("Caption", &TUniCheckBox::GetCaption, &TUniCheckBox::SetCaption)
        .Stored(&TUniCheckBox::IsCaptionStored);
    info.Property("Hint", &TUniCheckBox::GetHint, &TUniCheckBox::SetHint).Stored(&TUniCheckBox::IsHintStored);
    info.Property("Alignment", &TUniCheckBox::GetAlignment, &TUniCheckBox::SetAlignment).Default(taRightJustify);
    info.Property("AllowGrayed", &TUniCheckBox::GetAllowGrayed, &TUniCheckBox::SetAllowGrayed).Default(false);
    info.Property("State", &TUniCheckBox::GetState, &TUniCheckBox::SetState).Default(cbUnchecked);
    info.Property("Checked", &TUniCheckBox::GetChecked, &TUniCheckBox::SetChecked).Stored(false);
}

void TUniCustomCheckBox::CreateWindowHandle(const TCreateParams& params)
{
    CreateUnicodeHandle(this, params, L"BUTTON");
}

void TUniCustomCheckBox::WndProc(TMessage& message)
{
    if (message.Msg != CM_DIALOGCHAR) {
        TUniTextControl<TCustomCheckBox>::WndProc(message);
        return;
    }
    if (IsWideCharAccel(message.WParam, GetCaption()) && CanFocus()) {
        SetFocus();
        if (Focused())
            Toggle();
        message.Result = 1;
    } else {
        Broadcast(message);
    }
}
