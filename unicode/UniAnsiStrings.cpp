#include "unicode/UniListSupport.h"
#include "unicode/UniWideStrings.h"

VARIRUVU_CLASS_INFO(TAnsiStrings, TStrings) {}

VARIRUVU_CLASS_INFO(TAnsiStringsForWideStringsAdapter, TAnsiStrings) {}

TAnsiStringsForWideStringsAdapter::TAnsiStringsForWideStringsAdapter(TWideStrings* wideList, UINT codePage)
    : FWideList(wideList), FCodePage(codePage)
{
}

UINT TAnsiStringsForWideStringsAdapter::CodePage() const
{
    return FCodePage ? FCodePage : DefaultCodePage();
}

AnsiString TAnsiStringsForWideStringsAdapter::Get(int index) const
{
    return WideToAnsiCP(FWideList->Get(index), CodePage());
}

int TAnsiStringsForWideStringsAdapter::GetCount() const
{
    return FWideList->GetCount();
}

TObject* TAnsiStringsForWideStringsAdapter::GetObject(int index) const
{
    return FWideList->GetObject(index);
}

void TAnsiStringsForWideStringsAdapter::Put(int index, const AnsiString& s)
{
    FWideList->Put(index, AnsiToWideCP(s, CodePage()));
}

void TAnsiStringsForWideStringsAdapter::PutObject(int index, TObject* object)
{
    FWideList->PutObject(index, object);
}

void TAnsiStringsForWideStringsAdapter::Insert(int index, const AnsiString& s)
{
    FWideList->Insert(index, AnsiToWideCP(s, CodePage()));
}

void TAnsiStringsForWideStringsAdapter::Clear()
{
    FWideList->Clear();
}

void TAnsiStringsForWideStringsAdapter::Delete(int index)
{
    FWideList->Delete(index);
}

void TAnsiStringsForWideStringsAdapter::SetUpdateState(bool updating)
{
    // Through the wide list's own bracket, so that its brackets inside this one nest.
    if (updating)
        FWideList->BeginUpdate();
    else
        FWideList->EndUpdate();
}

void TAnsiStringsForWideStringsAdapter::LoadFromStreamInCodePage(TStream* stream, UINT codePage)
{
    TUpdateBracket update(*this);
    FWideList->SetTextStr(AnsiToWideCP(ReadRemainingBytes(stream), codePage));
}

void TAnsiStringsForWideStringsAdapter::SaveToStreamInCodePage(TStream* stream, UINT codePage)
{
    AnsiString bytes = WideToAnsiCP(FWideList->GetTextStr(), codePage);
    stream->WriteBuffer(bytes.data(), int32_t(bytes.size()));
}
