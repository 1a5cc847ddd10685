// The help unit with the platform's HTML Help control, and the main window's
// three help buttons: which file and topic they ask for, in which language,
// and what they do when a help file or the control is missing.
#include <gtest/gtest.h>

#include <memory>

#include "app/erasedlg.h"
#include "app/help.h"
#include "app/programfolder.h"
#include "classlib/Registry.h"
#include "classlib/SysUtils.h"
#include "lang/LangManager.h"
#include "tests/support/BoxAnswerer.h"
#include "tests/support/HelpControlRegistration.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/UnixSide.h"

namespace {

AnsiString Text(const char* constant)
{
    return WideToAnsi(GetLangConstant(constant));
}

AnsiString SystemFolderControl()
{
    char folder[MAX_PATH] = {};
    GetSystemDirectoryA(folder, MAX_PATH);
    return AnsiString(folder) + "\\hhctrl.ocx";
}

TEST(HelpUnit, TheControlPathIsTheRegisteredFileWithItsVariablesExpandedOrTheSystemFoldersControl)
{
    const AnsiString scratch = WideToAnsi(MakeScratchFolder(L"helppath"));
    ASSERT_TRUE(WriteFileBytes(scratch + "\\registered.ocx", "MZ"));
    ASSERT_TRUE(SetEnvironmentVariableA("VARIRUVU_HELP_FOLDER", scratch.c_str()));
    const AnsiString system = SystemFolderControl();
    const DWORD number = 7;
    struct TCase {
        const char* Name;
        DWORD Type;
        AnsiString Bytes;  // REG_NONE: the key is removed
        AnsiString Expected;
    };
    auto path = [](const AnsiString& text) { return AnsiString(text.c_str(), text.size() + 1); };
    const TCase cases[] = {
        {"a variable in the path", REG_SZ, path("%VARIRUVU_HELP_FOLDER%\\registered.ocx"), scratch + "\\registered.ocx"},
        {"an expandable string", REG_EXPAND_SZ, path("%VARIRUVU_HELP_FOLDER%\\registered.ocx"),
         scratch + "\\registered.ocx"},
        {"no such file", REG_SZ, path(scratch + "\\missing.ocx"), system},
        {"an unknown variable", REG_SZ, path("%VARIRUVU_NO_SUCH_FOLDER%\\registered.ocx"), system},
        {"an empty path", REG_SZ, path(""), system},
        {"a number, no text", REG_DWORD, AnsiString(reinterpret_cast<const char*>(&number), sizeof(number)), system},
        {"no registration", REG_NONE, AnsiString(), system},
    };
    {
        THelpControlRegistration registration;
        for (const TCase& c : cases) {
            if (c.Type == REG_NONE)
                registration.Remove();
            else
                registration.Set(c.Type, c.Bytes);
            EXPECT_EQ(UpperCase(FindHtmlHelpPath()), UpperCase(c.Expected)) << c.Name;
        }
    }
    SetEnvironmentVariableA("VARIRUVU_HELP_FOLDER", nullptr);
    RemoveFolderTree(AnsiToWide(scratch));
}

TEST(HelpUnit, TheControlLoadedAtStartIsFreedOnceAndLoadedAgainOnce)
{
    ASSERT_TRUE(HtmlHelpModule) << "loaded when the unit started";
    EXPECT_EQ(reinterpret_cast<void*>(HtmlHelpA), reinterpret_cast<void*>(GetProcAddress(HtmlHelpModule, "HtmlHelpA")));
    EXPECT_EQ(reinterpret_cast<void*>(HtmlHelpW), reinterpret_cast<void*>(GetProcAddress(HtmlHelpModule, "HtmlHelpW")));
    EXPECT_TRUE(HtmlHelpA && HtmlHelpW);

    UnloadHtmlHelp();
    EXPECT_FALSE(HtmlHelpModule || HtmlHelpA || HtmlHelpW);
    EXPECT_FALSE(GetModuleHandleA("hhctrl.ocx")) << "the library is still loaded";
    UnloadHtmlHelp();

    LoadHtmlHelp();
    const HMODULE loaded = HtmlHelpModule;
    LoadHtmlHelp();
    EXPECT_EQ(HtmlHelpModule, loaded);
    ASSERT_TRUE(HtmlHelpA && HtmlHelpW);
    // A second load while loaded takes no second reference: one release frees the library.
    UnloadHtmlHelp();
    EXPECT_FALSE(GetModuleHandleA("hhctrl.ocx"));
    LoadHtmlHelp();
    EXPECT_TRUE(HtmlHelpModule && HtmlHelpA && HtmlHelpW);
}

// The control's topic calls, recorded instead of shown.
struct THelpCall {
    HWND Caller;
    AnsiString File;
    UINT Command;
    DWORD_PTR Data;
    bool operator==(const THelpCall&) const = default;
};
std::vector<THelpCall> HelpCalls;

HWND WINAPI RecordHelpCall(HWND caller, LPCSTR file, UINT command, DWORD_PTR data)
{
    HelpCalls.push_back({caller, file, command, data});
    return nullptr;
}

void PrintTo(const THelpCall& call, std::ostream* os)
{
    *os << "{" << call.Caller << ", " << call.File << ", " << call.Command << ", " << call.Data << "}";
}

// The shell's "open" of a help file starts a recorder of ours in the viewer's place,
// which notes its command line and the window state it was given.
class TShellOpenRecorder {
public:
    explicit TShellOpenRecorder(const AnsiString& folder) : FRegistry(KEY_ALL_ACCESS)
    {
        FRecorder = folder + "open_recorder.exe";
        CopyFileA(WindowsPathOfUnix(VARIRUVU_OPEN_RECORDER).c_str(), FRecorder.c_str(), FALSE);
        FRegistry.SetRootKey(HKEY_CLASSES_ROOT);
        FRegistry.OpenKey("\\.chm", true);
        FSaved = FRegistry.ReadString("");
        FRegistry.WriteString("", "VariruvuTestHelpViewer");
        FRegistry.OpenKey("\\VariruvuTestHelpViewer\\shell\\open\\command", true);
        FRegistry.WriteString("", "\"" + FRecorder + "\" \"%1\"");
    }
    ~TShellOpenRecorder()
    {
        FRegistry.OpenKey("\\.chm", true);
        FRegistry.WriteString("", FSaved);
        FRegistry.DeleteKey("\\VariruvuTestHelpViewer");
    }
    void Clear() { DeleteFileA(Record().c_str()); }
    // What the recorder noted, once it ran; empty when it did not run within `milliseconds`.
    AnsiString WaitForRecord(DWORD milliseconds) const
    {
        for (DWORD waited = 0; waited < milliseconds; waited += 50) {
            const AnsiString text = ReadFileBytes(Record());
            if (!text.empty() && text.back() == '\n')
                return text;
            Sleep(50);
        }
        return ReadFileBytes(Record());
    }

private:
    AnsiString Record() const { return FRecorder + ".txt"; }

