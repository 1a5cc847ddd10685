#include <gtest/gtest.h>

#include <string>

#include "classlib/SysUtils.h"
#include "classlib/SysUtilsVersion.h"
#include "components/KitLabel.h"
#include "kit_form_fixture.h"

namespace {

// The recorder as this prefix sees it: the build folder lies on drive Z.
AnsiString RecorderPath()
{
    AnsiString path = "Z:";
    path += URL_RECORDER_PATH;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

AnsiString ReadFileText(const AnsiString& name)
{
    HANDLE file = CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "";
    char buffer[4096];
    DWORD read = 0;
    ReadFile(file, buffer, sizeof(buffer), &read, nullptr);
    CloseHandle(file);
    return AnsiString(buffer, read);
}

// The shell's open commands of http, https and mailto lead to the recorder
// while a test runs (in the user's classes, which stand above the machine's),
// so no browser or mail program starts.
class KitURLLabelTest : public KitFormTest {
protected:
    static constexpr const char* Schemes[] = {"http", "https", "mailto"};

    void SetUp() override
    {
        KitFormTest::SetUp();
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        record = AnsiString(temp) + "kit_url_record.txt";
        DeleteFileA(record.c_str());
        SetEnvironmentVariableA("VARIRUVU_URL_RECORD", record.c_str());
        AnsiString command = "\"";
        command += RecorderPath();
        command += "\" %1";
        for (const char* scheme : Schemes) {
            AnsiString key = "Software\\Classes\\";
            key += scheme;
            HKEY k;
            ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (key + "\\shell\\open\\command").c_str(), 0, nullptr, 0,
                                      KEY_ALL_ACCESS, nullptr, &k, nullptr),
                      ERROR_SUCCESS);
            RegSetValueExA(k, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                           static_cast<DWORD>(command.size() + 1));
            RegCloseKey(k);
            HKEY s;
            RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &s, nullptr);
            RegSetValueExA(s, "URL Protocol", 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);
            RegCloseKey(s);
        }
    }
    void TearDown() override
    {
        for (const char* scheme : Schemes)
            RegDeleteTreeA(HKEY_CURRENT_USER, (AnsiString("Software\\Classes\\").append(scheme)).c_str());
        SetEnvironmentVariableA("VARIRUVU_URL_RECORD", nullptr);
        // The recorder may still hold the file for a moment.
        for (int i = 0; i < 50 && FileExists(record) && !DeleteFileA(record.c_str()); ++i)
            Sleep(20);
        KitFormTest::TearDown();
    }
    // The recorded lines once `count` are there (or what there is after 10 s).
    AnsiString Recorded(int count)
    {
        DWORD deadline = GetTickCount() + 10000;
        AnsiString text;
        while (GetTickCount() < deadline) {
            text = ReadFileText(record);
            if (static_cast<int>(std::count(text.begin(), text.end(), '\n')) >= count)
                break;
            Sleep(20);
        }
        return text;
    }
    // Nothing is recorded within a while.
    bool NothingRecorded()
    {
        Sleep(1500);
        return !FileExists(record);
    }
    TKitURLLabel* AddURLLabel(const AnsiString& caption, const AnsiString& url)
    {
        TKitURLLabel* label = Add<TKitURLLabel>(10, 10, 200, 20);
        label->SetCaption(caption);
        label->SetURL(url);
        return label;
    }

    AnsiString record;
};

TEST_F(KitURLLabelTest, DISABLED_ClickOpensTheURLThroughTheShellAndMarksTheLabelVisited)
{
    TKitURLLabel* label = AddURLLabel("Our page", "http://www.example.com/kit?a=1");
    EXPECT_EQ(label->GetFont()->GetColor(), clHighlight);
    EXPECT_TRUE(label->GetFont()->GetStyle().Contains(fsUnderline));
    label->Click();
    EXPECT_EQ(Recorded(1), "http://www.example.com/kit?a=1\r\n");
    EXPECT_TRUE(label->GetVisited());
    EXPECT_EQ(label->GetFont()->GetColor(), static_cast<TColor>(RGB(128, 0, 128)));
    EXPECT_EQ(label->GetCurrentColor(), static_cast<TColor>(RGB(128, 0, 128)));
    label->SetVisited(false);
    EXPECT_EQ(label->GetFont()->GetColor(), clHighlight);
}

TEST_F(KitURLLabelTest, DISABLED_ABlankURLOpensTheCaptionAndABlankCaptionNothing)
{
    TKitURLLabel* label = AddURLLabel("mailto:someone@example.com", "   ");
    label->Click();
    EXPECT_EQ(Recorded(1), "mailto:someone@example.com\r\n");
    EXPECT_TRUE(label->GetVisited());

    TKitURLLabel* blank = AddURLLabel(" ", "");
    blank->Click();
    EXPECT_FALSE(blank->GetVisited());
    EXPECT_EQ(Recorded(2), "mailto:someone@example.com\r\n");
}

// The shell hands back the process of the program it started; the label must not keep it.
TEST_F(KitURLLabelTest, DISABLED_TheStartedProgramsProcessHandleIsClosed)
{
    TKitURLLabel* label = AddURLLabel("x", "https://www.example.com/");
    label->Click();  // the first start may open handles of the shell's own for good
    ASSERT_FALSE(Recorded(1).empty());
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
    ASSERT_TRUE(CopyFileA(RecorderPath().c_str(), runDll.c_str(), FALSE));

    TKitURLLabel* html = AddURLLabel("x", "C:\\no such folder\\page.html");
    html->Click();
    EXPECT_FALSE(html->GetVisited());
    EXPECT_TRUE(NothingRecorded());

    TKitURLLabel* htm = AddURLLabel("x", "C:\\no such folder\\PAGE.HTM");
    htm->Click();
    EXPECT_FALSE(htm->GetVisited());
    EXPECT_EQ(Recorded(1), "Shell32.dll,OpenAs_RunDLL *.htm\r\n");

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
