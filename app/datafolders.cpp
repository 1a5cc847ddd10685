#include "app/datafolders.h"

#include "app/specialfolders.h"
#include "classlib/SysUtils.h"
#include <shlobj.h>

AnsiString DataFolder()
{
    return GetShellFolderPath(CSIDL_APPDATA) + "brevant\\Clearvane\\AppData\\";
}

AnsiString LogFolder()
{
    return GetShellFolderPath(CSIDL_PERSONAL) + "Clearvane\\AppData\\";
}

void EnsureDataFolders()
{
    ForceDirectories(DataFolder());
    ForceDirectories(LogFolder());
}
