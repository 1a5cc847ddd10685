// The staged program's help with the HTML Help control out of the library
// search: the control's class registration, a path through an environment
// variable, leads the program to a stand-in of ours that records every call.
#include <gtest/gtest.h>

#include "app/settingsstore.h"
#include "classlib/Registry.h"
#include "classlib/SysUtils.h"
#include "program_driver.h"
#include "window_driver.h"
#include "tests/support/HelpControlRegistration.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/SettingsSandbox.h"
#include "tests/support/UnixSide.h"

namespace {

constexpr DWORD StartTime = 30000;

// An environment variable of this process, for the programs it starts while the object lives.
class TEnvironmentVariable {
public:
    TEnvironmentVariable(const char* name, const AnsiString& value) : FName(name)
    {
        SetEnvironmentVariableA(name, value.c_str());
    }
    ~TEnvironmentVariable() { SetEnvironmentVariableA(FName, nullptr); }

private:
    const char* FName;
};

// The platform's control disabled for the staged program while the object lives: loading it
// by name, or from the system folder, fails there.
class TControlDisabled {
public:
    TControlDisabled() : FRegistry(KEY_ALL_ACCESS)
    {
        FRegistry.SetRootKey(HKEY_CURRENT_USER);
        FRegistry.OpenKey(FKey + "\\DllOverrides", true);
        FRegistry.WriteString("hhctrl.ocx", "");
        FRegistry.CloseKey();
    }
    ~TControlDisabled() { FRegistry.DeleteKey(FKey); }

private:
    const AnsiString FKey = "\\Software\\Wine\\AppDefaults\\variruvu.exe";
    TRegistry FRegistry;
};

// Shows a page through its side-menu entry (y of the entry in the left panel) and gives the
// glyph button at that place on it; null when it does not come.
HWND ButtonOnPage(HWND main, int entryTop, POINT button)
{
    HWND found = nullptr;
    for (int attempt = 0; attempt < 5 && !found; ++attempt) {
        ClickMenuEntry(main, 60, entryTop + 7);
        Pause(400);
        found = FindPlacedChild(main, "TUniBitBtn", button);
    }
    return found;
}

std::vector<AnsiString> Lines(const AnsiString& text)
{
    std::vector<AnsiString> lines;
    for (size_t start = 0; start < text.size();) {
        const size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        start = end == AnsiString::npos ? text.size() : end + 1;
    }
    return lines;
}

TEST(Help, WithTheLibrarySearchFailingTheRegisteredControlShowsTheEnglishTopicsForCzech)
{
    TSettingsSandbox settings;
    ForceDirectories(ExtractFilePath(ConfigFileName()));
    ASSERT_TRUE(WriteFileBytes(ConfigFileName(), "[Settings]\r\nLanguage=1029\r\n"));
    const AnsiString scratch = WideToAnsi(MakeScratchFolder(L"helpcontrol"));
    const AnsiString control = scratch + "\\control\\hhctrl_standin.ocx";
    ASSERT_TRUE(ForceDirectories(scratch + "\\control"));
    ASSERT_TRUE(CopyFileA(WindowsPathOfUnix(VARIRUVU_HHCTRL_STANDIN).c_str(), control.c_str(), FALSE));
    const AnsiString calls = control + ".calls";
    {
        THelpControlRegistration registration;
        registration.SetPath("%VARIRUVU_HELP_CONTROL%\\hhctrl_standin.ocx");
        TControlDisabled disabled;
        TEnvironmentVariable folder("VARIRUVU_HELP_CONTROL", scratch + "\\control");
        TProgramRun run(DistFolder() + "variruvu.exe");
        HWND main = WaitForMainWindow(StartTime);
        ASSERT_TRUE(main);
        run.WaitForIdle(StartTime);

        HWND help = ButtonOnPage(main, 85, POINT{292, 344});
        ASSERT_TRUE(help) << "Help on the Files page";
        ClickButton(help);
        HWND licence = ButtonOnPage(main, 227, POINT{16, 144});
        ASSERT_TRUE(licence) << "the licence button on the About page";
        ClickButton(licence);
        EXPECT_TRUE(WaitUntil([&] { return Lines(ReadFileBytes(calls)).size() >= 2; }, 10000));

        PostMessageA(main, WM_CLOSE, 0, 0);
        EXPECT_EQ(run.WaitForExit(StartTime), 0);
    }
    const AnsiString english = DistFolder() + "cvhelp-en.chm";
    EXPECT_EQ(Lines(ReadFileBytes(calls)),
              (std::vector<AnsiString>{"HtmlHelpA|desktop|" + english + "::/cv-add-ff.html|0|0",
                                       "HtmlHelpA|desktop|" + english + "::/cv-agreement.html|0|0",
                                       // released when the program ends
                                       "freed"}));
    RemoveFolderTree(AnsiToWide(scratch));
}

}  // namespace
