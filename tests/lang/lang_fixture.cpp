#include "tests/lang/lang_fixture.h"

#include <gtest/gtest.h>
#include "tests/support/ScratchFolder.h"

TScratchFolder::TScratchFolder() : FPath(MakeScratchFolder(L"lang")) {}

TScratchFolder::~TScratchFolder()
{
    RemoveFolderTree(FPath);
}

WideString TScratchFolder::File(const WideString& name) const
{
    for (size_t p = name.find(L'\\'); p != WideString::npos; p = name.find(L'\\', p + 1))
        CreateDirectoryW((FPath + L"\\" + name.substr(0, p)).c_str(), nullptr);
    return FPath + L"\\" + name;
}

WideString TScratchFolder::Folder(const WideString& name) const
{
    WideString path = File(name);
    CreateDirectoryW(path.c_str(), nullptr);
    return path;
}

void WriteFileBytes(const WideString& path, const AnsiString& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_TRUE(ok && written == bytes.size());
}

namespace {

AnsiString Utf16LEWithMark(const WideString& text)
{
    AnsiString bytes = "\xFF\xFE";
    for (wchar_t c : text) {
        bytes += char(c & 0xFF);
        bytes += char(c >> 8);
    }
    return bytes;
}

}  // namespace

void WriteLangFile(const WideString& path, const WideString& text)
{
    WriteFileBytes(path, Utf16LEWithMark(text));
}

WideString LangFileText(int langID, const WideString& constants)
{
    return L"LANGID=" + std::to_wstring(langID) + L"\r\n[$CONSTANTS]\r\n" + constants;
}

std::unique_ptr<TMemoryStream> StreamOf(const AnsiString& bytes)
{
    auto stream = std::make_unique<TMemoryStream>();
    stream->WriteBuffer(bytes.data(), int32_t(bytes.size()));
    stream->SetPosition(0);
    return stream;
}

std::unique_ptr<TMemoryStream> StreamOf(const WideString& text)
{
    return StreamOf(Utf16LEWithMark(text));
}
