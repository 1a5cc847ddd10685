// The system-call wrappers on both platform paths.
#include <gtest/gtest.h>

#include <set>

#include "tests/unicode/unicode_fixture.h"
#include "tests/unicode/unicode_resources.h"
#include "unicode/UniWindows.h"

namespace {

const WideString CzechName = L"P\u0159\u00EDli\u0161 \u017Elu\u0165ou\u010Dk\u00FD.txt";
const WideString UkrainianName = L"\u041F\u0440\u0438\u0432\u0456\u0442 \u0441\u0432\u0456\u0442.txt";

}  // namespace

using Wrappers = TPlatformTest;

TEST_P(Wrappers, CreateFileMakesAndOpensFilesByWideName)
{
    TScratchFolder folder;
    for (const WideString& wanted : {CzechName, UkrainianName}) {
        WideString path = folder.File(Name(wanted));
        {
            TTestHandle file(WideCreateFile(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                            nullptr));
            ASSERT_TRUE(file.Valid());
            DWORD written = 0;
            WriteFile(file.Get(), "abc", 3, &written, nullptr);
        }
        EXPECT_EQ(ReadFileBytes(path), "abc");
        TTestHandle again(WideCreateFile(path, GENERIC_READ, 0, nullptr, CREATE_NEW, 0, nullptr));
        EXPECT_FALSE(again.Valid());
        EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_EXISTS));
    }
}

TEST_P(Wrappers, FindFileListsNamesAndSizes)
{
    TScratchFolder folder;
    std::set<WideString> expected = {Name(CzechName), Name(UkrainianName), L"plain.txt"};
    for (const WideString& name : expected)
        WriteFileBytes(folder.File(name), AnsiString(name.size(), 'x'));

    std::set<WideString> found;
    WIN32_FIND_DATAW data{};
    HANDLE find = WideFindFirstFile(folder.File(L"*.txt"), data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    do {
        found.insert(data.cFileName);
        EXPECT_EQ(data.nFileSizeLow, wcslen(data.cFileName));
        EXPECT_EQ(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
        EXPECT_LT(wcslen(data.cAlternateFileName), 14u);
    } while (WideFindNextFile(find, data));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NO_MORE_FILES));
    FindClose(find);
    EXPECT_EQ(found, expected);

    EXPECT_EQ(WideFindFirstFile(folder.File(L"none*"), data), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
}

TEST_P(Wrappers, FullPathNameWithFilePart)
{
    TScratchFolder folder;
    WideString sub = folder.File(Name(L"slo\u017Eka"));
    CreateDirectoryW(sub.c_str(), nullptr);
    wchar_t previous[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, previous);
    SetCurrentDirectoryW(sub.c_str());

    WideString name = Name(CzechName);
    wchar_t buffer[MAX_PATH];
    wchar_t* filePart = nullptr;
    DWORD n = WideGetFullPathName(name, MAX_PATH, buffer, &filePart);
    WideString expected = sub + L"\\" + name;
    EXPECT_EQ(WideString(buffer), expected);
    EXPECT_EQ(n, expected.size());
    ASSERT_NE(filePart, nullptr);
    EXPECT_EQ(WideString(filePart), name);

    EXPECT_EQ(WideGetFullPathName(L"dir\\", MAX_PATH, buffer, &filePart), sub.size() + 5);
    EXPECT_EQ(filePart, nullptr);

    wchar_t small[8] = L"junk";
    EXPECT_EQ(WideGetFullPathName(name, 8, small, &filePart), expected.size() + 1);
    if (!Unicode()) {
        EXPECT_EQ(small[0], L'\0');
        EXPECT_EQ(filePart, nullptr);
    }
    SetCurrentDirectoryW(previous);
}

TEST_P(Wrappers, ShortPathNameOfAnExistingFile)
{
    TScratchFolder folder;
    WideString sub = folder.File(L"A long folder name");
    CreateDirectoryW(sub.c_str(), nullptr);
    WideString path = sub + L"\\" + Name(CzechName);
    WriteFileBytes(path, "x");

    wchar_t reference[MAX_PATH];
    ASSERT_GT(GetShortPathNameW(path.c_str(), reference, MAX_PATH), 0u);
    wchar_t buffer[MAX_PATH];
    DWORD n = WideGetShortPathName(path, buffer, MAX_PATH);
    EXPECT_EQ(WideString(buffer), WideString(reference));
    EXPECT_EQ(n, wcslen(reference));

    // Too small: the needed length; the 8-bit path keeps the leading folders that fit.
    WideString whole = reference;
    DWORD fits = DWORD(whole.rfind(L'\\')) + 1;
    wchar_t small[MAX_PATH];
    EXPECT_EQ(WideGetShortPathName(path, small, fits + 1), whole.size() + 1);
    if (!Unicode()) {
        EXPECT_EQ(WideString(small), whole.substr(0, fits));
    }

    EXPECT_EQ(WideGetShortPathName(folder.File(L"missing.txt"), buffer, MAX_PATH), 0u);
}

TEST_P(Wrappers, LoadStringReadsTheStringTable)
{
    HINSTANCE module = GetModuleHandleW(nullptr);
    struct {
        UINT Id;
        const wchar_t* Text;
    } strings[] = {
        {IDS_TEST_FIRST, L"first string"},
        {IDS_TEST_SECOND, L"second"},
        {IDS_TEST_LAST_OF_BLOCK, L"last of the first block"},
        {IDS_TEST_NEXT_BLOCK, L"first of the second block"},
        {IDS_TEST_CZECH, L"P\u0159\u00EDli\u0161 \u017Elu\u0165ou\u010Dk\u00FD k\u016F\u0148"},
        {IDS_TEST_UKRAINIAN, L"\u041F\u0440\u0438\u0432\u0456\u0442"},
        {IDS_TEST_MISSING, L""},
        {IDS_TEST_NO_BLOCK, L""},
    };
    for (const auto& s : strings) {
        wchar_t buffer[64] = L"junk";
        int n = WideLoadString(module, s.Id, buffer, 64);
        EXPECT_EQ(n, int(wcslen(s.Text))) << s.Id;
        if (n > 0) {
            EXPECT_EQ(WideString(buffer), s.Text) << s.Id;
        }
    }
    wchar_t cut[6];
    EXPECT_EQ(WideLoadString(module, IDS_TEST_FIRST, cut, 6), 5);
    EXPECT_EQ(WideString(cut), L"first");
    if (!Unicode()) {
        EXPECT_EQ(WideLoadString(module, IDS_TEST_FIRST, nullptr, 0), 12);
    }
}

TEST_P(Wrappers, LoadLibrary)
{
    HMODULE module = WideLoadLibrary(L"kernel32.dll");
    EXPECT_NE(module, nullptr);
    FreeLibrary(module);
    EXPECT_EQ(WideLoadLibrary(L"no-such-library-\u0159.dll"), nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_MOD_NOT_FOUND));
}

