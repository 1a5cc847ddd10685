#include "lang/LangMaskList.h"

#include <memory>

#include "classlib/Masks.h"
#include "classlib/StringLists.h"

TLang_MaskList::TLang_MaskList(const TStrings& lines)
{
    for (int i = 0; i < lines.GetCount(); ++i) {
        auto mask = std::make_unique<TMask>(lines.Get(i));
        Add(mask.get());
        mask.release();
    }
}

bool TLang_MaskList::Matches(const AnsiString& name) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (static_cast<const TMask*>(GetItem(i))->Matches(name))
            return true;
    return false;
}
