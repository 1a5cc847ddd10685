#include "tests/support/TestTree.h"

#include "classlib/FileSearch.h"
#include "classlib/Win.h"
#include "tests/support/UnixSide.h"

AnsiString PythonTreeFolder()
{
    return WindowsPathOfUnix(PythonTreeUnixPath);
}

void CopyFolderTree(const AnsiString& from, const AnsiString& to)
{
    CreateDirectoryA(to.c_str(), nullptr);
    for (TFileSearch search(from + "*"); search.Found(); search.Next()) {
        const AnsiString name = search.Name();
        if (name == "." || name == "..")
            continue;
        if (search.IsFolder())
            CopyFolderTree(from + name + "\\", to + name + "\\");
        else
            CopyFileA((from + name).c_str(), (to + name).c_str(), FALSE);
    }
}
