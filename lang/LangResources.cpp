#include "lang/LangResources.h"

#include <memory>

int TLang_LangResources::IndexOfLangID(uint16_t langID) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (GetItem(i)->LangID == langID)
            return i;
    return -1;
}

void TLang_LangResources::Register(uint16_t langID, const WideString& fileName)
{
    if (int index = IndexOfLangID(langID); index >= 0) {
        GetItem(index)->FileName = fileName;
        return;
    }
    auto resource = std::make_unique<TLang_LangResource>(langID, fileName);
    Add(resource.get());
    resource.release();
}
