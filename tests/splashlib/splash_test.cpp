#include "BuiltFiles.h"
#include "LumisplashLibrary.h"
#include "ScratchFolder.h"
#include "SplashRun.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>

namespace {

constexpr uint32_t SplashNotShown = 1;

class SplashTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Dll = std::make_unique<LumisplashLibrary>(StagedDllPath()); }
    static void TearDownTestSuite() { Dll.reset(); }
    void SetUp() override { ASSERT_TRUE(Dll->IsBound()) << Dll->GetError(); }

    std::string Image(int width, int height)
    {
        const std::string path = Scratch.File("splash.png");
        WriteSplashImage(path, width, height);
        return path;
    }

    static RECT WorkAreaOf(HWND window)
    {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
        return monitor.rcWork;
    }

    static std::unique_ptr<LumisplashLibrary> Dll;
    ScratchFolder Scratch;
};

std::unique_ptr<LumisplashLibrary> SplashTest::Dll;

void SendMouse(DWORD flags, LONG dx = 0, LONG dy = 0)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.dx = dx;
    input.mi.dy = dy;
    SendInput(1, &input, sizeof(INPUT));
    Sleep(50);
}

void ClickRightAt(POINT point)
{
    SetCursorPos(point.x, point.y);
    SendMouse(MOUSEEVENTF_RIGHTDOWN);
    SendMouse(MOUSEEVENTF_RIGHTUP);
}

// Absolute moves, so that no pointer acceleration changes the distance.
void MoveMouseTo(LONG x, LONG y)
{
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE,
              (x * 65536 + 32768) / GetSystemMetrics(SM_CXSCREEN),
              (y * 65536 + 32768) / GetSystemMetrics(SM_CYSCREEN));
}

void DragLeftFrom(POINT point, LONG dx, LONG dy)
{
    SetCursorPos(point.x, point.y);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    for (LONG step = 1; step <= 4; ++step)
        MoveMouseTo(point.x + dx * step / 4, point.y + dy * step / 4);
    SendMouse(MOUSEEVENTF_LEFTUP);
}

