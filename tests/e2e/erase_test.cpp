// The file list and the erase run of the staged program, driven as a user
// would: the command line, the dialogs, the buttons, the message boxes.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/htmllog.h"
#include "app/settingsstore.h"
#include "classlib/FileSearch.h"
#include "classlib/SysUtils.h"
#include "program_driver.h"
#include "tests/support/BoxAnswerer.h"
#include "tests/support/OutsideTools.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/SettingsSandbox.h"
#include "tests/support/TestTree.h"
#include "tests/support/UnixSide.h"
#include "window_driver.h"

namespace {

constexpr DWORD StartTime = 30000;
constexpr DWORD RunTime = 60000;

// The program's default texts.
const AnsiString ShredQuestion = "All selected files and folders will be erased permanently.";
const AnsiString AbortQuestion = "Do you want to abort the wiping-out?";
const AnsiString ClearQuestion = "Do you want to remove all files and folders from list?";
const AnsiString HomePage = "Welcome to Quon File Variruvu";
const AnsiString FinishedPage = "Wiping out completed  ";
const AnsiString ErrorPage = "Wiping out failed ";
const AnsiString AbortedPage = "Wiping out stopped ";

AnsiString FileNotErased(const AnsiString& folder, const AnsiString& name)
{
    return "Deleting of " + IncludeTrailingPathDelimiter(folder) + name + " failed!";
}

AnsiString FolderNotRemoved(const AnsiString& folder)
{
    return "Deleting of " + folder + " failed!";
}

bool StartsWith(const AnsiString& text, const AnsiString& start)
{
    return text.compare(0, start.size(), start) == 0;
}

// Yes to the run and to Abort, OK to every notice; "Clear list" and anything else is left to the test.
int Agree(const AnsiString& text)
{
    if (StartsWith(text, ShredQuestion) || text == AbortQuestion)
        return IDYES;
    return StartsWith(text, "Deleting of ") ? IDOK : 0;
}

AnsiString ReadAll(const AnsiString& path)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                           nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return "<missing>";
    AnsiString content(static_cast<size_t>(GetFileSize(h, nullptr)), '\0');
    DWORD read = 0;
    ReadFile(h, content.data(), static_cast<DWORD>(content.size()), &read, nullptr);
    CloseHandle(h);
    return content;
}

// The names in a folder, sorted.
std::vector<AnsiString> Entries(const AnsiString& folder)
{
    std::vector<AnsiString> names;
    for (TFileSearch search(folder + "\\*"); search.Found(); search.Next())
        if (search.Name() != "." && search.Name() != "..")
            names.push_back(search.Name());
    std::sort(names.begin(), names.end());
    return names;
}

class EraseRun : public ::testing::Test {
protected:
    void SetUp() override { scratch = IncludeTrailingPathDelimiter(WideToAnsi(MakeScratchFolder(L"erase"))); }
    void TearDown() override { RemoveFolderTree(AnsiToWide(ExcludeTrailingPathDelimiter(scratch))); }

