// Unpacking of downloaded update files: cabinets through the platform's
// cabinet library, "SZDD" files through its LZ expansion library.
#pragma once

#include "classlib/System.h"

// Extracts every file of the cabinet into Destination (a folder, normally
// with a trailing backslash), creating the sub-folders the cabinet names; an
// empty Destination puts each file at its stored path below the current
// directory. 0 when every file was extracted, -1 otherwise: the cabinet is
// missing or is no cabinet, a file cannot be written, or an entry's name
// would leave the destination (a ".." step, a drive, a rooted path), in which
// case nothing more of the cabinet is written. Files extracted before a
// failure stay.
int ExtractCab(const AnsiString& CabPath, const AnsiString& Destination);

// Expands an "SZDD" file next to itself under the name recorded in it, then
// deletes the compressed file whether or not that succeeded. A file that is
// not "SZDD", or whose expanded name would be its own, is not written to.
void ExpandLzFile(const AnsiString& Path);

