#include "tests/unicode/unicode_fixture.h"

#include "unicode/UniSystem.h"
#include "tests/support/ScratchFolder.h"

TScratchFolder::TScratchFolder() : FPath(MakeScratchFolder(L"unicode")) {}

TScratchFolder::~TScratchFolder()
{
    RemoveFolderTree(FPath);
}

void WriteFileBytes(const WideString& path, const AnsiString& bytes)
{
    TTestHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(file.Valid()) << WideToAnsi(path, CP_UTF8);
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(file.Get(), bytes.data(), DWORD(bytes.size()), &written, nullptr));
    ASSERT_EQ(written, bytes.size());
}

AnsiString ReadFileBytes(const WideString& path)
{
    TTestHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, 0, nullptr));
    if (!file.Valid())
        return "<missing>";
    AnsiString bytes(GetFileSize(file.Get(), nullptr), '\0');
    DWORD read = 0;
    ReadFile(file.Get(), bytes.data(), DWORD(bytes.size()), &read, nullptr);
    bytes.resize(read);
    return bytes;
}

WideString AnsiReachable(const WideString& s)
{
    WideString out;
    for (wchar_t c : s) {
        WideString one(1, c);
        if (AnsiToWide(WideToAnsi(one)) == one)
            out += c;
    }
    return out;
}

void TPlatformTest::SetUp()
{
    FWasUnicode = IsUnicodePlatform();
    SetUnicodePlatformForTesting(GetParam());
}

void TPlatformTest::TearDown()
{
    SetUnicodePlatformForTesting(FWasUnicode);
}

std::string PlatformName(const testing::TestParamInfo<bool>& info)
{
    return info.param ? "WideFunctions" : "AnsiFunctions";
}

TTestHandle::~TTestHandle()
{
    if (Valid() && FHandle)
        CloseHandle(FHandle);
}
