#include "classlib_fixture.h"

TScratchFolder::TScratchFolder() : FPath(WideToAnsi(MakeScratchFolder(L"classlib"))) {}

TScratchFolder::~TScratchFolder()
{
    RemoveFolderTree(AnsiToWide(FPath));
}

AnsiString ResourceBytes(const AnsiString& name)
{
    TResourceStream stream(GetModuleHandleA(nullptr), name, RT_RCDATA);
    AnsiString bytes(static_cast<size_t>(stream.GetSize()), '\0');
    stream.ReadBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
    return bytes;
}

AnsiString WithoutCR(const AnsiString& text)
{
    AnsiString out;
    for (char c : text)
        if (c != '\r')
            out += c;
    return out;
}

AnsiString StreamBytes(TMemoryStream& stream)
{
    return AnsiString(static_cast<const char*>(stream.GetMemory()), static_cast<size_t>(stream.GetSize()));
}