TEST_P(Wrappers, WindowTextAndDrawnText)
{
    HWND wnd = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(wnd, nullptr);
    WideString text = L"\u017Dlu\u0165ou\u010Dk\u00FD \u0436\u0430\u0431\u0430";
    EXPECT_TRUE(WideSetWindowText(wnd, text));
    wchar_t back[64];
    GetWindowTextW(wnd, back, 64);
    EXPECT_EQ(WideString(back), Unicode() ? text : AnsiToWide(WideToAnsi(text)));
    DestroyWindow(wnd);

    HDC dc = CreateCompatibleDC(nullptr);
    RECT whole{0, 0, 0, 0};
    RECT counted{0, 0, 0, 0};
    RECT reference{0, 0, 0, 0};
    int height = WideDrawText(dc, L"Hello world", -1, &whole, DT_CALCRECT | DT_SINGLELINE);
    WideDrawText(dc, L"Hello world", 5, &counted, DT_CALCRECT | DT_SINGLELINE);
    DrawTextW(dc, L"Hello", -1, &reference, DT_CALCRECT | DT_SINGLELINE);
    DeleteDC(dc);
    EXPECT_GT(height, 0);
    EXPECT_EQ(counted.right, reference.right);
    EXPECT_GT(whole.right, counted.right);
}

INSTANTIATE_PLATFORMS(Wrappers);

TEST(Wrappers, ResourceIdentifiersAreSmallNumbers)
{
    EXPECT_TRUE(IsResourceId(MAKEINTRESOURCEW(1)));
    EXPECT_TRUE(IsResourceId(MAKEINTRESOURCEW(0xFFFF)));
    EXPECT_FALSE(IsResourceId(L"NAME"));
}
