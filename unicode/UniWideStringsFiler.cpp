// The wide lists in form streams: "Strings" as a list of wide strings, and
// the names other writers used, which are read only.
#include "classlib/Filers.h"
#include "unicode/UniListSupport.h"
#include "unicode/UniWideStrings.h"

namespace {

bool IsAnsiString(TValueType type)
{
    return type == vaString || type == vaLString;
}

WideString ReadWidened(TReader* reader)
{
    return IsAnsiString(reader->NextValue()) ? AnsiToWide(reader->ReadString()) : reader->ReadWideString();
}

template <class F>
void ReadStringList(TReader* reader, F&& eachString)
{
    reader->ReadListBegin();
    while (!reader->EndOfList())
        eachString(reader);
    reader->ReadListEnd();
}

}  // namespace

bool TWideStrings::WriteStringsNeeded(const TFiler* filer) const
{
    if (TPersistent* ancestor = filer->GetAncestor()) {
        auto* wide = dynamic_cast<TWideStrings*>(ancestor);
        return !wide || !Equals(wide);
    }
    return GetCount() > 0;
}

void TWideStrings::ReadStrings(TReader* reader)
{
    TValueType type = reader->NextValue();
    if (IsAnsiString(type)) {
        SetTextStr(AnsiToWide(reader->ReadString()));
    } else if (type == vaWString) {
        SetTextStr(reader->ReadWideString());
    } else {
        TUpdateBracket update(*this);
        Clear();
        ReadStringList(reader, [this](TReader* r) { Add(ReadWidened(r)); });
    }
}

void TWideStrings::WriteStrings(TWriter* writer)
{
    writer->WriteListBegin();
    for (int i = 0; i < GetCount(); ++i)
        writer->WriteWideString(Get(i));
    writer->WriteListEnd();
}

void TWideStrings::DefineProperties(TFiler* filer)
{
    TPersistent::DefineProperties(filer);
    filer->DefineProperty(
        "Strings", [this](TReader* reader) { ReadStrings(reader); },
        [this](TWriter* writer) { WriteStrings(writer); }, WriteStringsNeeded(filer));
}

void TUniStrings::ReadUtf8Strings(TReader* reader)
{
    bool take = GetCount() == 0;
    TUpdateBracket update(*this);
    if (take)
        Clear();
    ReadStringList(reader, [this, take](TReader* r) {
        AnsiString utf8 = r->ReadString();
        if (take)
            Add(DecodeUtf8(utf8));
    });
}

void TUniStrings::SkipStrings(TReader* reader)
{
    ReadStringList(reader, [](TReader* r) { r->ReadString(); });
}

void TUniStrings::DefineProperties(TFiler* filer)
{
    TWideStrings::DefineProperties(filer);
    filer->DefineProperty("WideStrings", [this](TReader* reader) { ReadStrings(reader); }, nullptr, false);
    filer->DefineProperty("WideStringsW", [this](TReader* reader) { ReadUtf8Strings(reader); }, nullptr, false);
    filer->DefineProperty("WideStrings_UTF7", [this](TReader* reader) { SkipStrings(reader); }, nullptr, false);
}