    AnsiString Write(const AnsiString& name, size_t size, char fill = 'e')
    {
        const AnsiString path = scratch + name;
        AnsiString content(size, fill);
        for (size_t i = 0; i < size; i += 97)
            content[i] = static_cast<char>('a' + i % 26);
        EXPECT_TRUE(WriteFileBytes(path, content)) << path;
        return path;
    }
    std::unique_ptr<TProgramRun> Start(const std::vector<AnsiString>& args = {},
                                       const AnsiString& programFolder = DistFolder())
    {
        auto run = std::make_unique<TProgramRun>(programFolder + "variruvu.exe", args);
        main = WaitForMainWindow(StartTime);
        EXPECT_TRUE(main);
        return run;
    }
    // The files of a Python tree copy that the run should erase, made hidden or system for it.
    AnsiString TreeWithHiddenAndSystemFiles(const AnsiString& name)
    {
        const AnsiString tree = scratch + name;
        CopyFolderTree(IncludeTrailingPathDelimiter(PythonTreeFolder()), tree + "\\");
        SetFileAttributesA((tree + "\\a.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
        SetFileAttributesA((tree + "\\sub1\\c.txt").c_str(), FILE_ATTRIBUTE_SYSTEM);
        SetFileAttributesA((tree + "\\sub3\\f").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
        return tree;
    }

    // Erases the folder given with /F to the Finished page; the notices after the question, sorted.
    void RunFolderRow(const AnsiString& folder, std::vector<AnsiString>& notices)
    {
        TBoxAnswerer answerer(Agree, 0);
        auto run = Start({"/F", folder});
        ASSERT_TRUE(WaitForPage(main, FinishedPage, RunTime));
        const std::vector<AnsiString> texts = answerer.Texts();
        ASSERT_FALSE(texts.empty());
        notices.assign(texts.begin() + 1, texts.end());
        std::sort(notices.begin(), notices.end());
    }

    // A file and a folder outside the tree, for links to lead to: their
    // contents are kept to compare with after the run.
    void MakeOutsideTargets()
    {
        outside = scratch + "outside";
        CreateDir(outside);
        CreateDir(outside + "\\dir");
        secret = Write("outside\\secret.txt", 5000, 's');
        inner = Write("outside\\dir\\in.txt", 70000, 'i');
        secretContent = ReadAll(secret);
        innerContent = ReadAll(inner);
    }
    void ExpectOutsideTargetsUnchanged()
    {
        EXPECT_EQ(ReadAll(secret), secretContent);
        EXPECT_EQ(ReadAll(inner), innerContent);
        EXPECT_EQ(Entries(outside), (std::vector<AnsiString>{"dir", "secret.txt"}));
        EXPECT_EQ(Entries(outside + "\\dir"), std::vector<AnsiString>{"in.txt"});
    }

    TQuietStartSandbox settings;
    AnsiString scratch;
    AnsiString outside, secret, inner, secretContent, innerContent;
    HWND main = nullptr;
};

TEST_F(EraseRun, AFileOnTheCommandLineIsErasedAfterTheConfirmationWithTheWindowOnScreen)
{
    const AnsiString file = Write("one.txt", 3000);
    bool windowShownAtTheQuestion = false;
    TBoxAnswerer answerer([&](const AnsiString& text) {
        windowShownAtTheQuestion = IsWindowVisible(FindWindowA("TfrmMain", "QUON Variruvu")) != FALSE;
        return Agree(text);
    }, 0);
    auto run = Start({file});
    ASSERT_TRUE(WaitForPage(main, FinishedPage, RunTime));
    EXPECT_TRUE(windowShownAtTheQuestion);
    ASSERT_EQ(answerer.Texts().size(), 1u);
    EXPECT_TRUE(StartsWith(answerer.Texts()[0], ShredQuestion));
    EXPECT_FALSE(FileExists(file));
    EXPECT_EQ(TListDriver(main, run->ProcessId()).RowCount(), 0);
    EXPECT_FALSE(IsWindowEnabled(FindButton(main, "Wipe out")));
}

TEST_F(EraseRun, DecliningTheConfirmationLeavesFileListAndPagesAsTheyWere)
{
    const AnsiString file = Write("keep.txt", 1536);
    TBoxAnswerer answerer([](const AnsiString& text) { return StartsWith(text, ShredQuestion) ? IDNO : 0; }, 0);
    auto run = Start({file});
    ASSERT_TRUE(answerer.WaitForCount(1, StartTime));
    Pause(1000);
    EXPECT_EQ(ShownPage(main), HomePage);
    EXPECT_EQ(ReadAll(file).size(), 1536u);
    TListDriver list(main, run->ProcessId());
    ASSERT_EQ(list.RowCount(), 1);
    EXPECT_EQ(list.Cell(0, 0), "keep.txt");
    EXPECT_EQ(list.Cell(0, 1), "1");
    EXPECT_EQ(list.Cell(0, 2), "1.50 kB");
    EXPECT_EQ(list.Cell(0, 3), scratch);
    EXPECT_TRUE(list.Checked(0));
    EXPECT_TRUE(IsWindowEnabled(FindButton(main, "Wipe out")));
}

// Attributes are never changed to force an open: the read-only file stays, and with it its folder.
TEST_F(EraseRun, AFolderTreeGoesWithItsHiddenAndSystemFilesButNotItsReadOnlyFile)
{
    const AnsiString tree = TreeWithHiddenAndSystemFiles("tree");
    const AnsiString readOnly = tree + "\\ro.txt";
    CopyFileA((tree + "\\b.bin").c_str(), readOnly.c_str(), FALSE);
    const AnsiString readOnlyContent = ReadAll(readOnly);
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    TBoxAnswerer answerer(Agree, 0);
    auto run = Start({"/F", tree});
    ASSERT_TRUE(WaitForPage(main, FinishedPage, RunTime));

    const std::vector<AnsiString> texts = answerer.Texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(std::vector<AnsiString>(texts.begin() + 1, texts.end()),
              (std::vector<AnsiString>{FileNotErased(tree, "ro.txt"), FolderNotRemoved(tree)}));
    EXPECT_EQ(ReadAll(readOnly), readOnlyContent);
    EXPECT_EQ(GetFileAttributesA(readOnly.c_str()) & FILE_ATTRIBUTE_READONLY, DWORD(FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(Entries(tree), std::vector<AnsiString>{"ro.txt"});
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(EraseRun, AnEmptyFolderRowRemovesTheFolder)
{
    const AnsiString empty = scratch + "empty";
    CreateDir(empty);
    TBoxAnswerer answerer(Agree, 0);
    auto run = Start({empty, "/f"});
    ASSERT_TRUE(WaitForPage(main, FinishedPage, RunTime));
    EXPECT_FALSE(DirectoryExists(empty));
    EXPECT_EQ(answerer.Texts().size(), 1u);
}

TEST_F(EraseRun, AFileHeldOpenElsewhereEndsOnTheErrorPageAndStaysAsItWas)
{
    const AnsiString file = Write("held.txt", 777);
    const AnsiString content = ReadAll(file);
    HANDLE held = CreateFileA(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    TBoxAnswerer answerer(Agree, 0);
    auto run = Start({file});
    EXPECT_TRUE(WaitForPage(main, ErrorPage, RunTime));
    CloseHandle(held);
    EXPECT_EQ(ReadAll(file), content);
}

// Links made on the Linux side lead to a file and a folder outside the tree.
TEST_F(EraseRun, LinksInATreeNeverLeadTheRunOutOfIt)
{
    MakeOutsideTargets();
    const AnsiString tree = scratch + "tree";
    CreateDir(tree);
    const AnsiString own = Write("tree\\own.txt", 100);
    ASSERT_TRUE(MakeSymbolicLink(secret, tree + "\\flink.txt"));
    ASSERT_TRUE(MakeSymbolicLink(outside + "\\dir", tree + "\\dlink"));
    {
        std::vector<AnsiString> notices;
        ASSERT_NO_FATAL_FAILURE(RunFolderRow(tree, notices));
        std::vector<AnsiString> expected = {FileNotErased(tree, "dlink"), FileNotErased(tree, "flink.txt"),
                                            FolderNotRemoved(tree)};
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(notices, expected);
    }
    ExpectOutsideTargetsUnchanged();
    EXPECT_FALSE(FileExists(own));
    EXPECT_TRUE(RemoveTreeWithLinks(scratch));
}

// The chosen language's notices ask for other arguments than the run gives
// them: the built-in notices stand for them and the run goes on to its end.
TEST_F(EraseRun, ALanguageFileWhoseNoticesAskForOtherArgumentsCannotStopARun)
{
    TProgramCopy copy;
    ASSERT_TRUE(WriteFileBytes(copy.Folder() + "languages\\Czech.lng",
                               "LANGID=1029\r\n[$CONSTANTS]\r\nsMsg=%s%s%s%n%x %p %d %-99999s\r\nsMsg2=%d\r\n"));
    TSettingsSandbox::WriteQuietConfig("[Settings]\r\nLanguage=1029\r\n");
    const AnsiString outside = Write("outside.txt", 500, 'o');
    const AnsiString outsideContent = ReadAll(outside);
    const AnsiString tree = scratch + "tree";
    CreateDir(tree);
    for (int i = 0; i < 30; ++i)
        Write(Format("tree\\f%.2d.txt", i), 100 + i);
    ASSERT_TRUE(MakeSymbolicLink(outside, tree + "\\link.txt"));
    {
        TBoxAnswerer answerer(Agree, 0);
        auto run = Start({"/F", tree}, copy.Folder());
        ASSERT_TRUE(WaitForPage(main, FinishedPage, RunTime));
        const std::vector<AnsiString> texts = answerer.Texts();
        ASSERT_EQ(texts.size(), 3u);
        EXPECT_EQ(std::vector<AnsiString>(texts.begin() + 1, texts.end()),
                  (std::vector<AnsiString>{FileNotErased(tree, "link.txt"), FolderNotRemoved(tree)}));
    }
    EXPECT_EQ(Entries(tree), std::vector<AnsiString>{"link.txt"});
    EXPECT_EQ(ReadAll(outside), outsideContent);
    // The Finished page comes on show just before the log is written.
    EXPECT_TRUE(WaitUntil([] { return FileExists(LogFileName()); }, 10000));
    EXPECT_TRUE(RemoveTreeWithLinks(scratch));
}

TEST_F(EraseRun, TheDialogsFillTheListAndTheCheckBoxesRuleTheButtons)
{
    const AnsiString first = Write("first.txt", 1000);
    Write("second.txt", 2048);
    const AnsiString tree = PythonTreeFolder();
    auto run = Start();
    TListDriver list(main, run->ProcessId());
    ASSERT_TRUE(ShowFilesPage(main));
    ASSERT_TRUE(ClickButton(main, "Files"));
    ASSERT_TRUE(ChooseFiles(run->ProcessId(), ExcludeTrailingPathDelimiter(scratch), {"second.txt", "first.txt"}));
    ASSERT_TRUE(ClickButton(main, "Folders"));
    ASSERT_TRUE(ChooseFolder(run->ProcessId(), tree));
    Pause(500);

    ASSERT_EQ(list.RowCount(), 3);
    const std::vector<std::vector<AnsiString>> rows = {
        {"second.txt", "1", "2.00 kB", scratch},
        {"first.txt", "1", "1000 B", scratch},
        {ExtractFileName(tree), IntToStr(PythonTreeMeasures[0].Files), "2.07 MB", tree},
    };
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 4; ++column)
            EXPECT_EQ(list.Cell(row, column), rows[row][column]) << row << " " << column;

    HWND wipeOut = FindButton(main, "Wipe out");
    HWND clear = FindButton(main, "Clear list");
    for (int row = 0; row < 3; ++row) {
        EXPECT_TRUE(IsWindowEnabled(wipeOut) && IsWindowEnabled(clear)) << row;
        list.SetChecked(row, false);
    }
    EXPECT_FALSE(IsWindowEnabled(wipeOut) || IsWindowEnabled(clear));
    EXPECT_EQ(list.RowCount(), 3);
    list.SetChecked(1, true);
    EXPECT_TRUE(IsWindowEnabled(wipeOut) && IsWindowEnabled(clear));

    {
        TBoxAnswerer no([](const AnsiString& text) { return text == ClearQuestion ? IDNO : 0; }, 0);
        ASSERT_TRUE(ClickButton(main, "Clear list"));
        ASSERT_TRUE(no.WaitForCount(1, StartTime));
    }
    Pause(300);
    EXPECT_EQ(list.RowCount(), 3);
    {
        TBoxAnswerer yes([](const AnsiString& text) { return text == ClearQuestion ? IDYES : 0; }, 0);
        ASSERT_TRUE(ClickButton(main, "Clear list"));
        ASSERT_TRUE(yes.WaitForCount(1, StartTime));
    }
    Pause(300);
    EXPECT_EQ(list.RowCount(), 0);
    EXPECT_FALSE(IsWindowEnabled(wipeOut) || IsWindowEnabled(clear));
    EXPECT_TRUE(FileExists(first));
}

TEST_F(EraseRun, TwoFileRowsWhereOnlyTheFirstFailsEndOnTheFinishedPage)
{
    const AnsiString failing = Write("failing.txt", 10);
    const AnsiString erased = Write("erased.txt", 10000);
    HANDLE held = CreateFileA(failing.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    auto run = Start();
    ASSERT_TRUE(ShowFilesPage(main));
    ASSERT_TRUE(ClickButton(main, "Files"));
    ASSERT_TRUE(ChooseFiles(run->ProcessId(), ExcludeTrailingPathDelimiter(scratch), {"failing.txt", "erased.txt"}));
    TBoxAnswerer answerer(Agree, 0);
    ASSERT_TRUE(ClickButton(main, "Wipe out"));
    EXPECT_TRUE(WaitForPage(main, FinishedPage, RunTime));
    CloseHandle(held);
    EXPECT_TRUE(FileExists(failing));
    EXPECT_FALSE(FileExists(erased));
}

// While the Gutmann passes run over the first file: the bars move, the window
// holds its list and refuses to close; Abort stops there and the next row is left.
TEST_F(EraseRun, AbortDuringAGutmannRunEndsOnTheAbortedPageWithTheNextRowUntouched)
{
    const AnsiString large = Write("large.bin", 32 << 20);
    const AnsiString next = Write("next.txt", 4096);
    const AnsiString nextContent = ReadAll(next);
    auto run = Start();
    ASSERT_TRUE(ShowFilesPage(main));
    ASSERT_TRUE(ClickButton(main, "Files"));
    ASSERT_TRUE(ChooseFiles(run->ProcessId(), ExcludeTrailingPathDelimiter(scratch), {"large.bin", "next.txt"}));
    ChooseMethod(main, 2);
    TBoxAnswerer answerer(Agree, 0);
    ASSERT_TRUE(ClickButton(main, "Wipe out"));
    ASSERT_TRUE(WaitForPage(main, "Wiping out ", StartTime));

    const std::vector<HWND> bars = FindChildren(main, "TUniProgressBar");
    ASSERT_EQ(bars.size(), 2u);
    std::vector<int> totals;
    for (int i = 0; i < 100 && (totals.empty() || totals.back() < 3); ++i) {
        totals.push_back(ProgressPosition(bars[1]));
        Pause(50);
    }
    ASSERT_GE(totals.back(), 3);
    ASSERT_LT(totals.back(), 100);
    EXPECT_LT(totals.front(), totals.back());
    for (const char* held : {"Wipe out", "Clear list", "Files", "Folders"})
        EXPECT_FALSE(IsWindowEnabled(FindButton(main, held))) << held;
    PostMessageA(main, WM_CLOSE, 0, 0);
    Pause(300);
    EXPECT_TRUE(IsWindowVisible(main));

    ASSERT_TRUE(ClickButton(main, "Abort "));
    ASSERT_TRUE(WaitForPage(main, AbortedPage, RunTime));
    EXPECT_EQ(answerer.Texts().size(), 2u);
    EXPECT_FALSE(FileExists(large));
    EXPECT_EQ(ReadAll(next), nextContent);
    EXPECT_TRUE(IsWindowEnabled(FindButton(main, "Files")));
}

// A chosen file and a chosen folder that are links: neither is followed, and each
// is reported as the run reports a file or folder it could not erase.
TEST_F(EraseRun, AChosenLinkIsNeverFollowedAndIsReportedAsNotErased)
{
    MakeOutsideTargets();
    const AnsiString fileLink = scratch + "link.bin", folderLink = scratch + "victim_link";
    ASSERT_TRUE(MakeSymbolicLink(secret, fileLink));
    ASSERT_TRUE(MakeSymbolicLink(outside + "\\dir", folderLink));
    {
        TBoxAnswerer answerer(Agree, 0);
        auto run = Start({fileLink});
        EXPECT_TRUE(WaitForPage(main, ErrorPage, RunTime));
        EXPECT_EQ(answerer.Texts().size(), 1u);
    }
    {
        TBoxAnswerer answerer(Agree, 0);
        auto run = Start({"/F", folderLink});
        ASSERT_TRUE(WaitForPage(main, FinishedPage, RunTime));
        const std::vector<AnsiString> texts = answerer.Texts();
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_EQ(texts[1], FolderNotRemoved(folderLink));
    }
    ExpectOutsideTargetsUnchanged();
    EXPECT_TRUE(FileExists(fileLink));
    EXPECT_TRUE(RemoveTreeWithLinks(scratch));
}

// A folder row naming a file, or nothing at all, is named as left behind; the file keeps its bytes.
TEST_F(EraseRun, AFolderRowThatIsAFileOrMissingIsNamedAsLeftBehind)
{
    const AnsiString file = Write("w1.txt", 2000);
    const AnsiString content = ReadAll(file);
    for (const AnsiString& path : {file, scratch + "missing"}) {
        TBoxAnswerer answerer(Agree, 0);
        auto run = Start({"/F", path});
        ASSERT_TRUE(WaitForPage(main, FinishedPage, RunTime)) << path;
        EXPECT_EQ(answerer.Texts(), (std::vector<AnsiString>{answerer.Texts().at(0), FolderNotRemoved(path)})) << path;
    }
    EXPECT_EQ(ReadAll(file), content);
}

// Folders the ANSI functions cannot list, made on the Linux side: one past 260
// characters and one whose name ends in a dot. Each is named, and what they
// hold stays.
TEST_F(EraseRun, FoldersTheWalkCannotListAreEachNamedAndKeepWhatTheyHold)
{
    const AnsiString tree = scratch + "tree";
    CreateDir(tree);
    const AnsiString own = Write("tree\\own.txt", 100);
    const AnsiString longName1(120, 'a'), longName2(150, 'b');
    const AnsiString unixTree = UnixPath(tree);
    const AnsiString deep = unixTree + "/" + longName1 + "/" + longName2;
    ASSERT_TRUE(RunUnixCommands("mkdir -p '" + deep + "' '" + unixTree + "/dotted.'\n"
                                "printf deep > '" + deep + "/keep.txt'\n"
                                "printf dot > '" + unixTree + "/dotted./keep.txt'",
                                scratch));
    {
        std::vector<AnsiString> notices;
        ASSERT_NO_FATAL_FAILURE(RunFolderRow(tree, notices));
        const AnsiString folder1 = tree + "\\" + longName1;
        std::vector<AnsiString> expected = {FolderNotRemoved(tree), FolderNotRemoved(tree + "\\dotted."),
                                            FolderNotRemoved(folder1), FolderNotRemoved(folder1 + "\\" + longName2)};
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(notices, expected);
    }
    EXPECT_FALSE(FileExists(own));
    EXPECT_TRUE(RunUnixCommands("test \"$(cat '" + deep + "/keep.txt')\" = deep\n"
                                "test \"$(cat '" + unixTree + "/dotted./keep.txt')\" = dot",
                                scratch));
}

}  // namespace
