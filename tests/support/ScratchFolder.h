// Scratch folders for the test programs: made under the temporary folder,
// removed with everything in them.
#pragma once

#include "classlib/System.h"

// Makes a new, empty folder named after `tag` and the process; gives its path.
WideString MakeScratchFolder(const WideString& tag);
// Removes the folder with everything in it, read-only files included.
void RemoveFolderTree(const WideString& path);
// The whole content of a file; empty when it cannot be read.
AnsiString ReadFileBytes(const AnsiString& fileName);
// Makes or replaces a file with exactly these bytes; false when it cannot be written.
bool WriteFileBytes(const AnsiString& fileName, const AnsiString& bytes);
