#include "program_driver.h"

#include "classlib/SysUtils.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestTree.h"
#include "tests/support/UnixSide.h"

AnsiString DistFolder()
{
    return WindowsPathOfUnix(VARIRUVU_DIST_PATH) + "\\";
}

TProgramCopy::TProgramCopy(const WideString& tag)
{
    FFolder = IncludeTrailingPathDelimiter(WideToAnsi(MakeScratchFolder(tag)));
    CopyFolderTree(DistFolder(), FFolder);
}

TProgramCopy::~TProgramCopy()
{
    RemoveFolderTree(AnsiToWide(ExcludeTrailingPathDelimiter(FFolder)));
}

TProgramRun::TProgramRun(const AnsiString& exe, const std::vector<AnsiString>& args)
{
    AnsiString line = "\"" + exe + "\"";
    for (const AnsiString& arg : args)
        line += " \"" + arg + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    const AnsiString folder = ExtractFilePath(exe);
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup, &FInfo))
        FInfo = {};
}

TProgramRun::~TProgramRun()
{
    if (!FInfo.hProcess)
        return;
    if (Running()) {
        for (HWND wnd : TopLevelWindows("TfrmMain", FInfo.dwProcessId))
            PostMessageA(wnd, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(FInfo.hProcess, 10000) != WAIT_OBJECT_0)
            TerminateProcess(FInfo.hProcess, 1);
    }
    CloseHandle(FInfo.hThread);
    CloseHandle(FInfo.hProcess);
}

int TProgramRun::WaitForExit(DWORD milliseconds)
{
    if (!FInfo.hProcess || WaitForSingleObject(FInfo.hProcess, milliseconds) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(FInfo.hProcess, &code);
    return static_cast<int>(code);
}

void TProgramRun::WaitForIdle(DWORD milliseconds)
{
    if (FInfo.hProcess)
        WaitForInputIdle(FInfo.hProcess, milliseconds);
}

bool TProgramRun::Running() const
{
    return FInfo.hProcess && WaitForSingleObject(FInfo.hProcess, 0) == WAIT_TIMEOUT;
}

void Pause(DWORD milliseconds)
{
    Sleep(milliseconds);
}

HWND WaitForWindow(const char* className, const char* title, DWORD milliseconds)
{
    HWND wnd = nullptr;
    WaitUntil([&] { return (wnd = FindWindowA(className, title)) && IsWindowVisible(wnd); }, milliseconds);
    return wnd && IsWindowVisible(wnd) ? wnd : nullptr;
}

HWND WaitForMessageBox(DWORD processId, DWORD milliseconds)
{
    std::vector<HWND> boxes;
    WaitUntil([&] { return !(boxes = TopLevelWindows("#32770", processId)).empty(); }, milliseconds);
    return boxes.empty() ? nullptr : boxes.front();
}
