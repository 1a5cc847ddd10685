// The languages registered from language files, in registration order.
#pragma once

#include <cstdint>

#include "classlib/Lists.h"

enum TLang_LangResourceKind : uint8_t { lrkLanguageFile };

class TLang_LangResource : public TObject {
public:
    TLang_LangResource(uint16_t langID, const WideString& fileName) : LangID(langID), FileName(fileName) {}

    const TLang_LangResourceKind Kind = lrkLanguageFile;
    const uint16_t LangID;
    WideString FileName;
};

// Each language identifier at most once.
class TLang_LangResources : public TObjectList {
public:
    TLang_LangResource* GetItem(int index) const { return static_cast<TLang_LangResource*>(Get(index)); }
    // -1 when the language is not registered.
    int IndexOfLangID(uint16_t langID) const;
    // A known language gets the new path and keeps its place.
    void Register(uint16_t langID, const WideString& fileName);
};
