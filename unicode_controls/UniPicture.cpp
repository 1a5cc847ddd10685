#include "unicode/UniSysUtils.h"
#include "unicode_controls/UniGraphics.h"

void TUniPicture::LoadFromFile(const WideString& fileName)
{
    WideString shortName = ExtractShortPathNameW(fileName);
    if (lstrcmpiW(ExtractFileExtW(fileName).c_str(), L".jpeg") == 0 || shortName.empty())
        TPicture::LoadFromFile(WideToAnsi(fileName));
    else
        TPicture::LoadFromFile(WideToAnsi(shortName));
}
