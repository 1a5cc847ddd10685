// The shell's folder browser.
#pragma once

#include "classlib/System.h"
#include "classlib/Win.h"

// Lets the user pick a folder below the desktop, with `title` above the tree.
// True with the folder's file-system path; false when the user cancelled or
// chose a folder outside the file system.
bool BrowseForFolder(HWND owner, const AnsiString& title, AnsiString& path);
