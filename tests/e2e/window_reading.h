// Reads the main window as a user sees it: which page is on show, where the
// mouse goes, how much text is drawn in a place.
#pragma once

#include "classlib/System.h"
#include "classlib/Win.h"

// The child window of `parent` at a point of its client area (the deepest one).
HWND ChildAt(HWND parent, POINT client);
// A left click at a point of a window's client area.
void ClickAt(HWND wnd, POINT client);
// The caption of the one visible page of the main window's page control; empty when none or several are.
AnsiString VisiblePage(HWND mainWindow);
// The darkness summed over a rectangle of a window's client area, as it is on the screen.
int InkIn(HWND wnd, const RECT& client);
