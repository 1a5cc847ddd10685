#include "unicode/UniClasses.h"
#include "unicode_controls/UniActnList.h"
#include "unicode_controls/UniComCtrls.h"

VARIRUVU_CLASS_INFO(TUniProgressBar, TProgressBar)
{
    info.Property("Hint", &TUniProgressBar::GetHint, &TUniProgressBar::SetHint).Stored(&TUniProgressBar::IsHintStored);
}

void TUniProgressBar::CreateWindowHandle(const TCreateParams& params)
{
    CreateUnicodeHandle_ComCtl(this, params, L"msctls_progress32");
}
