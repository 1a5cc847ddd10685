// Wide path and file routines, the wide file search, locale strings and error texts.
#include <gtest/gtest.h>

#include <map>

#include "tests/unicode/unicode_fixture.h"
#include "unicode/UniSysUtils.h"
#include "unicode_vectors.h"

namespace {

WideString PlatformMessage(DWORD code)
{
    wchar_t buffer[512];
    DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, buffer,
                             512, nullptr);
    WideString text(buffer, n);
    while (!text.empty() && text.back() <= L' ')
        text.pop_back();
    return text;
}

void MakeSparseFile(const WideString& path, int64_t size)
{
    TTestHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(file.Valid());
    LARGE_INTEGER at;
    at.QuadPart = size;
    ASSERT_TRUE(SetFilePointerEx(file.Get(), at, nullptr, FILE_BEGIN));
    ASSERT_TRUE(SetEndOfFile(file.Get()));
}

}  // namespace

TEST(Paths, TrailingBackslashAndExtension)
{
    EXPECT_EQ(IncludeTrailingBackslashW(L"C:\\"), L"C:\\");
    EXPECT_EQ(IncludeTrailingBackslashW(L"C:\\dir"), L"C:\\dir\\");
    EXPECT_EQ(IncludeTrailingBackslashW(L""), L"\\");
    struct {
        const wchar_t* Name;
        const wchar_t* Ext;
    } cases[] = {
        {L"C:\\dir.x\\file", L""}, {L"a.b.jpeg", L".jpeg"}, {L"file.", L"."},
        {L"C:.txt", L".txt"},      {L"C:x", L""},           {L"\u017Elu\u0165.\u010Dk", L".\u010Dk"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExtractFileExtW(c.Name), c.Ext);
}

using FileRoutines = TPlatformTest;

TEST_P(FileRoutines, ExpandAndShortenNames)
{
    TScratchFolder folder;
    wchar_t previous[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, previous);
    SetCurrentDirectoryW(folder.Path().c_str());
    WideString name = Name(L"\u017Dlu\u0165ou\u010Dk\u00FD soubor.txt");
    EXPECT_EQ(ExpandFileNameW(name), folder.File(name));
    EXPECT_EQ(ExpandFileNameW(L"..\\x"), folder.Path().substr(0, folder.Path().rfind(L'\\')) + L"\\x");
    WriteFileBytes(name, "x");
    WideString shortName = ExtractShortPathNameW(name);
    EXPECT_FALSE(shortName.empty());
    EXPECT_EQ(ReadFileBytes(shortName), "x");
    EXPECT_EQ(ExtractShortPathNameW(L"missing.txt"), L"");
    SetCurrentDirectoryW(previous);
}

TEST_P(FileRoutines, FileExistsIsTrueForFilesOnly)
{
    TScratchFolder folder;
    WideString file = folder.File(Name(L"\u0444\u0430\u0439\u043B.txt"));
    WriteFileBytes(file, "");
    EXPECT_TRUE(FileExistsW(file));
    EXPECT_FALSE(FileExistsW(folder.Path()));
    EXPECT_FALSE(FileExistsW(folder.File(L"missing")));
}

TEST_P(FileRoutines, CreateTruncatesAndSharesNothing)
{
    TScratchFolder folder;
    WideString path = folder.File(Name(L"nov\u00FD.bin"));
    WriteFileBytes(path, "old contents");
    {
        TTestHandle file(WideFileCreate(path));
        ASSERT_TRUE(file.Valid());
        EXPECT_EQ(GetFileSize(file.Get(), nullptr), 0u);
        DWORD done = 0;
        EXPECT_TRUE(WriteFile(file.Get(), "new", 3, &done, nullptr));
        SetFilePointer(file.Get(), 0, nullptr, FILE_BEGIN);
        char back[3];
        EXPECT_TRUE(ReadFile(file.Get(), back, 3, &done, nullptr));
        EXPECT_EQ(done, 3u);
        TTestHandle other(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, 0, nullptr));
        EXPECT_FALSE(other.Valid());
        EXPECT_EQ(GetLastError(), DWORD(ERROR_SHARING_VIOLATION));
    }
    EXPECT_EQ(ReadFileBytes(path), "new");
}

