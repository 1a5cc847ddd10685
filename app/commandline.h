// The program's command line: one path to add and erase at start.
#pragma once

#include <vector>

#include "classlib/System.h"

struct TStartRequest {
    AnsiString StartPath;
    bool StartAsFolder = false;
};

// The arguments without the program's own name, read up to the first empty one.
// A switch ("/" and at least one more character) marks the path as a folder when
// its second character is "F" or "f"; every other argument replaces the path.
TStartRequest ParseCommandLine(const std::vector<AnsiString>& args);
// This process's arguments, without the program's own name, as ANSI text.
std::vector<AnsiString> ProgramArguments();
