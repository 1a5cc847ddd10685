// The program's folder and the companion files that must be installed in it.
#pragma once

#include <vector>

#include "classlib/System.h"

// The program's folder with a trailing backslash; every companion file is found relative to it.
extern AnsiString ExeDir;

// The program's folder as it is now, from the module's file name.
AnsiString ProgramFolder();
// The program file's full path.
AnsiString ProgramFileName();

// The companion files relative to the program's folder, in the order they are checked.
const std::vector<AnsiString>& CompanionFiles();
// The first companion file missing in `folder` (with a trailing backslash), or empty.
AnsiString FindMissingCompanionFile(const AnsiString& folder);
// With a companion file missing: a warning, and the process ends with exit code 0.
void CheckProgramFiles();
