#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <memory>

#include "app/datafolders.h"
#include "app/htmllog.h"
#include "app/settingsstore.h"
#include "classlib/Registry.h"
#include "classlib/SysUtils.h"
#include "program_driver.h"
#include "window_driver.h"
#include "tests/support/BoxAnswerer.h"
#include "tests/support/OutsideTools.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/SettingsSandbox.h"

namespace {

constexpr DWORD StartTime = 30000;
const char* const MirrorKey = "\"HKCU\\Software\\BREVANT\\Clearvane\"";
const char* const RunValue = "\"HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\" /v \"QUON Variruvu\"";
const char* const FileVerb = "\"HKCR\\*\\shell\\Quon file variruvu\" /s";

// Side-menu entries by their place in the main window's client area.
const POINT FilesEntry{60, 73 + 85 + 6};
const POINT SettingsEntry{60, 73 + 139 + 6};
const POINT ExitEntry{60, 73 + 349 + 6};

void WriteBytes(const AnsiString& fileName, const AnsiString& text)
{
    ForceDirectories(ExtractFilePath(fileName));
    WriteFileBytes(fileName, text);
}

bool Contains(const AnsiString& text, const AnsiString& part)
{
    return text.find(part) != AnsiString::npos;
}

// What a close or Exit writes into a config.ini it creates, with the start windows on.
AnsiString ExpectedAfterExit()
{
    return ReadFileBytes("Z:" VARIRUVU_E2E_SOURCE "\\expected\\config-after-exit.txt");
}

// Those lines without the sections named.
AnsiString ExpectedAfterExitBesides(std::initializer_list<AnsiString> sections)
{
    const AnsiString all = ExpectedAfterExit();
    AnsiString kept;
    for (size_t at = 0, end; at < all.size(); at = end + 1) {
        end = all.find('\n', at);
        const AnsiString line = all.substr(at, end - at + 1);
        if (std::none_of(sections.begin(), sections.end(),
                         [&](const AnsiString& section) { return line.compare(0, section.size() + 1, section + "/") == 0; }))
            kept += line;
    }
    return kept;
}

const AnsiString QuietLines = "LastChoice/Splash=0\nLastChoice/License=0\n";

// The staged program, started in a prefix whose settings are wiped before and after.
class Settings : public ::testing::Test {
protected:
    // With `startWindows` the licence viewer is expected first and passed with "Next >> ".
    void Start(bool startWindows = false)
    {
        // A run still there from before would take the new start for a second instance.
        run.reset();
        run = std::make_unique<TProgramRun>(DistFolder() + "variruvu.exe");
        if (startWindows) {
            ASSERT_TRUE(PassLicenceViewer(StartTime));
        }
        wnd = WaitForWindow("TfrmMain", "QUON Variruvu", StartTime);
        ASSERT_TRUE(wnd);
        run->WaitForIdle(StartTime);
    }
    // Clicks the side-menu entry until the page shows the button it holds.
    void ShowPage(POINT entry, const char* button)
    {
        for (int attempt = 0; attempt < 5 && !FindButton(wnd, button); ++attempt) {
            ClickAt(wnd, entry.x, entry.y);
            Pause(400);
        }
        ASSERT_TRUE(FindButton(wnd, button)) << button;
    }
    // Exit from the side menu, answered with Yes; the program ends.
    void Exit()
    {
        ClickAt(wnd, ExitEntry.x, ExitEntry.y);
        HWND box = WaitForMessageBox(run->ProcessId(), StartTime);
        ASSERT_TRUE(box);
        PressButton(box, IDYES);
        EXPECT_EQ(run->WaitForExit(StartTime), 0);
    }
    HWND LanguageBox() const { return FindComboWithItem(wnd, EnglishName().c_str()); }
    // The built-in language's entry, named as the system names languages.
    static AnsiString EnglishName()
    {
        char name[100] = {};
        GetLocaleInfoA(1033, LOCALE_SLANGUAGE, name, sizeof(name));
        return name;
    }

