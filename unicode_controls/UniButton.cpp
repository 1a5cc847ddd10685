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
    info.Property("Caption", &TUniButton::GetCaption, &TUniButton::SetCaption).Stored(&TUniButton::CaptionStored);
    info.Property("Hint", &TUniButton::GetHint, &TUniButton::SetHint).Stored(&TUniButton::HintStored);
}

void TUniButton::DefineProperties(TFiler* filer)
{
    TButton::DefineProperties(filer);
    WidePropertyFilerHook(filer, this);
}

void TUniButton::CreateWindowHandle(const TCreateParams& params)
{
    CreateUnicodeHandle(this, params, L"BUTTON");
}

TActionLinkClass TUniButton::GetActionLinkClass() const
{
    return WideActionLinkClass(const_cast<TUniButton*>(this), TButton::GetActionLinkClass());
}

void TUniButton::ActionChange(TObject* sender, bool checkDefaults)
{
    // The class library sets the caption in 8 bits; the wide text must come after it.
    TButton::ActionChange(sender, checkDefaults);
    ApplyActionText(this, static_cast<TBasicAction*>(sender), checkDefaults);
}

void TUniButton::WndProc(TMessage& message)
{
    if (message.Msg == CM_DIALOGCHAR) {
        WideButtonDialogChar(this, message);
        return;
    }
    TButton::WndProc(message);
}