POINT CentreOf(HWND window)
{
    RECT bounds;
    GetWindowRect(window, &bounds);
    return POINT{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
}

TEST_F(SplashTest, ShowsTheImageAsATopmostLayeredToolWindowCentredOnTheWorkArea)
{
    SplashRun run(*Dll, Image(120, 80).c_str(), 500);
    HWND splash = run.WaitForWindow();
    ASSERT_NE(splash, nullptr);

    const LONG exStyle = GetWindowLongA(splash, GWL_EXSTYLE);
    EXPECT_EQ(exStyle & (WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST),
              WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST);
    EXPECT_EQ(GetWindowLongA(splash, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0);
    EXPECT_EQ(GetParent(splash), nullptr);

    RECT bounds, client;
    GetWindowRect(splash, &bounds);
    GetClientRect(splash, &client);
    EXPECT_EQ(bounds.right - bounds.left, 120);
    EXPECT_EQ(bounds.bottom - bounds.top, 80);
    EXPECT_EQ(client.right, 120);
    EXPECT_EQ(client.bottom, 80);

    const RECT work = WorkAreaOf(splash);
    EXPECT_LE(std::abs((bounds.left + bounds.right) - (work.left + work.right)), 2);
    EXPECT_LE(std::abs((bounds.top + bounds.bottom) - (work.top + work.bottom)), 2);

    const DWORD shownMs = run.WaitUntilHidden(splash);
    EXPECT_GE(shownMs, 400u);
    EXPECT_LE(shownMs, 2000u);
    ASSERT_TRUE(run.WaitForReturn(10000));
    EXPECT_EQ(run.GetResult(), 0u);
    EXPECT_GE(run.GetElapsedMs(), 450u);
    EXPECT_FALSE(IsWindow(splash));
}

TEST_F(SplashTest, AnImageLargerThanTheWorkAreaKeepsToItsTopLeftCorner)
{
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SplashRun run(*Dll, Image(screen.right + 60, screen.bottom + 40).c_str(), 300);
    HWND splash = run.WaitForWindow();
    ASSERT_NE(splash, nullptr);
    RECT bounds;
    GetWindowRect(splash, &bounds);
    const RECT work = WorkAreaOf(splash);
    EXPECT_EQ(bounds.left, work.left);
    EXPECT_EQ(bounds.top, work.top);
    EXPECT_EQ(bounds.right - bounds.left, screen.right + 60);
    ASSERT_TRUE(run.WaitForReturn(5000));
    EXPECT_EQ(run.GetResult(), 0u);
}

TEST_F(SplashTest, ARightClickClosesTheSplashAtOnce)
{
    SplashRun run(*Dll, Image(200, 120).c_str(), 20000);
    HWND splash = run.WaitForWindow();
    ASSERT_NE(splash, nullptr);
    Sleep(100);
    ClickRightAt(CentreOf(splash));
    ASSERT_TRUE(run.WaitForReturn(5000)) << "the splash stayed after a right click";
    EXPECT_EQ(run.GetResult(), 0u);
    EXPECT_FALSE(run.GetLeftQuitMessage());
    EXPECT_FALSE(IsWindow(splash));
}

TEST_F(SplashTest, DraggingWithTheLeftButtonMovesTheSplashWhichStillClosesInTime)
{
    SplashRun run(*Dll, Image(200, 120).c_str(), 2500);
    HWND splash = run.WaitForWindow();
    ASSERT_NE(splash, nullptr);
    Sleep(100);
    RECT before, after;
    GetWindowRect(splash, &before);
    DragLeftFrom(CentreOf(splash), 40, 24);
    GetWindowRect(splash, &after);
    EXPECT_EQ(after.left - before.left, 40);
    EXPECT_EQ(after.top - before.top, 24);
    EXPECT_LT(run.WaitUntilHidden(splash), 4000u);
    ASSERT_TRUE(run.WaitForReturn(10000));
    EXPECT_EQ(run.GetResult(), 0u);
}

TEST_F(SplashTest, HidingTheSplashDoesNotRestartItsTime)
{
    SplashRun run(*Dll, Image(100, 100).c_str(), 2500);
    HWND splash = run.WaitForWindow();
    ASSERT_NE(splash, nullptr);
    Sleep(2000);
    // What a hide tells the window, without the hide itself, which would end the visibility.
    SendMessageA(splash, WM_SHOWWINDOW, FALSE, 0);
    EXPECT_LT(run.WaitUntilHidden(splash), 3500u) << "the hide notice started the display time anew";
    ASSERT_TRUE(run.WaitForReturn(10000));
    EXPECT_EQ(run.GetResult(), 0u);
}

TEST_F(SplashTest, ReturnsAtOnceWhenThereIsNothingToShowOrToWaitFor)
{
    const std::string notAnImage = Scratch.File("not-an-image.png");
    std::ofstream(notAnImage) << "no picture in here";
    const std::string picture = Image(64, 64);
    // A shown window, even for no time, takes Wine under a bare X server up
    // to two seconds to close.
    struct Case {
        const char* What;
        const char* Path;
        uint32_t DisplayMs;
        uint32_t Result;
        DWORD ReturnsWithinMs;
    } cases[] = {
        {"a missing file", "Z:\\no\\such\\folder\\splash.png", 20000, SplashNotShown, 1000},
        {"no path at all", nullptr, 20000, SplashNotShown, 1000},
        {"a file that is no image", notAnImage.c_str(), 20000, SplashNotShown, 1000},
        {"a display time of 0", picture.c_str(), 0, 0, 5000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        SplashRun run(*Dll, c.Path, c.DisplayMs);
        ASSERT_TRUE(run.WaitForReturn(c.ReturnsWithinMs));
        EXPECT_EQ(run.GetResult(), c.Result);
        EXPECT_FALSE(run.GetLeftQuitMessage());
    }
}

TEST_F(SplashTest, RepeatedCallsEachShowTheSplashAndLetGoOfTheImageFile)
{
    for (int call = 1; call <= 3; ++call) {
        SCOPED_TRACE("call " + std::to_string(call));
        const std::string path = Image(90 + call, 60);
        SplashRun run(*Dll, path.c_str(), 200);
        HWND splash = run.WaitForWindow();
        ASSERT_NE(splash, nullptr);
        RECT bounds;
        GetWindowRect(splash, &bounds);
        EXPECT_EQ(bounds.right - bounds.left, 90 + call);
        ASSERT_TRUE(run.WaitForReturn(5000));
        EXPECT_EQ(run.GetResult(), 0u);
        EXPECT_TRUE(DeleteFileA(path.c_str())) << "the image file is still held, error "
                                               << GetLastError();
    }
}

}
