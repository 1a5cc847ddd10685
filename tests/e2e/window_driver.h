// Reaches into the running program's windows as a user's hands would: the
// side menu, buttons, the list rows and their check boxes, the progress bars,
// the method box, and the open dialog and folder browser.
#pragma once

#include <cstdint>
#include <vector>

#include "classlib/System.h"
#include "classlib/Win.h"

// The program's main window once it is on screen with all its controls; null when it does not come.
HWND WaitForMainWindow(DWORD milliseconds);
// The licence viewer of the start passed with "Next >> ": false when it does not come or does not go.
bool PassLicenceViewer(DWORD milliseconds);
// Whether the window was made for a control of that class; a Unicode control's window class is
// the control's class name followed by ".UnicodeClass".
bool IsWindowOfClass(HWND wnd, const char* className);
// The first child window (at any depth) of that class and, unless null, that text;
// a visible one when there is one (pages hold buttons of the same text).
HWND FindChild(HWND parent, const char* className, const char* text = nullptr);
std::vector<HWND> FindChildren(HWND parent, const char* className);
// The first child window (at any depth) whose list holds the entry: a combo box by its items.
HWND FindComboWithItem(HWND top, const char* item);
AnsiString WindowText(HWND wnd);
// The text as the window hands it out in UTF-16 (an 8-bit window's bytes read in the system's code page).
WideString WideWindowText(HWND wnd);
// The one visible child window (at any depth) of that class whose top left corner is at `inParent`
// in its parent's client area; null when there is none or more than one.
HWND FindPlacedChild(HWND top, const char* className, POINT inParent);
// The process that owns the window.
DWORD WindowProcess(HWND wnd);
// The deepest visible child window of `parent` at a point of its client area (the parent itself when none).
HWND ChildAt(HWND parent, POINT client);
// A left click at a point of the window's client area, handed to the visible
// window beneath it (a label is clicked through the panel that holds it).
void ClickAt(HWND top, int x, int y);
// A click on a button or check box, as the mouse gives it.
void ClickButton(HWND button);
// Picks an entry of a drop-down list as a user does: selection, then the notification.
void PickComboItem(HWND combo, int index);
int ComboItemIndex(HWND combo);
// The entries of a combo box's list, in UTF-16 as the box hands them out.
std::vector<WideString> ComboItems(HWND combo);
bool IsButtonChecked(HWND box);
// The pixels (0x00RRGGBB, row by row) of a rectangle of a window's client area, as it is on the screen.
std::vector<uint32_t> ScreenPixels(HWND wnd, const RECT& client);
// The darkness summed over a rectangle of a window's client area, as it is on the screen.
int InkIn(HWND wnd, const RECT& client);
// The visible sheet of the main window's pages; null when none is.
HWND ShownSheet(HWND main);
// The heading of the page on show (the caption of the visible sheet).
AnsiString ShownPage(HWND main);
// Waits until the page with this caption is on show.
bool WaitForPage(HWND main, const AnsiString& caption, DWORD milliseconds);
// A button of the main window, glyph button or plain, by its text; null when there is none.
HWND FindButton(HWND main, const char* text);
// A click on a button of the main window, found by its text, once it is enabled;
// false when it does not become so within a few seconds.
bool ClickButton(HWND main, const char* text);
// A click on a side-menu entry at its place in the side menu (x, y inside the left panel).
void ClickMenuEntry(HWND main, int x, int y);
// The Files page through its side-menu entry; false when it does not come.
bool ShowFilesPage(HWND main);
int ProgressPosition(HWND bar);
// The method box (0 Zero, 1 DoD, 2 Gutmann); null when it is not there.
HWND MethodBox(HWND main);
// Selects an entry of the method box (0 Zero, 1 DoD, 2 Gutmann) as a user's choice does.
void ChooseMethod(HWND main, int index);

// Memory inside the program's process, for the controls' messages that carry pointers.
class TRemoteBuffer {
public:
    TRemoteBuffer(DWORD processId, size_t size);
    ~TRemoteBuffer();
    TRemoteBuffer(const TRemoteBuffer&) = delete;
    TRemoteBuffer& operator=(const TRemoteBuffer&) = delete;

    // The address as the program sees it.
    char* At(size_t offset) const { return static_cast<char*>(FAddress) + offset; }
    void Write(size_t offset, const void* data, size_t size) const;
    AnsiString ReadText(size_t offset, size_t size) const;
    // UTF-16 text of up to `count` units.
    WideString ReadWideText(size_t offset, size_t count) const;

private:
    HANDLE FProcess;
    void* FAddress;
};

// The rows of the program's list, read and checked through memory of that process.
class TListDriver {
public:
    TListDriver(HWND main, DWORD processId);

    int RowCount() const;
    AnsiString Cell(int row, int column) const;
    int ColumnCount() const;
    // A column header's caption, in UTF-16 as the list hands it out.
    WideString ColumnCaption(int column) const;
    bool Checked(int row) const;
    void SetChecked(int row, bool checked) const;

private:
    HWND FList;
    TRemoteBuffer FRemote;
};

// In the open dialog of the process: goes to `folder` and opens the named files together.
bool ChooseFiles(DWORD processId, const AnsiString& folder, const std::vector<AnsiString>& names);
// In the folder browser of the process: walks the tree to `folder` and confirms it.
bool ChooseFolder(DWORD processId, const AnsiString& folder);
