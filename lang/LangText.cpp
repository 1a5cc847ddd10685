#include "lang/LangText.h"

#include "classlib/SysUtils.h"
#include "unicode/UniClasses.h"
#include "unicode/UniSystem.h"
#include "unicode/UniWideStrings.h"

namespace {

AnsiString ReadRest(TStream* stream)
{
    AnsiString bytes(size_t(stream->GetSize() - stream->GetPosition()), '\0');
    stream->ReadBuffer(bytes.data(), int32_t(bytes.size()));
    return bytes;
}

}  // namespace

void DecodeLanguageText(TStream* stream, TUniStrings& lines)
{
    int64_t start = stream->GetPosition();
    TStreamCharSet charSet = DetectStreamCharSet(stream);
    stream->SetPosition(start);
    lines.LoadFromStream(stream);
    if (charSet != AnsiText)
        return;
    UINT codePage = GetLocaleAnsiCodePage(LCID(FindLangIdHeader(lines)));
    stream->SetPosition(start);
    lines.SetTextStr(AnsiToWideCP(ReadRest(stream), codePage));
}

int32_t FindLangIdHeader(const TWideStrings& lines)
{
    for (int i = 0; i < lines.GetCount(); ++i) {
        AnsiString key;
        WideString value;
        if (SplitKeyValue(lines.Get(i), key, value) && SameText(key, "LANGID"))
            return StrToIntDef(WideToAnsi(value), DefaultLangID);
    }
    return DefaultLangID;
}

bool SplitKeyValue(const WideString& line, AnsiString& key, WideString& value)
{
    size_t p = line.find(L'=');
    if (p == WideString::npos)
        return false;
    key = WideToAnsi(Trim(line.substr(0, p)));
    value = Trim(line.substr(p + 1));
    return !key.empty();
}
