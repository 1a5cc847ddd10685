#include "unicode/UniListSupport.h"
#include "unicode/UniWideStrings.h"

VARIRUVU_CLASS_INFO(TUniStrings, TWideStrings)
{
    info.Property("AnsiStrings", &TUniStrings::GetAnsiStrings, &TUniStrings::SetAnsiStrings).Stored(false);
}

TUniStrings::TUniStrings() : FAnsiStrings(std::make_unique<TAnsiStringsForWideStringsAdapter>(this, 0)) {}

TUniStrings::~TUniStrings()
{
    FAnsiStrings.reset();
}

void TUniStrings::SetAnsiStrings(TAnsiStrings* value)
{
    FAnsiStrings->Assign(value);
}

void TUniStrings::LoadFromFile(const WideString& fileName)
{
    TUniFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
    FDetectedFileCharSet = DetectStreamCharSet(&stream);
    stream.SetPosition(0);
    LoadFromStream(&stream);
}

void TUniStrings::LoadFromStream(TStream* stream)
{
    LoadFromStreamDetect(stream, true);
}

void TUniStrings::LoadFromStreamDetect(TStream* stream, bool detect)
{
    TUpdateBracket update(*this);
    TStreamCharSet charSet = detect ? DetectStreamCharSet(stream) : Utf16LE;
    switch (charSet) {
    case Utf16LE:
    case Utf16BE: {
        WideString text = ReadWideChars(stream);
        if (charSet == Utf16BE)
            SwapUtf16Bytes(text.data());
        SetTextStr(text);
        break;
    }
    case Utf8:
        SetTextStr(DecodeUtf8(ReadRemainingBytes(stream)));
        break;
    case AnsiText:
        SetTextStr(AnsiToWide(ReadRemainingBytes(stream)));
        break;
    }
}

void TUniStrings::SaveToFile(const WideString& fileName)
{
    TUniFileStream stream(fileName, fmCreate);
    SaveToStream(&stream);
}

void TUniStrings::SaveToStream(TStream* stream)
{
    SaveToStreamMarked(stream, true);
}

void TUniStrings::SaveToStreamMarked(TStream* stream, bool withMark)
{
    if (withMark)
        stream->WriteBuffer("\xFF\xFE", 2);
    WriteWideChars(stream, GetTextStr());
}
