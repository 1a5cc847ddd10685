#include "lang/LangPropertyWalk.h"

#include "classlib/Collections.h"
#include "classlib/Component.h"
#include "classlib/StringLists.h"
#include "lang/LangMaskList.h"
#include "unicode/UniSystem.h"
#include "unicode/UniWideStrings.h"

WideString TLangTextProperty::GetText() const
{
    if (auto* wide = dynamic_cast<TWideStrings*>(FList))
        return wide->GetTextStr();
    if (auto* strings = dynamic_cast<TStrings*>(FList))
        return AnsiToWide(strings->GetTextStr());
    if (FProp.Kind() == tkWString)
        return GetWideStrProp(FInstance, FProp);
    return AnsiToWide(GetStrProp(FInstance, FProp));
}

void TLangTextProperty::SetText(const WideString& text, UINT codePage) const
{
    if (auto* wide = dynamic_cast<TWideStrings*>(FList))
        wide->SetTextStr(text);
    else if (auto* strings = dynamic_cast<TStrings*>(FList))
        strings->SetTextStr(WideToAnsiCP(text, codePage));
    else if (FProp.Kind() == tkWString)
        SetWideStrProp(FInstance, FProp, text);
    else
        SetStrProp(FInstance, FProp, WideToAnsiCP(text, codePage));
}

namespace {

void WalkObjectProperty(TObject* owner, const TPropInfo& prop, const AnsiString& path, const TLangWalkRules* rules,
                        const TLangTextVisit& visit)
{
    if (!prop.HasGetter() || !prop.HasSetter())
        return;
    TObject* object = GetObjectProp(owner, prop);
    if (!object)
        return;
    if (dynamic_cast<TWideStrings*>(object) || dynamic_cast<TStrings*>(object)) {
        visit(path, TLangTextProperty(owner, prop, object));
    } else if (auto* collection = dynamic_cast<TCollection*>(object)) {
        for (int i = 0; i < collection->GetCount(); ++i)
            WalkTextProperties(collection->GetItem(i), path + Format("[%d]", i), rules, visit);
    } else if (dynamic_cast<TPersistent*>(object) && !dynamic_cast<TComponent*>(object)) {
        if (rules && rules->IgnoreFonts && AnsiString(object->ClassName()) == "TFont")
            return;
        WalkTextProperties(object, path, rules, visit);
    }
}

}  // namespace

void WalkTextProperties(TObject* object, const AnsiString& prefix, const TLangWalkRules* rules,
                        const TLangTextVisit& visit)
{
    const bool isComponent = dynamic_cast<TComponent*>(object) != nullptr;
    for (const TPropInfo* prop : GetPropList(object, TTypeKinds{tkLString, tkWString, tkClass})) {
        if (isComponent && prop->Name == "Name")
            continue;
        const AnsiString path = prefix.empty() ? prop->Name : prefix + "." + prop->Name;
        if (rules) {
            const AnsiString fullName = rules->ComponentPath + "." + path;
            if (rules->IgnoreList.Matches(fullName))
                continue;
            if (!IsStoredProp(object, *prop) && !rules->StoreList.Matches(fullName))
                continue;
        }
        if (prop->Kind() == tkClass)
            WalkObjectProperty(object, *prop, path, rules, visit);
        else
            visit(path, TLangTextProperty(object, *prop, nullptr));
    }
}