    TQuietStartSandbox sandbox;
    std::unique_ptr<TProgramRun> run;
    HWND wnd = nullptr;
};

// The first start shows the start windows and stores them as still on.
TEST_F(Settings, AFirstStartWritesNoFileAndExitWritesEveryKeyInOrder)
{
    TSettingsSandbox::Wipe();
    Start(true);
    EXPECT_FALSE(DirectoryExists(DataFolder()));
    EXPECT_FALSE(FileExists(ConfigFileName()));
    const AnsiString mirror = RegQuery(MirrorKey);
    EXPECT_TRUE(Contains(mirror, "EraseMethod    REG_DWORD    0x1\n")) << mirror;
    EXPECT_TRUE(Contains(mirror, "ProgVers    REG_SZ    1.0.0.0\n")) << mirror;
    EXPECT_TRUE(Contains(mirror, "Language    REG_DWORD    0x409\n")) << mirror;
    Exit();
    EXPECT_EQ(ConfigParserView(ConfigFileName()), ExpectedAfterExit());
    EXPECT_FALSE(Contains(RegQuery(RunValue), "REG_SZ"));
}

// Closing the window stores the settings too; only Exit and Settings OK touch the autorun value.
TEST_F(Settings, ClosingTheWindowWritesTheSettingsAndLeavesTheAutorunValueAlone)
{
    TSettingsSandbox::WriteQuietConfig("[Startup]\r\nAutoRun=1\r\n");
    Start();
    PostMessageA(wnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(run->WaitForExit(StartTime), 0);
    // The sections that were there keep their places, the start windows stay off; the others follow.
    EXPECT_EQ(ConfigParserView(ConfigFileName()),
              "Startup/AutoRun=1\n" + QuietLines + ExpectedAfterExitBesides({"Startup", "LastChoice"}));
    EXPECT_FALSE(Contains(RegQuery(RunValue), "REG_SZ"));
}

// The ways config.ini cannot be written.
enum TUnwritable { AFolder, AReadOnlyFile, AFileHeldOpen };

const char* const UnwritableNames[] = {"a folder", "a read-only file", "a file held open"};

bool OpensForWriting(const AnsiString& fileName)
{
    HANDLE file = CreateFileA(fileName.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

// A config.ini the program cannot write is reported once on the way out,
// keeps what it holds, and does not keep the program from ending, by Exit or
// by the window's close.
TEST_F(Settings, AnUnwritableConfigFileIsReportedOnceAndTheProgramStillEnds)
{
    const AnsiString question = "Are you sure you want to close the application?";
    const AnsiString failure = "Unable to write to " + ConfigFileName() + ".";
    const AnsiString bytes = "[Settings]\r\nEraseMethod=2\r\n[LastChoice]\r\nSplash=0\r\nLicense=0\r\n";
    for (TUnwritable kind : {AFolder, AReadOnlyFile, AFileHeldOpen})
        for (bool byExit : {true, false}) {
            SCOPED_TRACE(AnsiString(UnwritableNames[kind]) + (byExit ? ", Exit" : ", close"));
            TSettingsSandbox::Wipe();
            // The bytes that must survive: config.ini itself, or a file in the folder in its place.
            const AnsiString kept = kind == AFolder ? ConfigFileName() + "\\kept.ini" : ConfigFileName();
            WriteBytes(kept, bytes);
            if (kind == AReadOnlyFile) {
                ASSERT_TRUE(SetFileAttributesA(kept.c_str(), FILE_ATTRIBUTE_READONLY));
                // Wine leaves the attribute to the host, which lets the superuser write all the same.
                if (OpensForWriting(kept)) {
                    std::cout << "A read-only file is writable here; that case is left out.\n";
                    continue;
                }
            }
            // Shared for reading alone: the program reads it and cannot write it.
            std::unique_ptr<void, decltype(&CloseHandle)> holder(
                kind == AFileHeldOpen
                    ? CreateFileA(kept.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr)
                    : nullptr,
                &CloseHandle);
            ASSERT_NE(holder.get(), INVALID_HANDLE_VALUE);
            // A folder in its place cannot be read either: the start windows come as on a first start.
            Start(kind == AFolder);
            TBoxAnswerer answerer([&](const AnsiString& text) { return text == question ? IDYES : IDOK; },
                                  run->ProcessId());
            if (byExit)
                ClickAt(wnd, ExitEntry.x, ExitEntry.y);
            else
                PostMessageA(wnd, WM_CLOSE, 0, 0);
            EXPECT_EQ(run->WaitForExit(StartTime), 0);
            const std::vector<AnsiString> expected =
                byExit ? std::vector<AnsiString>{question, failure} : std::vector<AnsiString>{failure};
            EXPECT_EQ(answerer.Texts(), expected);
            holder.reset();
            EXPECT_EQ(DirectoryExists(ConfigFileName()), kind == AFolder);
            EXPECT_EQ(ReadFileBytes(kept), bytes);
        }
}

TEST_F(Settings, TheStoredLanguageMethodAndLastUseComeBack)
{
    TSettingsSandbox::WriteQuietConfig("[Settings]\r\nLanguage=1029\r\nEraseMethod=2\r\n"
                                 "[LastApply]\r\nLA=01/02/2026 3:04:05 PM\r\n");
    Start();
    ShowPage(SettingsEntry, "OK");
    EXPECT_EQ(ComboItemIndex(LanguageBox()), 1);
    EXPECT_EQ(ComboItemIndex(MethodBox(wnd)), 2);
    Exit();
    const AnsiString view = ConfigParserView(ConfigFileName());
    EXPECT_TRUE(Contains(view, "Settings/Language=1029\n")) << view;
    EXPECT_TRUE(Contains(view, "Settings/EraseMethod=2\n")) << view;
    EXPECT_TRUE(Contains(view, "LastApply/LA=01/02/2026 3:04:05 PM\n")) << view;
}

TEST_F(Settings, AStoredMethodOutsideTheThreeEndsWithOneSelected)
{
    for (const char* stored : {"7", "-1", "DoD"}) {
        SCOPED_TRACE(stored);
        TSettingsSandbox::WriteQuietConfig(AnsiString("[Settings]\r\nEraseMethod=") + stored + "\r\n");
        Start();
        ShowPage(SettingsEntry, "OK");
        EXPECT_EQ(ComboItemIndex(MethodBox(wnd)), 1);
        Exit();
        EXPECT_TRUE(Contains(ConfigParserView(ConfigFileName()), "Settings/EraseMethod=1\n"));
    }
}

TEST_F(Settings, PickingAMethodStoresItAtOnce)
{
    Start();
    ShowPage(SettingsEntry, "OK");
    PickComboItem(MethodBox(wnd), 2);
    Pause(500);
    EXPECT_EQ(ConfigParserView(ConfigFileName()),
              QuietLines + "App/Program=QUON Variruvu\nApp/Version=1.0.0.0\nSettings/EraseMethod=2\n");
    EXPECT_TRUE(Contains(RegQuery(MirrorKey), "EraseMethod    REG_DWORD    0x2\n"));
}

TEST_F(Settings, PickingALanguageDeletesTheLogAndKeepsTheStoredMethod)
{
    TSettingsSandbox::WriteQuietConfig("[Settings]\r\nEraseMethod=0\r\n");
    WriteBytes(LogFileName(), "<html>the last run</html>");
    Start();
    ShowPage(SettingsEntry, "OK");
    PickComboItem(LanguageBox(), 2);
    Pause(500);
    EXPECT_FALSE(FileExists(LogFileName()));
    EXPECT_EQ(ComboItemIndex(MethodBox(wnd)), 0);
    EXPECT_TRUE(Contains(ConfigParserView(ConfigFileName()), "Settings/EraseMethod=0\n"));
    Exit();
    EXPECT_TRUE(Contains(ConfigParserView(ConfigFileName()), "Settings/Language=1031\n"));
}

TEST_F(Settings, WithoutTheDateOfLastUseExitLeavesItEmpty)
{
    TSettingsSandbox::WriteQuietConfig("[LastApply]\r\nLA=01/02/2026 3:04:05 PM\r\n");
    Start();
    ShowPage(SettingsEntry, "OK");
    HWND box = FindChild(wnd, "TUniCheckBox", "Do not display date of last use  ");
    ASSERT_TRUE(box);
    ClickButton(box);
    Pause(300);
    EXPECT_TRUE(IsButtonChecked(box));
    Exit();
    EXPECT_TRUE(Contains(ConfigParserView(ConfigFileName()), "LastApply/LA=\n"));
}

TEST_F(Settings, ExitWritesOrDeletesTheAutorunValueAsTheSettingsSay)
{
    TSettingsSandbox::WriteQuietConfig("[Startup]\r\nAutoRun=1\r\n");
    Start();
    Exit();
    const AnsiString value = RegQuery(RunValue);
    EXPECT_TRUE(Contains(value, "QUON Variruvu    REG_SZ    ") && Contains(LowerCase(value), "\\dist\\variruvu.exe\n"))
        << value;
    EXPECT_TRUE(Contains(ConfigParserView(ConfigFileName()), "Startup/AutoRun=1\n"));

    TSettingsSandbox::WriteQuietConfig("[Startup]\r\nAutoRun=0\r\n");
    Start();
    Exit();
    EXPECT_FALSE(Contains(RegQuery(RunValue), "REG_SZ"));
}

TEST_F(Settings, TheStoredContextMenuWritesTheVerbAtStartAndNothingRemovesIt)
{
    TSettingsSandbox::WriteQuietConfig("[Settings]\r\nContextMenu=1\r\n");
    Start();
    const AnsiString verb = RegQuery(FileVerb);
    EXPECT_TRUE(Contains(verb, "HKEY_CLASSES_ROOT\\*\\shell\\Quon file variruvu\n"
                               "    (Default)    REG_SZ    &Erase with Quon File Variruvu\n"
                               "HKEY_CLASSES_ROOT\\*\\shell\\Quon file variruvu\\command\n"))
        << verb;
    EXPECT_TRUE(Contains(LowerCase(verb), "variruvu.exe\" \"%1\"\n")) << verb;
    EXPECT_TRUE(Contains(verb, "\\command\\DefaultIcon\n")) << verb;
    EXPECT_TRUE(Contains(RegQuery(MirrorKey), "CntxMn    REG_DWORD    0x1\n"));
    Exit();

    TSettingsSandbox::WriteQuietConfig("[Settings]\r\nContextMenu=0\r\n");
    Start();
    Exit();
    EXPECT_EQ(RegQuery(FileVerb), verb);
}

// Settings OK restarts the program: the new instance waits for the old one
// to end, and then runs alone with what was just saved.
TEST_F(Settings, SettingsOkEndsWithOneInstanceThatUsesTheSavedSettings)
{
    TSettingsSandbox::WriteQuietConfig("[Startup]\r\nAutoRun=1\r\n");
    Start();
    ShowPage(SettingsEntry, "OK");
    PickComboItem(LanguageBox(), 1);
    Pause(500);
    ClickButton(FindButton(wnd, "OK"));
    HWND box = WaitForMessageBox(run->ProcessId(), StartTime);
    ASSERT_TRUE(box);
    PressButton(box, IDOK);
    EXPECT_EQ(run->WaitForExit(StartTime), 0);

    HWND restarted = WaitForWindow("TfrmMain", "QUON Variruvu", StartTime);
    ASSERT_TRUE(restarted);
    const DWORD pid = WindowProcess(restarted);
    EXPECT_NE(pid, run->ProcessId());
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    Pause(2000);
    EXPECT_EQ(TopLevelWindows("TfrmMain").size(), 1u);
    EXPECT_EQ(ComboItemIndex(FindComboWithItem(restarted, EnglishName().c_str())), 1) << "the saved language";
    EXPECT_TRUE(Contains(ConfigParserView(ConfigFileName()), "Settings/Language=1029\n"));
    EXPECT_TRUE(Contains(RegQuery(RunValue), "QUON Variruvu    REG_SZ    "));

    PostMessageA(restarted, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process, StartTime), WAIT_OBJECT_0);
    CloseHandle(process);
}

// The shell's "open" of a log file runs a copy command in its place: the copy shows what was opened.
class TLogViewerStandIn {
public:
    explicit TLogViewerStandIn(const AnsiString& copyTo) : FRegistry(KEY_ALL_ACCESS)
    {
        FRegistry.SetRootKey(HKEY_CLASSES_ROOT);
        FRegistry.OpenKey("\\.html", true);
        FSaved = FRegistry.ReadString("");
        FRegistry.WriteString("", "VariruvuTestLogViewer");
        FRegistry.OpenKey("\\VariruvuTestLogViewer\\shell\\open\\command", true);
        FRegistry.WriteString("", "C:\\windows\\system32\\cmd.exe /c copy \"%1\" \"" + copyTo + "\"");
    }
    ~TLogViewerStandIn()
    {
        FRegistry.OpenKey("\\.html", true);
        FRegistry.WriteString("", FSaved);
        FRegistry.DeleteKey("\\VariruvuTestLogViewer");
    }

private:
    TRegistry FRegistry;
    AnsiString FSaved;
};

TEST_F(Settings, LogFileTellsThereIsNoneOrOpensTheLogThroughTheShell)
{
    Start();
    ShowPage(FilesEntry, "Wipe out");
    HWND button = FindButton(wnd, "Log file");
    ASSERT_TRUE(button);
    ClickButton(button);
    HWND box = WaitForMessageBox(run->ProcessId(), StartTime);
    ASSERT_TRUE(box);
    EXPECT_EQ(MessageBoxText(box), "No log available!");
    PressButton(box, IDOK);
    Pause(300);

    const AnsiString scratch = IncludeTrailingPathDelimiter(WideToAnsi(MakeScratchFolder(L"logviewer")));
    {
        TLogViewerStandIn viewer(scratch + "opened.html");
        WriteBytes(LogFileName(), "<html>the last run</html>");
        ClickButton(button);
        for (int i = 0; i < 200 && !FileExists(scratch + "opened.html"); ++i)
            Pause(100);
        EXPECT_EQ(ReadFileBytes(scratch + "opened.html"), "<html>the last run</html>");
    }
    RemoveFolderTree(AnsiToWide(ExcludeTrailingPathDelimiter(scratch)));
}

}  // namespace