TEST_P(FileRoutines, OpenModesGiveTheirAccessAndSharing)
{
    TScratchFolder folder;
    WideString path = folder.File(Name(L"re\u017Eim.bin"));
    WriteFileBytes(path, "data");
    struct {
        uint16_t Mode;
        bool Read, Write, OthersRead, OthersWrite;
    } modes[] = {
        {0x00, true, false, false, false},  {0x01, false, true, false, false}, {0x02, true, true, false, false},
        {0x10, true, false, false, false},  {0x20, true, false, true, false},  {0x30, true, false, false, true},
        {0x40, true, false, true, true},    {0x41, false, true, true, true},   {0x22, true, true, true, false},
    };
    for (const auto& m : modes) {
        SCOPED_TRACE(m.Mode);
        TTestHandle file(WideFileOpen(path, m.Mode));
        ASSERT_TRUE(file.Valid());
        char byte;
        DWORD done = 0;
        EXPECT_EQ(ReadFile(file.Get(), &byte, 1, &done, nullptr) != FALSE, m.Read);
        EXPECT_EQ(WriteFile(file.Get(), "D", 1, &done, nullptr) != FALSE, m.Write);
        TTestHandle reader(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, 0, nullptr));
        EXPECT_EQ(reader.Valid(), m.OthersRead);
        TTestHandle writer(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, 0, nullptr));
        EXPECT_EQ(writer.Valid(), m.OthersWrite);
    }
    TTestHandle missing(WideFileOpen(folder.File(L"missing"), 0));
    EXPECT_FALSE(missing.Valid());
    EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
}

