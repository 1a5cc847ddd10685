// Drives the staged program as a user would: starts it, finds its windows,
// clicks and answers its message boxes.
#pragma once

#include <vector>

#include "classlib/System.h"
#include "classlib/Win.h"
#include "tests/support/BoxAnswerer.h"

// The staged program folder (with a trailing backslash) as this process sees it.
AnsiString DistFolder();
// A copy of the staged program folder in a scratch folder of its own, named
// after `tag`; removed with the object.
class TProgramCopy {
public:
    explicit TProgramCopy(const WideString& tag = L"e2e");
    ~TProgramCopy();
    const AnsiString& Folder() const { return FFolder; }

private:
    AnsiString FFolder;
};

class TProgramRun {
public:
    // Starts `exe` with the arguments (each quoted) from its own folder.
    TProgramRun(const AnsiString& exe, const std::vector<AnsiString>& args = {});
    ~TProgramRun();
    // Waits for the end; the exit code, or -1 when it did not end within the time.
    int WaitForExit(DWORD milliseconds);
    bool Running() const;
    // Waits until the program waits for input, its start-up done.
    void WaitForIdle(DWORD milliseconds);
    DWORD ProcessId() const { return FInfo.dwProcessId; }

private:
    PROCESS_INFORMATION FInfo{};
};

// Waits up to `milliseconds` for a top-level window; null when none appears.
HWND WaitForWindow(const char* className, const char* title, DWORD milliseconds);
// Waits for a message box of the process; null when none appears.
HWND WaitForMessageBox(DWORD processId, DWORD milliseconds);
// Lets the other process handle what was sent to it.
void Pause(DWORD milliseconds);

// Looks at `condition` every 50 ms until it holds; false when `milliseconds` pass first.
template <class TCondition>
bool WaitUntil(TCondition condition, DWORD milliseconds)
{
    for (const DWORD start = GetTickCount();; Pause(50)) {
        if (condition())
            return true;
        if (GetTickCount() - start >= milliseconds)
            return false;
    }
}
