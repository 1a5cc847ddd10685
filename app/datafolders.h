// The per-user folders of the settings and of the log. Both are built afresh
// from the shell's special folders at every call, never cached.
#pragma once

#include "classlib/System.h"

// Application data + "brevant\Clearvane\AppData\": holds config.ini.
AnsiString DataFolder();
// Documents + "Clearvane\AppData\": holds the log of the last run.
AnsiString LogFolder();
// Creates DataFolder, then LogFolder, with every missing parent; a folder
// that cannot be made shows up at the first write into it.
void EnsureDataFolders();