    TRegistry FRegistry;
    AnsiString FSaved;
    AnsiString FRecorder;
};

// A help file moved out of the program folder while the object lives.
class TFileAside {
public:
    explicit TFileAside(const AnsiString& file) : FFile(file) { MoveFileA(FFile.c_str(), (FFile + ".aside").c_str()); }
    ~TFileAside() { MoveFileA((FFile + ".aside").c_str(), FFile.c_str()); }

private:
    AnsiString FFile;
};

const char* const LanguageNames[] = {"English", "Czech", "German", "Hungarian", "Ukrainian"};

class HelpButtons : public ::testing::Test {
protected:
    void SetUp() override
    {
        scratch = IncludeTrailingPathDelimiter(WideToAnsi(MakeScratchFolder(L"helpbuttons")));
        form = std::make_unique<TfrmMain>(nullptr);
        form->StartPath.clear();
        form->Show();
        Application->ProcessMessages();
        folder = ProgramFolder();
        shell = std::make_unique<TShellOpenRecorder>(scratch);
    }
    void TearDown() override
    {
        shell.reset();
        form.reset();
        Application->ProcessMessages();
        RemoveFolderTree(AnsiToWide(ExcludeTrailingPathDelimiter(scratch)));
    }

    // Only the index counts: this folder has no language files, so other entries stand in up to it.
    void SelectLanguage(int index)
    {
        TUniStrings* items = form->cbLanguage->GetItems();
        while (items->GetCount() <= index)
            items->Add(L"Language " + AnsiToWide(IntToStr(items->GetCount())));
        form->cbLanguage->SetItemIndex(index);
        ASSERT_EQ(form->cbLanguage->GetItemIndex(), index);
    }
    // The three buttons' clicks, each with the boxes it shows.
    std::vector<std::vector<AnsiString>> ClickEach()
    {
        std::vector<std::vector<AnsiString>> boxes;
        for (void (TfrmMain::*click)(TObject*) :
             {&TfrmMain::btnHelpMainClick, &TfrmMain::btnlicenseClick, &TfrmMain::btnbighelpClick}) {
            TBoxAnswerer answerer([](const AnsiString&) { return IDOK; }, GetCurrentProcessId());
            (form.get()->*click)(form.get());
            boxes.push_back(answerer.Texts());
        }
        return boxes;
    }

    AnsiString scratch;
    AnsiString folder;
    std::unique_ptr<TfrmMain> form;
    std::unique_ptr<TShellOpenRecorder> shell;
};

// The topic calls go to the recorder for the time of a test.
class RecordedHelpButtons : public HelpButtons {
protected:
    void SetUp() override
    {
        HelpButtons::SetUp();
        saved = HtmlHelpA;
        HtmlHelpA = RecordHelpCall;
        HelpCalls.clear();
    }
    void TearDown() override
    {
        HtmlHelpA = saved;
        HelpButtons::TearDown();
    }

