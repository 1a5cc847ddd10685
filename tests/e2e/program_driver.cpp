#include "program_driver.h"

#include "classlib/SysUtils.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestTree.h"

AnsiString DistFolder()
{
    AnsiString path = "Z:" VARIRUVU_DIST_PATH "\\";
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

TProgramCopy::TProgramCopy()
{
    FFolder = IncludeTrailingPathDelimiter(WideToAnsi(MakeScratchFolder(L"e2e")));
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
    const DWORD start = GetTickCount();
    do {
        HWND wnd = FindWindowA(className, title);
        if (wnd && IsWindowVisible(wnd))
            return wnd;
        Sleep(50);
    } while (GetTickCount() - start < milliseconds);
    return nullptr;
}

namespace {

struct TWindowSearch {
    const char* ClassName;
    DWORD ProcessId;
    std::vector<HWND> Found;
};

BOOL CALLBACK CollectWindow(HWND wnd, LPARAM param)
{
    auto* search = reinterpret_cast<TWindowSearch*>(param);
    char name[64] = {};
    GetClassNameA(wnd, name, sizeof(name));
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    if (lstrcmpiA(name, search->ClassName) == 0 && IsWindowVisible(wnd) &&
        (search->ProcessId == 0 || pid == search->ProcessId))
        search->Found.push_back(wnd);
    return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindows(const char* className, DWORD processId)
{
    TWindowSearch search{className, processId, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

HWND WaitForMessageBox(DWORD processId, DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    do {
        std::vector<HWND> boxes = TopLevelWindows("#32770", processId);
        if (!boxes.empty())
            return boxes.front();
        Sleep(50);
    } while (GetTickCount() - start < milliseconds);
    return nullptr;
}
