#include "program_driver.h"

#include "classlib/SysUtils.h"
#include "tests/support/ScratchFolder.h"

AnsiString DistFolder()
{
    AnsiString path = "Z:" VARIRUVU_DIST_PATH "\\";
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

namespace {

void CopyTree(const AnsiString& from, const AnsiString& to)
{
    CreateDirectoryA(to.c_str(), nullptr);
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((from + "*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        const AnsiString name = data.cFileName;
        if (name == "." || name == "..")
            continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            CopyTree(from + name + "\\", to + name + "\\");
        else
            CopyFileA((from + name).c_str(), (to + name).c_str(), FALSE);
    } while (FindNextFileA(find, &data));
    FindClose(find);
}

}  // namespace

TProgramCopy::TProgramCopy()
{
    FFolder = IncludeTrailingPathDelimiter(WideToAnsi(MakeScratchFolder(L"e2e")));
    CopyTree(DistFolder(), FFolder);
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

AnsiString MessageBoxText(HWND box)
{
    char text[1024] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof(text));
    return text;
}

void PressButton(HWND box, int id)
{
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
}

namespace {

struct TChildSearch {
    const char* ClassName;
    const char* Text;
    const char* Item;
    HWND Found = nullptr;
};

BOOL CALLBACK MatchChild(HWND wnd, LPARAM param)
{
    auto* search = reinterpret_cast<TChildSearch*>(param);
    char name[64] = {};
    GetClassNameA(wnd, name, sizeof(name));
    if (lstrcmpiA(name, search->ClassName) != 0)
        return TRUE;
    if (search->Item) {
        if (SendMessageA(wnd, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(search->Item)) ==
            CB_ERR)
            return TRUE;
    } else {
        char text[256] = {};
        GetWindowTextA(wnd, text, sizeof(text));
        if (!IsWindowVisible(wnd) || (search->Text && lstrcmpA(text, search->Text) != 0))
            return TRUE;
    }
    search->Found = wnd;
    return FALSE;
}

}  // namespace

HWND FindChild(HWND top, const char* className, const char* text)
{
    TChildSearch search{className, text, nullptr};
    EnumChildWindows(top, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

HWND FindComboWithItem(HWND top, const char* item)
{
    TChildSearch search{"TComboBox", nullptr, item};
    EnumChildWindows(top, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

void ClickAt(HWND top, int x, int y)
{
    POINT point{x, y};
    HWND target = top;
    for (;;) {
        HWND child = ChildWindowFromPointEx(target, point, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
        if (!child || child == target)
            break;
        MapWindowPoints(target, child, &point, 1);
        target = child;
    }
    const LPARAM at = MAKELPARAM(point.x, point.y);
    PostMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(target, WM_LBUTTONUP, 0, at);
}

void ClickButton(HWND button)
{
    PostMessageA(button, BM_CLICK, 0, 0);
}

void PickComboItem(HWND combo, int index)
{
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    PostMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

int ComboItemIndex(HWND combo)
{
    return static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
}

bool IsButtonChecked(HWND box)
{
    return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

DWORD WindowProcess(HWND wnd)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    return pid;
}