    THtmlHelpA saved = nullptr;
};

struct TLanguageCase {
    int Index;
    const char* File;  // null: nothing is opened
};
const TLanguageCase LanguageCases[] = {
    {0, "cvhelp-en.chm"}, {1, "cvhelp-en.chm"}, {2, "cvhelp-de.chm"}, {3, "cvhelp-hu.chm"},
    {4, "cvhelp-uk.chm"}, {5, nullptr},         {-1, nullptr},
};

TEST_F(RecordedHelpButtons, TheTopicButtonsAskTheControlForTheLanguagesFileOwnedByTheDesktop)
{
    for (const TLanguageCase& c : LanguageCases) {
        SelectLanguage(c.Index);
        HelpCalls.clear();
        // The folder is found afresh, whatever it was set to before.
        ExeDir = "C:\\elsewhere\\";
        const auto boxes = ClickEach();
        EXPECT_EQ(boxes, std::vector<std::vector<AnsiString>>(3)) << c.Index;
        EXPECT_EQ(ExeDir, folder);
        std::vector<THelpCall> expected;
        if (c.File)
            expected = {{GetDesktopWindow(), folder + c.File + "::/cv-add-ff.html", HH_DISPLAY_TOPIC, 0},
                        {GetDesktopWindow(), folder + c.File + "::/cv-agreement.html", HH_DISPLAY_TOPIC, 0}};
        EXPECT_EQ(HelpCalls, expected) << "language " << c.Index;
        const AnsiString record = shell->WaitForRecord(c.File ? 10000 : 1500);
        if (c.File)
            EXPECT_EQ(record, "\"" + scratch + "open_recorder.exe\" \"" + folder + c.File + "\"\nshow=" +
                                  IntToStr(SW_SHOWMAXIMIZED) + "\n")
                << "language " << c.Index;
        else
            EXPECT_EQ(record, "") << "language " << c.Index;
        shell->Clear();
    }
}

TEST_F(RecordedHelpButtons, AMissingHelpFileIsReportedOnceByEveryButtonAndNothingOpens)
{
    const std::vector<AnsiString> notAvailable = {Text("sHelpnotavailable")};
    const std::vector<std::vector<AnsiString>> everyButton(3, notAvailable);
    {
        // The file only Ukrainian opens, and the start-up check does not ask for.
        TFileAside aside(folder + "cvhelp-uk.chm");
        for (int language = 0; language < 5; ++language) {
            SelectLanguage(language);
            EXPECT_EQ(ClickEach(), everyButton) << LanguageNames[language];
        }
    }
    {
        // Two missing: still one box.
        TFileAside english(folder + "cvhelp-en.chm");
        TFileAside hungarian(folder + "cvhelp-hu.chm");
        SelectLanguage(2);
        EXPECT_EQ(ClickEach(), everyButton);
    }
    EXPECT_TRUE(HelpCalls.empty());
    EXPECT_EQ(shell->WaitForRecord(1500), "");
}

TEST_F(HelpButtons, WithoutTheControlTheTopicButtonsTellHelpIsNotAvailableAndTheHelpPageStillOpensTheFile)
{
    UnloadHtmlHelp();
    SelectLanguage(1);
    const std::vector<AnsiString> notAvailable = {Text("sHelpnotavailable")};
    EXPECT_EQ(ClickEach(), (std::vector<std::vector<AnsiString>>{notAvailable, notAvailable, {}}));
    EXPECT_EQ(shell->WaitForRecord(10000), "\"" + scratch + "open_recorder.exe\" \"" + folder +
                                               "cvhelp-en.chm\"\nshow=" + IntToStr(SW_SHOWMAXIMIZED) + "\n");
    LoadHtmlHelp();
    ASSERT_TRUE(HtmlHelpA);
}

// The visible top-level windows of this process with that title.
std::vector<HWND> OwnWindowsTitled(const WideString& title)
{
    struct TSearch {
        WideString Title;
        std::vector<HWND> Found;
    } search{title, {}};
    EnumWindows(
        [](HWND wnd, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<TSearch*>(param);
            DWORD pid = 0;
            GetWindowThreadProcessId(wnd, &pid);
            wchar_t text[256] = {};
            GetWindowTextW(wnd, text, 256);
            if (pid == GetCurrentProcessId() && IsWindowVisible(wnd) && s->Title == text)
                s->Found.push_back(wnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

TEST_F(HelpButtons, WithCzechTheControlShowsTheEnglishHelpFilesWindowOnTheDesktop)
{
    ASSERT_TRUE(HtmlHelpA);
    SelectLanguage(1);
    form->btnHelpMainClick(form.get());
    Application->ProcessMessages();
    const std::vector<HWND> windows = OwnWindowsTitled(L"QUON Variruvu Help");
    ASSERT_EQ(windows.size(), 1u) << "the English help file's title";
    EXPECT_FALSE(GetWindow(windows[0], GW_OWNER)) << "tied to the main window";
    EXPECT_EQ(GetParent(windows[0]), nullptr);
    DestroyWindow(windows[0]);
    Application->ProcessMessages();
}

}  // namespace
