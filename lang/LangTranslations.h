// A parsed language file: header parameters, translated constants and the
// translated property values of each form section.
#pragma once

#include <cstdint>
#include <memory>

#include "classlib/Lists.h"
#include "lang/LangConstants.h"

class TStream;
class TWideStrings;
class TUniStringList;

class TLang_PropValueTranslation : public TObject {
public:
    TLang_PropValueTranslation(int32_t id, const WideString& value) : ID(id), Value(value) {}

    const int32_t ID;
    const WideString Value;
};

// One form section: values by ID, sorted ascending, IDs unique.
class TLang_CompTranslation : public TObjectList {
public:
    explicit TLang_CompTranslation(const AnsiString& componentName) : FComponentName(componentName) {}

    const AnsiString& GetComponentName() const { return FComponentName; }
    TLang_PropValueTranslation* GetItem(int index) const
    {
        return static_cast<TLang_PropValueTranslation*>(Get(index));
    }
    // True when found; index is the record or the insertion point.
    bool FindID(int32_t id, int& index) const;
    // ELangError "Duplicate property value translation ID (%d)".
    int Add(int32_t id, const WideString& value);

private:
    AnsiString FComponentName;
};

class TLang_CompTranslations : public TObjectList {
public:
    TLang_CompTranslations();
    ~TLang_CompTranslations() override;

    TLang_CompTranslation* GetItem(int index) const { return static_cast<TLang_CompTranslation*>(Get(index)); }
    TUniStringList* GetParams() const { return FParams.get(); }
    TLang_Constants* GetConstants() const { return FConstants.get(); }

    // The first section of that name, case ignored; null when there is none.
    TLang_CompTranslation* FindSection(const AnsiString& name) const;
    // With headerOnly the reading stops at the first section line.
    void ReadLanguageFile(const WideString& fileName, bool headerOnly);
    void ReadLanguageStream(TStream* stream, bool headerOnly);

private:
    enum class TParseState { Header, Constants, Component };

    void ParseLanguageLines(const TWideStrings& lines, bool headerOnly);
    // False when the line ends the header-only reading.
    bool ParseLine(const WideString& line, bool headerOnly, TParseState& state, TLang_CompTranslation*& section);
    void EnterSection(const WideString& name, TParseState& state, TLang_CompTranslation*& section);

    std::unique_ptr<TUniStringList> FParams;
    std::unique_ptr<TLang_Constants> FConstants;
};
