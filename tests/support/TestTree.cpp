#include "tests/support/TestTree.h"

#include "classlib/Win.h"
#include "tests/support/UnixSide.h"

AnsiString PythonTreeFolder()
{
    return WindowsPathOfUnix(PythonTreeUnixPath);
}

void CopyFolderTree(const AnsiString& from, const AnsiString& to)
{
    CreateDirectoryA(to.c_str(), nullptr);
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((from + "*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        const AnsiString name = data.cFileName;
        if (name == "." || name == "..")
            continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            CopyFolderTree(from + name + "\\", to + name + "\\");
        else
            CopyFileA((from + name).c_str(), (to + name).c_str(), FALSE);
    } while (FindNextFileA(find, &data));
    FindClose(find);
}
