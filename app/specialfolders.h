// Paths of the shell's special folders (CSIDL_APPDATA, CSIDL_PERSONAL, ...).
#pragma once

#include "classlib/System.h"

// With a trailing backslash; empty when the shell does not know the folder.
AnsiString GetShellFolderPath(int csidl);
// Without a trailing backslash; empty when the shell does not know the folder.
AnsiString GetSpecialFolderPath(int csidl);
