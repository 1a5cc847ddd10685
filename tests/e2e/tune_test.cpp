// The flag's tune in the staged program, copied to a folder whose path holds
// blanks: the tune is written to the program's scratch folder, the menu and
// the language box stay locked, and Settings OK stops the tune, removes it
// and restarts the program.
#include <gtest/gtest.h>

#include "classlib/SysUtils.h"
#include "form_source.h"
#include "program_driver.h"
#include "window_driver.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/SettingsSandbox.h"
#include "tests/support/UnixSide.h"

namespace {

constexpr DWORD StartTime = 30000;
constexpr int SettingsTop = 139;

HWND LanguageBox(HWND main)
{
    for (HWND combo : FindChildren(main, "TUniComboBox"))
        if (SendMessageA(combo, CB_GETCOUNT, 0, 0) == 5)
            return combo;
    return nullptr;
}

// The language box's place on the Settings page; its window is visible only while the page is on show.
bool SettingsShown(HWND main)
{
    const TFormPlace box = TFormSource("Z:" VARIRUVU_FORMS_SOURCE, "erasedlg").Place("cbLanguage");
    return FindPlacedChild(main, box.ClassName.c_str(), box.InParent) != nullptr;
}

TEST(TuneInTheProgram, TheEnglishTunePlaysFromTheProgramFolderUntilSettingsOkRemovesItAndRestarts)
{
    TSettingsSandbox sandbox;
    TProgramCopy copy(L"program with blanks");
    ASSERT_NE(copy.Folder().find(' '), AnsiString::npos);
    const AnsiString tune = copy.Folder() + "sound\\us.mid";
    TProgramRun run(copy.Folder() + "variruvu.exe");
    HWND main = WaitForMainWindow(StartTime);
    ASSERT_TRUE(main);
    run.WaitForIdle(StartTime);
    HWND languages = LanguageBox(main);
    ASSERT_TRUE(languages);
    ASSERT_EQ(ComboItemIndex(languages), 0);
    HWND menu = ChildAt(main, POINT{10, 100});
    ASSERT_NE(menu, main);

    ClickMenuEntry(main, 60, SettingsTop + 7);
    ASSERT_TRUE(WaitUntil([&] { return SettingsShown(main); }, 5000));
    const TFormPlace flag = TFormSource("Z:" VARIRUVU_FORMS_SOURCE, "erasedlg").Place("ImageFlag");
    ClickAt(ShownSheet(main), flag.InParent.x + 10, flag.InParent.y + 10);
    ASSERT_TRUE(WaitUntil([&] { return FileExists(tune); }, 10000));
    Pause(500);
    EXPECT_EQ(ReadFileBytes(tune), ReadFileBytes(WindowsPathOfUnix(VARIRUVU_TUNES_DIR) + "\\us.mid"));
    EXPECT_FALSE(IsWindowEnabled(menu));
    EXPECT_FALSE(IsWindowEnabled(languages));

    ASSERT_TRUE(ClickButton(main, "OK"));
    HWND box = WaitForMessageBox(run.ProcessId(), StartTime);
    ASSERT_TRUE(box);
    EXPECT_EQ(MessageBoxText(box), "Changing the settings, requires the program to be restarted!");
    PressButton(box, IDOK);
    EXPECT_EQ(run.WaitForExit(StartTime), 0);
    EXPECT_FALSE(FileExists(tune));
    EXPECT_FALSE(DirectoryExists(copy.Folder() + "sound"));

    HWND restarted = WaitForWindow("TfrmMain", "QUON Variruvu", StartTime);
    ASSERT_TRUE(restarted);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, WindowProcess(restarted));
    EXPECT_TRUE(WaitUntil([&] { return LanguageBox(restarted) && IsWindowEnabled(LanguageBox(restarted)); }, 10000));
    PostMessageA(restarted, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process, StartTime), WAIT_OBJECT_0);
    CloseHandle(process);
}

}  // namespace
