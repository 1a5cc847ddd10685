#include "unicode_controls/UniActnList.h"
#include "unicode_controls/UniForms.h"
#include "unicode_controls/UniStdCtrls.h"

VARIRUVU_CLASS_INFO(TUniButton, TButton)
{
    info.Property("Caption", &TUniButton::GetCaption, &TUniButton::SetCaption).Stored(&TUniButton::IsCaptionStored);
    info.Property("Hint", &TUniButton::GetHint, &TUniButton::SetHint).Stored(&TUniButton::IsHintStored);
}

void TUniButton::CreateWindowHandle(const TCreateParams& params)
{
    CreateUnicodeHandle(this, params, L"BUTTON");
}

bool TUniButton::IsCaptionAccel(WPARAM key) const
{
    return IsWideCharAccel(key, GetCaption());
}
