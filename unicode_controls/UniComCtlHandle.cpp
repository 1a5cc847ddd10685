#include "unicode/UniSystem.h"
#include "unicode_controls/UniComCtrls.h"

void CreateUnicodeHandle_ComCtl(TWinControl* control, const TCreateParams& params, const WideString& subClass)
{
    if (subClass.empty())
        throw EUniInternalError("UNI Internal Error: Only call CreateUnicodeHandle_ComCtl for Common Controls.");
    CreateUnicodeHandle(control, params, subClass);
    if (IsUnicodePlatform())
        SendMessageW(control->GetHandle(), CCM_SETUNICODEFORMAT, 1, 0);
}
