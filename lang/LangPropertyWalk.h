// The walk over a component's translatable properties: 8-bit and wide string
// properties and string lists, also inside nested objects and collection items.
#pragma once

#include <functional>

#include "classlib/System.h"
#include "classlib/TypInfo.h"

class TLang_MaskList;

// One text reached by a walk: a string property, or the whole text of the
// string list a property holds.
class TLangTextProperty {
public:
    TLangTextProperty(TObject* instance, const TPropInfo& prop, TObject* list)
        : FInstance(instance), FProp(prop), FList(list)
    {
    }

    // 8-bit texts are widened in the system's ANSI code page.
    WideString GetText() const;
    // 8-bit texts are narrowed in `codePage`.
    void SetText(const WideString& text, UINT codePage) const;

private:
    TObject* FInstance;
    const TPropInfo& FProp;
    TObject* FList;
};

// What a bind or refresh walk leaves out; the walk that applies a language has none.
struct TLangWalkRules {
    const TLang_MaskList& IgnoreList;
    const TLang_MaskList& StoreList;
    bool IgnoreFonts;
    // Of the component walked: the start of every full property name.
    AnsiString ComponentPath;
};

using TLangTextVisit = std::function<void(const AnsiString& path, const TLangTextProperty& text)>;

// Visits the texts of `object` in the order of its published properties; a
// property of a nested object gets the path "Font.Name", of a collection
// item "Columns[0].Caption". Components a property refers to are not entered.
void WalkTextProperties(TObject* object, const AnsiString& prefix, const TLangWalkRules* rules,
                        const TLangTextVisit& visit);
