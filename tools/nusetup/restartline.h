// The command line the update component starts the update helper with:
//   <process id> <L|X> <program> <parameters> "<download folder>" <components>
// The program is quoted when it holds a blank, the parameters likewise
// (they may hold quotes of their own, and an empty set is a quoted blank);
// the download folder is always quoted and often ends in a backslash right
// before its closing quote, which the platform's argument rules would read
// as an escaped quote. So the line is taken apart here, the download folder
// from the right: the components hold no quotes.
#pragma once

#include <string>
#include <vector>

#include "classlib/Win.h"

struct TRestartLine {
    DWORD ProcessId = 0;
    bool Logging = false;        // mode L
    std::string Program;         // without its quotes
    std::string Parameters;      // without the outer quotes and surrounding blanks; empty when there are none
    std::string DownloadFolder;  // as given
    std::string Components;      // the rest of the line
};

// The helper's own command line without its program name in front.
std::string SkipProgramName(const std::string& commandLine);

// False when the text does not have the shape above.
bool ParseRestartLine(const std::string& text, TRestartLine& line);

// The file names in a component list: entries are separated by commas,
// semicolons or blanks, and an entry that is a path gives its name part.
// Names that would leave the folder they are joined to (dots only, a drive) are left out.
std::vector<std::string> ComponentNames(const std::string& components);
