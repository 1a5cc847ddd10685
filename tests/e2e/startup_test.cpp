#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>

#include "app/datafolders.h"
#include "app/quonlabel.h"
#include "app/settingsstore.h"
#include "classlib/SysUtils.h"
#include "form_source.h"
#include "program_driver.h"
#include "window_driver.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/SettingsSandbox.h"

namespace {

constexpr DWORD StartTime = 30000;
// The staged program's version, as its version resource gives it.
const char* const ProgramVersionText = "1.0.0.0";

// Every start here goes straight to the main window unless a test asks for the start windows.
class Startup : public ::testing::Test {
protected:
    TQuietStartSandbox settings;
};

TEST_F(Startup, TheMainWindowAppearsWithItsClassTitleAndClientSize)
{
    TProgramRun run(DistFolder() + "variruvu.exe");
    HWND wnd = WaitForWindow("TfrmMain", "QUON Variruvu", StartTime);
    ASSERT_TRUE(wnd);
    RECT client{};
    GetClientRect(wnd, &client);
    EXPECT_EQ(client.right - client.left, 759);
    EXPECT_EQ(client.bottom - client.top, 511);
    const LONG style = GetWindowLongA(wnd, GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
}

TEST_F(Startup, ASecondStartBringsTheFirstWindowToTheFrontAndEnds)
{
    TProgramRun first(DistFolder() + "variruvu.exe");
    HWND wnd = WaitForWindow("TfrmMain", "QUON Variruvu", StartTime);
    ASSERT_TRUE(wnd);
    HWND other = CreateWindowExA(0, "STATIC", "driver", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                 nullptr, nullptr);
    SetForegroundWindow(other);
    ASSERT_NE(GetForegroundWindow(), wnd);

    TProgramRun second(DistFolder() + "variruvu.exe", {"C:\\nothing.txt"});
    EXPECT_EQ(second.WaitForExit(StartTime), 0);
    Pause(300);
    EXPECT_EQ(GetForegroundWindow(), wnd);
    EXPECT_EQ(TopLevelWindows("TfrmMain").size(), 1u);
    DestroyWindow(other);
}

TEST_F(Startup, AMissingCompanionFileWarnsOnceAndEndsWithExitCodeZero)
{
    for (const char* file : {"images\\variruvu.png", "images\\cz.png", "web\\cv-pb-en.exe", "icons\\pspad.ico",
                             "cvhelp-hu.chm"}) {
        TProgramCopy copy;
        ASSERT_TRUE(DeleteFile(copy.Folder() + file)) << file;
        TProgramRun run(copy.Folder() + "variruvu.exe");
        DWORD pid = run.ProcessId();
        HWND box = WaitForMessageBox(pid, StartTime);
        ASSERT_TRUE(box) << file;
        EXPECT_NE(MessageBoxText(box).find("The installation of this Quon Variruvu is detective!"), AnsiString::npos);
        EXPECT_TRUE(TopLevelWindows("TfrmMain", pid).empty());
        PressButton(box, IDOK);
        EXPECT_EQ(run.WaitForExit(StartTime), 0) << file;
        EXPECT_TRUE(TopLevelWindows("#32770", pid).empty());
    }
}

TEST_F(Startup, WithoutTheUkrainianHelpFileTheProgramStarts)
{
    TProgramCopy copy;
    ASSERT_TRUE(DeleteFile(copy.Folder() + "cvhelp-uk.chm"));
    TProgramRun run(copy.Folder() + "variruvu.exe");
    EXPECT_TRUE(WaitForWindow("TfrmMain", "QUON Variruvu", StartTime));
    EXPECT_TRUE(TopLevelWindows("#32770", run.ProcessId()).empty());
}

// An edit control's whole text, asked of its window.
WideString EditText(HWND edit)
{
    WideString text(8192, L'\0');
    const LRESULT length = SendMessageW(edit, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length > 0 ? length : 0));
    return text;
}

// config.ini with only the two start choices.
void WriteStartChoices(bool splash, bool licence)
{
    ForceDirectories(DataFolder());
    ASSERT_TRUE(WriteFileBytes(ConfigFileName(), AnsiString("[LastChoice]\r\nSplash=") + (splash ? "1" : "0") +
                                                     "\r\nLicense=" + (licence ? "1" : "0") + "\r\n"));
}

bool AnyVisible(const char* className, DWORD processId)
{
    const std::vector<HWND> windows = TopLevelWindows(className, processId);
    return std::any_of(windows.begin(), windows.end(), [](HWND wnd) { return IsWindowVisible(wnd) != FALSE; });
}

// Where the splash window's form puts a component, with its size.
RECT SplashPlace(const char* component, int width, int height)
{
    const POINT at = TFormSource(VARIRUVU_FORMS_SOURCE, "splashdlg").Place(component).InParent;
    return RECT{at.x, at.y, at.x + width, at.y + height};
}

// The version label as this process paints the text on the splash window's white.
std::vector<uint32_t> PaintedVersionLabel(const AnsiString& text, int width, int height)
{
    Tquonlabel label(nullptr);
    label.SetAutoSize(false);
    label.SetBounds(0, 0, width, height);
    label.SetForegroundColor(clHighlight);
    label.GetFont()->SetName("Tahoma");
    label.GetFont()->SetHeight(-13);
    label.GetFont()->SetStyle(TFontStyles{fsBold, fsItalic});
    label.SetCaption(text);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    auto* pixels = static_cast<uint32_t*>(bits);
    std::fill(pixels, pixels + width * height, 0xFFFFFFu);
    label.Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    std::vector<uint32_t> painted(pixels, pixels + width * height);
    for (uint32_t& p : painted)
        p &= 0xFFFFFF;
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return painted;
}

// From the start of the program to its main window on screen, in milliseconds.
DWORD TimeToMainWindow(bool splash)
{
    WriteStartChoices(splash, false);
    const DWORD start = GetTickCount();
    TProgramRun run(DistFolder() + "variruvu.exe");
    bool splashSeen = false;
    HWND main = nullptr;
    WaitUntil(
        [&] {
            splashSeen = splashSeen || AnyVisible("TfrmSplash", run.ProcessId());
            main = FindWindowA("TfrmMain", "QUON Variruvu");
            return main && IsWindowVisible(main);
        },
        StartTime);
    const DWORD taken = GetTickCount() - start;
    EXPECT_TRUE(main);
    EXPECT_EQ(splashSeen, splash);
    return taken;
}

TEST_F(Startup, TheSplashWindowShowsTheVersionCentredWithoutBorderAndGoesAfterItsPause)
{
    WriteStartChoices(true, false);
    TProgramRun run(DistFolder() + "variruvu.exe");
    HWND splash = WaitForWindow("TfrmSplash", "QUON Variruvu", StartTime);
    ASSERT_TRUE(splash);
    const DWORD seen = GetTickCount();
    EXPECT_FALSE(FindWindowA("TfrmMain", "QUON Variruvu") &&
                 IsWindowVisible(FindWindowA("TfrmMain", "QUON Variruvu")));

    RECT client{}, frame{};
    GetClientRect(splash, &client);
    GetWindowRect(splash, &frame);
    EXPECT_EQ(client.right, 368);
    EXPECT_EQ(client.bottom, 195);
    EXPECT_EQ(frame.right - frame.left, 368) << "no border";
    EXPECT_EQ(frame.bottom - frame.top, 195) << "no caption";
    EXPECT_FALSE(GetWindowLongA(splash, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME | WS_BORDER | WS_DLGFRAME));
    EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);

