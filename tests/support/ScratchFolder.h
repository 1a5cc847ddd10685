// Scratch folders for the test programs: made under the temporary folder,
// removed with everything in them.
#pragma once

#include "classlib/System.h"

// Makes a new, empty folder named after `tag` and the process; gives its path.
WideString MakeScratchFolder(const WideString& tag);
// Removes the folder with everything in it, read-only files included.
void RemoveFolderTree(const WideString& path);
