#include "lang/LangConstants.h"

#include "classlib/Component.h"
#include "lang/LangEscapes.h"
#include "lang/LangFormatDirectives.h"
#include "lang/LangSearch.h"
#include "lang/LangStreamReader.h"
#include "unicode/UniClasses.h"
#include "unicode/UniSystem.h"
#include "unicode/UniWideStrings.h"

namespace {

// The callers format the constants with the built-in text's arguments; a
// translation that asks for others would stop them, so the built-in text stands.
WideString TakenTranslation(const TLang_Constant* entry, const WideString& translation)
{
    return SameFormatDirectives(entry->DefValue, translation) ? translation : entry->DefValue;
}

}  // namespace

int TLang_Constants::Add(const AnsiString& name, const WideString& text)
{
    if (!IsValidIdent(name))
        throw ELangError(Format("Invalid constant name (\"%s\")", name));
    int index = 0;
    if (FindIndex(name, index))
        throw ELangError(Format("Duplicate constant name (\"%s\")", name));
    auto entry = std::make_unique<TLang_Constant>(name, text);
    Insert(index, entry.get());
    entry.release();
    return index;
}

bool TLang_Constants::FindIndex(const AnsiString& name, int& index) const
{
    return HalvingSearch(GetCount(), [&](int i) { return CompareText(GetItem(i)->Name, name); }, index);
}

WideString TLang_Constants::GetValue(const AnsiString& name) const
{
    int index = 0;
    if (!FindIndex(name, index))
        throw ELangError(Format("Constant \"%s\" not found", name));
    return GetItem(index)->Value;
}

void TLang_Constants::TranslateFrom(const TLang_Constants* other)
{
    for (int i = 0; i < GetCount(); ++i) {
        TLang_Constant* entry = GetItem(i);
        int index = 0;
        if (!other)
            entry->Value = entry->DefValue;
        else if (other->FindIndex(entry->Name, index))
            entry->Value = TakenTranslation(entry, other->GetItem(index)->Value);
    }
}

bool TLang_Constants::ReadConstsResource(HMODULE module, const WideString& resName)
{
    if (!FindResourceW(module, resName.c_str(), MAKEINTRESOURCEW(10)))
        return false;
    TUniResourceStream stream(module, resName, MAKEINTRESOURCEW(10));
    ReadConstsStream(&stream);
    return true;
}

void TLang_Constants::ReadConstsStream(TStream* stream)
{
    Clear();
    TLangStreamReader reader(stream);
    uint8_t version = reader.ReadByte();
    if (version > CurrentVersion)
        throw ELangError(Format("Stream version (%d) is greater than the current one (%d)", version, CurrentVersion));
    FFlag = version == 2 ? reader.ReadByte() != 0 : version != 0;
    int32_t count = reader.ReadCount();
    UINT codePage = version < 2 ? GetLocaleAnsiCodePage(FCodePageSource()) : 0;
    for (int32_t i = 0; i < count; ++i) {
        AnsiString name = reader.ReadAnsi();
        WideString text = version == 2 ? reader.ReadWide() : AnsiToWideCP(reader.ReadAnsi(), codePage);
        Add(name, text);
    }
}

void TLang_Constants::WriteLangSource(TWideStrings* lines) const
{
    for (int i = 0; i < GetCount(); ++i)
        lines->Add(AnsiToWide(GetItem(i)->Name) + L"=" + EscapeLangValue(GetItem(i)->Value));
}
