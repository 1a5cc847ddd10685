// Not a test: times an erase run of the staged program as a user starts it,
// the folder on the command line and Yes to the confirmation, with the zero
// method. Prints the seconds from the Wiping page to the Finished page.
//   erase_bench FOLDER
#include <cstdio>

#include "classlib/SysUtils.h"
#include "program_driver.h"
#include "tests/support/SettingsSandbox.h"
#include "window_driver.h"

namespace {

constexpr DWORD StartTime = 30000;
constexpr DWORD RunTime = 600000;

double Seconds()
{
    LARGE_INTEGER t, f;
    QueryPerformanceCounter(&t);
    QueryPerformanceFrequency(&f);
    return static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

HWND Sheet(HWND main, const char* caption)
{
    for (HWND sheet : FindChildren(main, "TKitTabSheet"))
        if (WindowText(sheet) == caption)
            return sheet;
    return nullptr;
}

// A look at the window's style sends the program nothing, so looking often costs
// its run nothing. False when the time passes first or a message box of the
// process (0: none is looked for) holds the run.
bool WaitUntilShown(HWND wnd, DWORD boxesOf, DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    for (int i = 1; !IsWindowVisible(wnd); ++i) {
        if (GetTickCount() - start >= milliseconds)
            return false;
        if (boxesOf && i % 100 == 0 && !TopLevelWindows("#32770", boxesOf).empty())
            return false;
        Sleep(1);
    }
    return true;
}

int Fail(const char* what)
{
    std::fprintf(stderr, "erase_bench: %s\n", what);
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return Fail("usage: erase_bench FOLDER");
    TQuietStartSandbox sandbox;
    TProgramRun run(DistFolder() + "variruvu.exe", {"/F", argv[1]});
    HWND main = WaitForMainWindow(StartTime);
    HWND box = main ? WaitForMessageBox(run.ProcessId(), StartTime) : nullptr;
    if (!box)
        return Fail("no confirmation came");
    HWND wiping = Sheet(main, "Wiping out ");
    HWND finished = Sheet(main, "Wiping out completed  ");
    if (!wiping || !finished)
        return Fail("the Wiping and Finished pages were not found");
    ChooseMethod(main, 0);
    Pause(200);  // the choice is taken before the answer
    PressButton(box, IDYES);
    if (!WaitUntilShown(wiping, 0, StartTime))
        return Fail("the run did not start");
    const double start = Seconds();
    if (!WaitUntilShown(finished, run.ProcessId(), RunTime))
        return Fail("the run did not end on the Finished page without a message box");
    std::printf("%.6f\n", Seconds() - start);
    return 0;
}
