#include "lang/LangStreamReader.h"

#include "classlib/SysUtils.h"

uint8_t TLangStreamReader::ReadByte()
{
    uint8_t value = 0;
    FStream->ReadBuffer(&value, 1);
    return value;
}

uint16_t TLangStreamReader::ReadWord()
{
    uint8_t bytes[2];
    FStream->ReadBuffer(bytes, 2);
    return uint16_t(bytes[0] | bytes[1] << 8);
}

int32_t TLangStreamReader::ReadInteger()
{
    uint8_t bytes[4];
    FStream->ReadBuffer(bytes, 4);
    return int32_t(uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24);
}

int32_t TLangStreamReader::ReadCount()
{
    int32_t count = ReadInteger();
    if (count < 0 || count > FStream->GetSize() - FStream->GetPosition())
        throw EReadError(L"Stream read error");
    return count;
}

AnsiString TLangStreamReader::ReadAnsi()
{
    AnsiString text(ReadWord(), '\0');
    FStream->ReadBuffer(text.data(), int32_t(text.size()));
    return text;
}

WideString TLangStreamReader::ReadWide()
{
    uint16_t length = ReadWord();
    AnsiString bytes(size_t(length) * 2, '\0');
    FStream->ReadBuffer(bytes.data(), int32_t(bytes.size()));
    WideString text(length, L'\0');
    for (size_t i = 0; i < length; ++i)
        text[i] = wchar_t(uint8_t(bytes[2 * i]) | uint8_t(bytes[2 * i + 1]) << 8);
    return text;
}
