// Operations on the system around the program: connection state, shutdown,
// and the plain removal of the program's scratch folder.
#pragma once

#include "classlib/System.h"
#include "classlib/Win.h"

bool IsInternetConnected();
// Enables the shutdown privilege where the platform has one, then asks Windows to end.
bool ShutdownWindows(UINT flags);
// The scratch folder of the language tunes: ExeDir + "sound\".
AnsiString ScratchFolder();
// Deletes the folder with everything in it, read-only files included, and gives
// the number of files that could not be deleted. Only the scratch folder and
// folders inside it are touched; for any other path nothing is done and 0 is given.
int DeleteFolderTree(const AnsiString& path);
