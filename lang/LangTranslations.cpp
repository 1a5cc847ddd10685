#include "lang/LangTranslations.h"

#include "lang/LangEscapes.h"
#include "lang/LangSearch.h"
#include "lang/LangText.h"
#include "unicode/UniClasses.h"
#include "unicode/UniWideStrings.h"

namespace {

// Decimal digits with an optional sign; anything else, or an overflow, is 0.
int32_t DecimalOrZero(const AnsiString& text)
{
    size_t start = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    if (start == text.size() || text.find_first_not_of("0123456789", start) != AnsiString::npos)
        return 0;
    int32_t value = 0;
    return TryStrToInt(text, value) ? value : 0;
}

}  // namespace

bool TLang_CompTranslation::FindID(int32_t id, int& index) const
{
    return HalvingSearch(
        GetCount(), [&](int i) { return GetItem(i)->ID < id ? -1 : GetItem(i)->ID == id ? 0 : 1; }, index);
}

int TLang_CompTranslation::Add(int32_t id, const WideString& value)
{
    int index = 0;
    if (FindID(id, index))
        throw ELangError(Format("Duplicate property value translation ID (%d)", id));
    auto record = std::make_unique<TLang_PropValueTranslation>(id, value);
    Insert(index, record.get());
    record.release();
    return index;
}

TLang_CompTranslations::TLang_CompTranslations()
    : FParams(std::make_unique<TUniStringList>()),
      FConstants(std::make_unique<TLang_Constants>([this] {
          int32_t id = StrToIntDef(WideToAnsi(FParams->GetValues(L"LANGID")), DefaultLangID);
          return uint16_t(id);
      }))
{
}

TLang_CompTranslations::~TLang_CompTranslations() = default;

TLang_CompTranslation* TLang_CompTranslations::FindSection(const AnsiString& name) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (SameText(GetItem(i)->GetComponentName(), name))
            return GetItem(i);
    return nullptr;
}

void TLang_CompTranslations::ReadLanguageFile(const WideString& fileName, bool headerOnly)
{
    TUniFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
    ReadLanguageStream(&stream, headerOnly);
}

void TLang_CompTranslations::ReadLanguageStream(TStream* stream, bool headerOnly)
{
    Clear();
    FParams->Clear();
    FConstants->Clear();
    TUniStringList lines;
    DecodeLanguageText(stream, lines);
    ParseLanguageLines(lines, headerOnly);
}

void TLang_CompTranslations::ParseLanguageLines(const TWideStrings& lines, bool headerOnly)
{
    TParseState state = TParseState::Header;
    TLang_CompTranslation* section = nullptr;
    for (int i = 0; i < lines.GetCount(); ++i) {
        try {
            if (!ParseLine(lines.Get(i), headerOnly, state, section))
                return;
        } catch (const Exception& e) {
            throw ELangError(WideFormat(L"Loading translations failed.\r\nLine %d: %s", i, e.GetMessage()));
        }
    }
}

bool TLang_CompTranslations::ParseLine(const WideString& text, bool headerOnly, TParseState& state,
                                       TLang_CompTranslation*& section)
{
    WideString line = Trim(text);
    if (line.empty() || line[0] == L';')
        return true;
    if (line[0] == L'[') {
        if (headerOnly)
            return false;
        if (line.size() > 2 && line.back() == L']')
            EnterSection(Trim(line.substr(1, line.size() - 2)), state, section);
        return true;
    }
    AnsiString key;
    WideString value;
    if (!SplitKeyValue(line, key, value))
        return true;
    switch (state) {
    case TParseState::Header:
        FParams->SetValues(AnsiToWide(key), value);
        break;
    case TParseState::Constants:
        FConstants->Add(key, UnescapeLangValue(value));
        break;
    case TParseState::Component:
        if (int32_t id = DecimalOrZero(key); id > 0)
            section->Add(id, UnescapeLangValue(value));
        break;
    }
    return true;
}

void TLang_CompTranslations::EnterSection(const WideString& name, TParseState& state,
                                          TLang_CompTranslation*& section)
{
    if (SameText(WideToAnsi(name), "$CONSTANTS")) {
        state = TParseState::Constants;
        return;
    }
    state = TParseState::Component;
    AnsiString componentName = WideToAnsi(name);
    section = FindSection(componentName);
    if (!section) {
        auto created = std::make_unique<TLang_CompTranslation>(componentName);
        section = created.get();
        TObjectList::Add(section);
        created.release();
    }
}
