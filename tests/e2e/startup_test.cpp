#include <gtest/gtest.h>

#include "classlib/SysUtils.h"
#include "program_driver.h"

namespace {

constexpr DWORD StartTime = 30000;

TEST(Startup, TheMainWindowAppearsWithItsClassTitleAndClientSize)
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

TEST(Startup, ASecondStartBringsTheFirstWindowToTheFrontAndEnds)
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

TEST(Startup, AMissingCompanionFileWarnsOnceAndEndsWithExitCodeZero)
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

TEST(Startup, WithoutTheUkrainianHelpFileTheProgramStarts)
{
    TProgramCopy copy;
    ASSERT_TRUE(DeleteFile(copy.Folder() + "cvhelp-uk.chm"));
    TProgramRun run(copy.Folder() + "variruvu.exe");
    EXPECT_TRUE(WaitForWindow("TfrmMain", "QUON Variruvu", StartTime));
    EXPECT_TRUE(TopLevelWindows("#32770", run.ProcessId()).empty());
}

}  // namespace
