#include "unicode_controls/UniActnList.h"
#include "unicode_controls/UniForms.h"
#include "unicode_controls/UniStdCtrls.h"

void WideButtonDialogChar(TButton* button, TMessage& message)
{
    if (IsWideCharAccel(message.WParam, GetWideText(button)) && button->CanFocus()) {
        button->Click();
        message.Result = 1;
    } else {
        button->Broadcast(message);
    }
}

VARIRUVU_CLASS_INFO(TUniButton, TButton)
{
    info.Property("Caption", &TUniButton::GetCaption, &TUniButton::SetCaption).Stored(&TUniButton::IsCaptionStored);
    info.Property("Hint", &TUniButton::GetHint, &TUniButton::SetHint).Stored(&TUniButton::IsHintStored);
}

void TUniButton::CreateWindowHandle(const TCreateParams& params)
{
    CreateUnicodeHandle(this, params, L"BUTTON");
}

void TUniButton::WndProc(TMessage& message)
{
    if (message.Msg == CM_DIALOGCHAR) {
        WideButtonDialogChar(this, message);
        return;
    }
    TButton::WndProc(message);
}
