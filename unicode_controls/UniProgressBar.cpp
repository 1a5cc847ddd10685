#include "unicode/UniClasses.h"
#include "unicode_controls/UniActnList.h"
#include "unicode_controls/UniComCtrls.h"

VARIRUVU_CLASS_INFO(TUniProgressBar, TProgressBar)
{
    info.Property("Hint", &TUniProgressBar::GetHint, &TUniProgressBar::SetHint).Stored(&TUniProgressBar::IsHintStored);
}

void TUniProgressBar::DefineProperties(TFiler* filer)
{
    TProgressBar::DefineProperties(filer);
    WidePropertyFilerHook(filer, this);
}

void TUniProgressBar::CreateWindowHandle(const TCreateParams& params)
{
    CreateUnicodeHandle_ComCtl(this, params, L"msctls_progress32");
}

TActionLinkClass TUniProgressBar::GetActionLinkClass() const
{
    return WideActionLinkClass(const_cast<TUniProgressBar*>(this), TProgressBar::GetActionLinkClass());
}

void TUniProgressBar::ActionChange(TObject* sender, bool checkDefaults)
{
    TProgressBar::ActionChange(sender, checkDefaults);
    ApplyActionText(this, static_cast<TBasicAction*>(sender), checkDefaults);
}
