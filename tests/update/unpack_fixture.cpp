#include "tests/update/unpack_fixture.h"

#include <algorithm>

#include "classlib/Win.h"
#include "tests/support/ScratchFolder.h"

TUnpackFolder::TUnpackFolder() : FPath(WideToAnsi(MakeScratchFolder(L"unpack"))) {}

TUnpackFolder::~TUnpackFolder() { RemoveFolderTree(AnsiToWide(FPath)); }

AnsiString TUnpackFolder::Folder(const AnsiString& name) const
{
    const AnsiString folder = (*this)[name];
    ForceDirectories(folder);
    return folder + "\\";
}

namespace {

void CollectFiles(const AnsiString& folder, const AnsiString& prefix, std::vector<AnsiString>& names)
{
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        const AnsiString name = data.cFileName;
        if (name == "." || name == "..")
            continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            CollectFiles(folder + "\\" + name, prefix + name + "\\", names);
        else
            names.push_back(prefix + name);
    } while (FindNextFileA(find, &data));
    FindClose(find);
}

}  // namespace

std::vector<AnsiString> FilesBelow(const AnsiString& folder)
{
    std::vector<AnsiString> names;
    CollectFiles(ExcludeTrailingPathDelimiter(folder), "", names);
    std::sort(names.begin(), names.end());
    return names;
}

TCurrentDirectory::TCurrentDirectory(const AnsiString& folder) : FPrevious(GetCurrentDir())
{
    SetCurrentDirectoryA(folder.c_str());
}

TCurrentDirectory::~TCurrentDirectory() { SetCurrentDirectoryA(FPrevious.c_str()); }