    // The version label on screen is this executable's version as a label paints it.
    const RECT label = SplashPlace("lblProgVers", 113, 17);
    const std::vector<uint32_t> expected = PaintedVersionLabel(ProgramVersionText, 113, 17);
    ASSERT_NE(std::count(expected.begin(), expected.end(), 0xFFFFFFu), static_cast<std::ptrdiff_t>(expected.size()));
    // It is painted as it comes up, before the pause.
    EXPECT_TRUE(WaitUntil([&] { return ScreenPixels(splash, label) == expected; }, 3000));

    HWND main = WaitForMainWindow(StartTime);
    ASSERT_TRUE(main);
    EXPECT_GE(GetTickCount() - seen, 4900u) << "the splash window's pause";
    EXPECT_FALSE(AnyVisible("TfrmSplash", run.ProcessId()));
}

// Both starts timed: the splash window's choice alone makes the five seconds.
TEST_F(Startup, WithoutTheSplashWindowThereIsNoSplashAndNoPause)
{
    // The quicker of two starts without, against the start with: the machine's load varies.
    const DWORD without = std::min(TimeToMainWindow(false), TimeToMainWindow(false));
    const DWORD with = TimeToMainWindow(true);
    std::cout << "Start to the main window: " << without << " ms without the splash window, " << with
              << " ms with it.\n";
    EXPECT_GE(with, 5000u);
    EXPECT_GE(with, without + 4000);
}

TEST_F(Startup, TheLicenceViewerShowsModallyWhenChosenAndNextClosesIt)
{
    for (bool licence : {true, false}) {
        SCOPED_TRACE(licence ? "License=1" : "License=0");
        WriteStartChoices(false, licence);
        TProgramRun run(DistFolder() + "variruvu.exe");
        if (licence) {
            HWND viewer = WaitForWindow("Tfrmlicensedlg", "License Agreement", StartTime);
            ASSERT_TRUE(viewer);
            RECT client{};
            GetClientRect(viewer, &client);
            EXPECT_EQ(client.right, 692);
            EXPECT_EQ(client.bottom, 397);
            HWND text = FindChild(viewer, "TUniRichEdit");
            ASSERT_TRUE(text);
            EXPECT_EQ(EditText(text).rfind(L"QUON FILE VARIRUVU - LICENSE AGREEMENT", 0), 0u)
                << WideToAnsi(EditText(text).substr(0, 80));
            // The program waits for the viewer: its main window does not come meanwhile.
            Pause(1500);
            HWND main = FindWindowA("TfrmMain", "QUON Variruvu");
            EXPECT_FALSE(main && IsWindowVisible(main));
            EXPECT_TRUE(IsWindowVisible(viewer));
            ASSERT_TRUE(PassLicenceViewer(StartTime));
        }
        ASSERT_TRUE(WaitForMainWindow(StartTime));
        Pause(500);
        EXPECT_FALSE(AnyVisible("Tfrmlicensedlg", run.ProcessId()));
    }
}

TEST_F(Startup, AMissingConfigFileShowsTheSplashWindowAndThenTheLicenceViewer)
{
    TSettingsSandbox::Wipe();
    TProgramRun run(DistFolder() + "variruvu.exe");
    HWND splash = WaitForWindow("TfrmSplash", "QUON Variruvu", StartTime);
    EXPECT_TRUE(splash);
    ASSERT_TRUE(PassLicenceViewer(StartTime + 5000));
    EXPECT_FALSE(AnyVisible("TfrmSplash", run.ProcessId()));
    EXPECT_TRUE(WaitForMainWindow(StartTime));
}

}  // namespace
