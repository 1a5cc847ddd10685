#include "lang/quonoslanguage.h"

#include "classlib/SysUtils.h"
#include "classlib/TypInfo.h"

VARIRUVU_CLASS_INFO(Tquonoslang, TComponent)
{
    info.Property("LangID", &Tquonoslang::GetLangID, &Tquonoslang::SetLangID);
    info.Property("Language", &Tquonoslang::GetLanguage, &Tquonoslang::SetLanguage);
    info.Property("LangIDHex", &Tquonoslang::GetLangIDHex, &Tquonoslang::SetLangIDHex);
}

namespace {

AnsiString LanguageName(uint16_t langID)
{
    char buffer[100] = {};
    // Counts disagree on whether the terminator is included: the text ends at it.
    if (!VerLanguageNameA(langID, buffer, sizeof(buffer)))
        return AnsiString();
    return AnsiString(buffer);
}

}  // namespace

Tquonoslang::Tquonoslang(TComponent* AOwner)
    : TComponent(AOwner),
      FLangID(GetSystemDefaultLangID()),
      FLanguage(LanguageName(FLangID)),
      FLangIDHex(Format("$%.4X", FLangID))
{
}
