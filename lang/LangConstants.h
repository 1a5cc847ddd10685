// The table of named message constants with their current and default texts.
#pragma once

#include <cstdint>
#include <functional>

#include "classlib/Lists.h"
#include "classlib/Streams.h"
#include "lang/LangErrors.h"

class TWideStrings;

class TLang_Constant : public TObject {
public:
    TLang_Constant(const AnsiString& name, const WideString& text) : Name(name), Value(text), DefValue(text) {}

    const AnsiString Name;
    WideString Value;
    const WideString DefValue;
};

// Gives the language whose code page decodes the 8-bit texts of old tables.
using TLangIDSource = std::function<uint16_t()>;

// Sorted by name in CompareText order; names are unique under it.
class TLang_Constants : public TObjectList {
public:
    static constexpr uint8_t CurrentVersion = 2;

    explicit TLang_Constants(TLangIDSource codePageSource) : FCodePageSource(std::move(codePageSource)) {}

    TLang_Constant* GetItem(int index) const { return static_cast<TLang_Constant*>(Get(index)); }

    // ELangError for a name that is no identifier or is already there.
    int Add(const AnsiString& name, const WideString& text);
    // True when found; index is the entry or the insertion point.
    bool FindIndex(const AnsiString& name, int& index) const;
    // ELangError "Constant "%s" not found".
    WideString GetValue(const AnsiString& name) const;
    // Null restores every default text; a table overrides the entries it also
    // holds, save those whose format directives differ from the default text's:
    // they take the default text.
    void TranslateFrom(const TLang_Constants* other);
    // False, and the table untouched, when the module has no such RT_RCDATA resource.
    bool ReadConstsResource(HMODULE module, const WideString& resName);
    // Clears the table, then reads one table of version 0, 1 or 2.
    void ReadConstsStream(TStream* stream);
    // Name=escaped value for every entry, in table order.
    void WriteLangSource(TWideStrings* lines) const;

    // The table's flag byte; nothing in the program reads it.
    bool GetFlag() const { return FFlag; }

private:
    TLangIDSource FCodePageSource;
    bool FFlag = false;
};
