#include <gtest/gtest.h>

#include <vector>

#include "classlib/SysUtils.h"
#include "classlib/SysUtilsVersion.h"
#include "components/KitLabel.h"
#include "kit_form_fixture.h"
#include "tests/support/UnixSide.h"
#include "tests/support/UrlRecorder.h"

namespace {

// The shell's open commands of http, https and mailto lead to the recorder
// while a test runs, so no browser or mail program starts.
class KitURLLabelTest : public KitFormTest {
protected:
    // What the recorder wrote once `count` links are there (or after 10 s).
    std::vector<AnsiString> Recorded(size_t count) { return recorder.WaitForLinks(count, 10000); }
    // Nothing is recorded within a while.
    bool NothingRecorded()
    {
        Sleep(1500);
        return recorder.Links().empty();
    }
    TKitURLLabel* AddURLLabel(const AnsiString& caption, const AnsiString& url)
    {
        TKitURLLabel* label = Add<TKitURLLabel>(10, 10, 200, 20);
        label->SetCaption(caption);
        label->SetURL(url);
        return label;
    }

    TUrlRecorder recorder;
};

TEST_F(KitURLLabelTest, ClickOpensTheURLThroughTheShellAndMarksTheLabelVisited)
{
    TKitURLLabel* label = AddURLLabel("Our page", "http://www.example.com/kit?a=1");
    EXPECT_EQ(label->GetFont()->GetColor(), clHighlight);
    EXPECT_TRUE(label->GetFont()->GetStyle().Contains(fsUnderline));
    label->Click();
    EXPECT_EQ(Recorded(1), std::vector<AnsiString>{"http://www.example.com/kit?a=1"});
    EXPECT_TRUE(label->GetVisited());
    EXPECT_EQ(label->GetFont()->GetColor(), static_cast<TColor>(RGB(128, 0, 128)));
    EXPECT_EQ(label->GetCurrentColor(), static_cast<TColor>(RGB(128, 0, 128)));
    label->SetVisited(false);
    EXPECT_EQ(label->GetFont()->GetColor(), clHighlight);
}

TEST_F(KitURLLabelTest, ABlankURLOpensTheCaptionAndABlankCaptionNothing)
{
    TKitURLLabel* label = AddURLLabel("mailto:someone@example.com", "   ");
    label->Click();
    EXPECT_EQ(Recorded(1), std::vector<AnsiString>{"mailto:someone@example.com"});
    EXPECT_TRUE(label->GetVisited());

    TKitURLLabel* blank = AddURLLabel(" ", "");
    blank->Click();
    EXPECT_FALSE(blank->GetVisited());
    Sleep(1500);  // time enough for a wrongly started recorder to write
    EXPECT_EQ(recorder.Links(), std::vector<AnsiString>{"mailto:someone@example.com"});
}

// The shell hands back the process of the program it started; the label must not keep it.
TEST_F(KitURLLabelTest, TheStartedProgramsProcessHandleIsClosed)
{
    TKitURLLabel* label = AddURLLabel("x", "https://www.example.com/");
    label->Click();  // the first start may open handles of the shell's own for good
    ASSERT_EQ(Recorded(1).size(), 1u);
    DWORD before = 0, after = 0;
    ASSERT_TRUE(GetProcessHandleCount(GetCurrentProcess(), &before));
    for (int i = 0; i < 8; ++i)
        label->Click();
    Recorded(9);
    ASSERT_TRUE(GetProcessHandleCount(GetCurrentProcess(), &after));
    EXPECT_LT(after, before + 4) << before << " handles before, " << after << " after";
}

// A failed open of an .htm target offers the open-with dialog, through RunDLL32 as
// WinExec finds it first in the program's folder: here a copy of the recorder.
TEST_F(KitURLLabelTest, AFailedOpenOffersOpenWithOnlyForHtmTargets)
{
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    AnsiString runDll = ExtractFilePath(exe) + "RunDLL32.exe";
    ASSERT_TRUE(CopyFileA(WindowsPathOfUnix(URL_RECORDER_PATH).c_str(), runDll.c_str(), FALSE));

    TKitURLLabel* html = AddURLLabel("x", "C:\\no such folder\\page.html");
    html->Click();
    EXPECT_FALSE(html->GetVisited());
    EXPECT_TRUE(NothingRecorded());

    TKitURLLabel* htm = AddURLLabel("x", "C:\\no such folder\\PAGE.HTM");
    htm->Click();
    EXPECT_FALSE(htm->GetVisited());
    // The recorder writes each argument on a line of its own.
    EXPECT_EQ(Recorded(2), (std::vector<AnsiString>{"Shell32.dll,OpenAs_RunDLL", "*.htm"}));

    for (int i = 0; i < 50 && !DeleteFileA(runDll.c_str()); ++i)
        Sleep(20);
    EXPECT_FALSE(FileExists(runDll));
}

// Our hand cursor stands in only on systems that have none; either way the
// label shows the cursor registered at crKitHand.
TEST_F(KitURLLabelTest, TheCursorIsTheSystemHandOrOursOnOldSystems)
{
    TKitURLLabel* label = AddURLLabel("x", "");
    EXPECT_EQ(label->GetCursor(), crKitHand);
    EXPECT_EQ(Screen->GetCursors(crKitHand), LoadCursorA(nullptr, IDC_HAND));

    HCURSOR ours = LoadCursorA(GetModuleHandleA(nullptr), "KITCOMMON_HANDCURSOR");
    ASSERT_NE(ours, nullptr);
    int saved[3] = {Win32Platform, Win32MajorVersion, Win32MinorVersion};
    Win32Platform = VER_PLATFORM_WIN32_NT;
    Win32MajorVersion = 4;
    Win32MinorVersion = 0;
    AddURLLabel("y", "");
    Win32Platform = saved[0];
    Win32MajorVersion = saved[1];
    Win32MinorVersion = saved[2];
    EXPECT_EQ(Screen->GetCursors(crKitHand), ours);
    Screen->SetCursors(crKitHand, LoadCursorA(nullptr, IDC_HAND));
}

}  // namespace
