// Drives the staged program as a user would: starts it, finds its windows,
// clicks and answers its message boxes.
#pragma once

#include <vector>

#include "classlib/System.h"
#include "classlib/Win.h"

// The staged program folder (with a trailing backslash) as this process sees it.
AnsiString DistFolder();
// A copy of the staged program folder in a scratch folder of its own; removed with the object.
class TProgramCopy {
public:
    TProgramCopy();
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
// The visible top-level windows of the class (any title) that belong to the process (0: any).
std::vector<HWND> TopLevelWindows(const char* className, DWORD processId = 0);
// Waits for a message box of the process; null when none appears.
HWND WaitForMessageBox(DWORD processId, DWORD milliseconds);
// The text of a message box (its static text control).
AnsiString MessageBoxText(HWND box);
// Presses the message box's button with this command identifier (IDOK, IDYES, IDNO).
void PressButton(HWND box, int id);
// Lets the other process handle what was sent to it.
void Pause(DWORD milliseconds);

// The first visible child window of the class (any depth) with this text (null: any text).
HWND FindChild(HWND top, const char* className, const char* text = nullptr);
// The first child window of the class (any depth) whose list holds the entry: a combo box by its items.
HWND FindComboWithItem(HWND top, const char* item);
// A left click at a point of the window's client area, handed to the visible
// window beneath it (a label is clicked through the panel that holds it).
void ClickAt(HWND top, int x, int y);
// A click on a button or check box, as the mouse gives it.
void ClickButton(HWND button);
// Picks an entry of a drop-down list as a user does: selection, then the notification.
void PickComboItem(HWND combo, int index);
int ComboItemIndex(HWND combo);
bool IsButtonChecked(HWND box);
// The process that owns the window.
DWORD WindowProcess(HWND wnd);