TEST_P(FileRoutines, FindFirstSkipsTheAttributesNotAskedFor)
{
    TScratchFolder folder;
    WriteFileBytes(folder.File(L"normal.txt"), "n");
    WriteFileBytes(folder.File(L"hidden.txt"), "hh");
    WriteFileBytes(folder.File(L"system.txt"), "sss");
    CreateDirectoryW(folder.File(L"sub").c_str(), nullptr);
    ASSERT_TRUE(SetFileAttributesW(folder.File(L"hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(SetFileAttributesW(folder.File(L"system.txt").c_str(), FILE_ATTRIBUTE_SYSTEM));

    auto list = [&](DWORD attr) {
        std::map<WideString, int64_t> found;
        TSearchRecW f;
        for (DWORD r = FindFirstW(folder.File(L"*"), attr, f); r == 0; r = FindNextW(f))
            found[f.FileName] = f.FileSize;
        FindCloseW(f);
        return found;
    };
    using Listing = std::map<WideString, int64_t>;
    EXPECT_EQ(list(0), (Listing{{L"normal.txt", 1}}));
    EXPECT_EQ(list(FILE_ATTRIBUTE_HIDDEN), (Listing{{L"normal.txt", 1}, {L"hidden.txt", 2}}));
    EXPECT_EQ(list(FILE_ATTRIBUTE_DIRECTORY),
              (Listing{{L".", 0}, {L"..", 0}, {L"normal.txt", 1}, {L"sub", 0}}));
    EXPECT_EQ(list(63), (Listing{{L".", 0},
                                 {L"..", 0},
                                 {L"normal.txt", 1},
                                 {L"hidden.txt", 2},
                                 {L"system.txt", 3},
                                 {L"sub", 0}}));
}

TEST_P(FileRoutines, FindReportsErrorsAndClosesOnce)
{
    TScratchFolder folder;
    TSearchRecW f;
    EXPECT_EQ(FindFirstW(folder.File(L"missing\\*"), 0, f), DWORD(ERROR_PATH_NOT_FOUND));
    EXPECT_EQ(FindFirstW(folder.File(L"*.none"), 0, f), DWORD(ERROR_FILE_NOT_FOUND));

    WriteFileBytes(folder.File(L"hidden.txt"), "h");
    SetFileAttributesW(folder.File(L"hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(FindFirstW(folder.File(L"*.txt"), 0, f), DWORD(ERROR_NO_MORE_FILES));
    EXPECT_EQ(f.SearchHandle, INVALID_HANDLE_VALUE);

    WriteFileBytes(folder.File(L"one.txt"), "1");
    ASSERT_EQ(FindFirstW(folder.File(L"*.txt"), 0, f), 0u);
    EXPECT_EQ(f.FileName, L"one.txt");
    EXPECT_EQ(FindNextW(f), DWORD(ERROR_NO_MORE_FILES));
    FindCloseW(f);
    EXPECT_EQ(f.SearchHandle, INVALID_HANDLE_VALUE);
    FindCloseW(f);
}

TEST_P(FileRoutines, FindGivesSizesPastFourGiB)
{
    TScratchFolder folder;
    const int64_t size = (int64_t(5) << 30) + 3;
    MakeSparseFile(folder.File(L"big.bin"), size);
    TSearchRecW f;
    ASSERT_EQ(FindFirstW(folder.File(L"big.bin"), 0, f), 0u);
    EXPECT_EQ(f.FileSize, size);
}

INSTANTIATE_PLATFORMS(FileRoutines);

TEST(FindFirstW, AgreesWithTheLinuxSideOnNamesSizesAndTimes)
{
    char zone[32] = {};
    GetEnvironmentVariableA("TZ", zone, sizeof(zone));
    ASSERT_STREQ(zone, FindFixtureTimeZone) << "the test must run in the zone the reference was made in";

    std::map<WideString, const TListedFile*> expected;
    for (const auto& entry : FindFixtureListing)
        expected[entry.Name] = &entry;
    TSearchRecW f;
    size_t seen = 0;
    for (DWORD r = FindFirstW(FindFixtureFolder + L"\\*", FILE_ATTRIBUTE_DIRECTORY, f); r == 0; r = FindNextW(f)) {
        if (f.FileName == L"." || f.FileName == L"..")
            continue;
        auto it = expected.find(f.FileName);
        ASSERT_NE(it, expected.end()) << WideToAnsi(f.FileName, CP_UTF8);
        SCOPED_TRACE(WideToAnsi(f.FileName, CP_UTF8));
        EXPECT_EQ(f.FileSize, it->second->Size);
        EXPECT_EQ((f.Attributes & FILE_ATTRIBUTE_DIRECTORY) != 0, it->second->Directory);
        EXPECT_EQ(f.WriteTime, it->second->WriteTime);
        ++seen;
    }
    EXPECT_EQ(seen, expected.size());
}

using ErrorTexts = TPlatformTest;

TEST_P(ErrorTexts, SystemMessagesAreThePlatformsOwnTrimmed)
{
    for (DWORD code : {DWORD(ERROR_FILE_NOT_FOUND), DWORD(ERROR_ACCESS_DENIED), DWORD(ERROR_SHARING_VIOLATION)}) {
        WideString text = SysErrorMessageW(code);
        EXPECT_EQ(text, PlatformMessage(code));
        EXPECT_FALSE(text.empty());
        EXPECT_GT(text.back(), L' ');
    }
}

TEST_P(ErrorTexts, CodesWithoutTextAreUnspecified)
{
    EXPECT_EQ(SysErrorMessageW(0x2AFFFFFF), L"Unspecified error (721420287) from system.");
    HMODULE self = GetModuleHandleW(nullptr);
    EXPECT_EQ(ModuleErrorMessageW(L"tests", self, 0x2AFFFFFF), L"Unspecified error (721420287) from tests.");
    EXPECT_EQ(ModuleErrorMessageW(L"tests", self, ERROR_FILE_NOT_FOUND), PlatformMessage(ERROR_FILE_NOT_FOUND));
}

TEST_P(ErrorTexts, LocaleStrings)
{
    EXPECT_EQ(GetLocaleStrW(1029, LOCALE_SENGLANGUAGE, L"none"), L"Czech");
    EXPECT_EQ(GetLocaleStrW(1058, LOCALE_SENGLANGUAGE, L"none"), L"Ukrainian");
    EXPECT_EQ(GetLocaleStrW(1029, 0x7FFF, L"none"), L"none");
    if (Unicode()) {
        EXPECT_EQ(GetLocaleStrW(1058, LOCALE_SNATIVELANGNAME, L""), L"\u0443\u043A\u0440\u0430\u0457\u043D\u0441\u044C\u043A\u0430");
    }
}

INSTANTIATE_PLATFORMS(ErrorTexts);

TEST(CheckWin32Value, RaisesTheLastError)
{
    EXPECT_EQ(CheckWin32Value(7), 7);
    SetLastError(ERROR_ACCESS_DENIED);
    try {
        CheckWin32Value(FALSE);
        ADD_FAILURE() << "no error";
    } catch (const EOSError& e) {
        EXPECT_EQ(e.GetErrorCode(), DWORD(ERROR_ACCESS_DENIED));
    }
}
