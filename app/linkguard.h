// Keeps the folder walk inside the folder the user chose: a junction or a
// symbolic link inside it must not lead the walk, or an erase, anywhere else.
#pragma once

#include "classlib/System.h"
#include "classlib/Win.h"

// Where the path really leads: the full path of what it names, with every link
// on the way followed; empty when it names nothing that can be opened. Where the
// platform cannot tell (no final-path function), the full path as given.
WideString ResolvedPath(const AnsiString& path);

// True when the entry found in a folder is a link or leads elsewhere: a reparse
// point, or an entry whose resolved path is not the resolved folder's path plus
// its name. A symbolic link to a file can look like a plain file (no reparse
// attribute), so each entry's own resolved path decides.
bool LeadsOutside(const AnsiString& folder, const WideString& resolvedFolder, const WIN32_FIND_DATAA& entry);

// True when a path the user chose (a row of the list) is itself a link or leads
// elsewhere than its own place in its folder, judged as the walk judges its
// entries; also true for a wildcard pattern. False for a path that names
// nothing and for a drive root.
bool ChosenPathLeadsOutside(const AnsiString& path);
