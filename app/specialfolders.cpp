#include "app/specialfolders.h"

#include "classlib/SysUtils.h"
#include "classlib/Win.h"
#include <shlobj.h>

namespace {

AnsiString ShellFolder(HWND owner, int csidl)
{
    LPITEMIDLIST items = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(owner, csidl, &items)) || !items)
        return AnsiString();
    char path[MAX_PATH + 1] = {};
    const bool converted = SHGetPathFromIDListA(items, path);
    CoTaskMemFree(items);
    return converted ? AnsiString(path) : AnsiString();
}

}  // namespace

AnsiString GetShellFolderPath(int csidl)
{
    const AnsiString path = ShellFolder(GetActiveWindow(), csidl);
    return path.empty() ? path : IncludeTrailingPathDelimiter(path);
}

AnsiString GetSpecialFolderPath(int csidl)
{
    AnsiString path = ShellFolder(nullptr, csidl);
    // A drive root keeps its backslash: "C:" alone would name the current folder there.
    if (path.size() > 3 && path.back() == '\\')
        path.pop_back();
    return path;
}
