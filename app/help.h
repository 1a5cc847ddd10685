// The platform's HTML Help control: loaded once when the program starts and
// freed when it ends, so the help buttons can open a topic of a help file.
#pragma once

#include "classlib/System.h"
#include "classlib/Win.h"

// The control's command that shows the topic named after "::/" in the file name.
constexpr UINT HH_DISPLAY_TOPIC = 0;

using THtmlHelpA = HWND(WINAPI*)(HWND caller, LPCSTR file, UINT command, DWORD_PTR data);
using THtmlHelpW = HWND(WINAPI*)(HWND caller, LPCWSTR file, UINT command, DWORD_PTR data);

// The loaded control and its two entries; all null while none is loaded.
extern HMODULE HtmlHelpModule;
extern THtmlHelpA HtmlHelpA;
extern THtmlHelpW HtmlHelpW;
// Whether the control is loaded when this unit starts; a change before then keeps it unloaded.
extern bool LoadHtmlHelpAtStart;

// Loads the control when none is: by name through the library search, else from FindHtmlHelpPath.
void LoadHtmlHelp();
// The control's file as its class registration names it (environment variables expanded),
// or the system folder's "hhctrl.ocx" when the registration gives no existing file.
AnsiString FindHtmlHelpPath();
void UnloadHtmlHelp();
