#include "app/systemops.h"

#include "app/programfolder.h"
#include "classlib/FileSearch.h"
#include "classlib/Forms.h"
#include "classlib/SysUtils.h"
#include <wininet.h>

bool IsInternetConnected()
{
    DWORD flags = 0;
    return InternetGetConnectedState(&flags, 0) != FALSE;
}

namespace {

void EnableShutdownPrivilege()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return;
    TOKEN_PRIVILEGES privileges{};
    if (LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid)) {
        privileges.PrivilegeCount = 1;
        privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
        AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    }
    CloseHandle(token);
}

bool IsNTPlatform()
{
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info);
    return GetVersionExA(&info) && info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

// The full path with a trailing backslash, for comparing folders.
AnsiString FolderKey(const AnsiString& path)
{
    return IncludeTrailingPathDelimiter(ExpandFileName(path));
}

bool IsInsideScratchFolder(const AnsiString& path)
{
    if (ExeDir.empty() || path.empty())
        return false;
    const AnsiString scratch = FolderKey(ScratchFolder());
    const AnsiString folder = FolderKey(path);
    return folder.size() >= scratch.size() && CompareText(folder.substr(0, scratch.size()), scratch) == 0;
}

int DeleteTree(const AnsiString& path)
{
    const AnsiString folder = IncludeTrailingPathDelimiter(path);
    int failed = 0;
    {
        TFileSearch search(folder + "*.*");
        if (!search.Found())
            return 0;
        do {
            const AnsiString name = search.Name();
            const DWORD attributes = search.Data().dwFileAttributes;
            if (search.IsFolder() && (name == "." || name == ".."))
                continue;
            if (search.IsFolder() && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
                DeleteTree(folder + name);
            } else if (search.IsFolder()) {
                // A linked folder: the link goes, never what it points to.
                SetFileAttributesA((folder + name).c_str(), FILE_ATTRIBUTE_NORMAL);
                RemoveDirectoryA((folder + name).c_str());
            } else {
                SetFileAttributesA((folder + name).c_str(), FILE_ATTRIBUTE_NORMAL);
                if (!DeleteFileA((folder + name).c_str()))
                    ++failed;
                Application->ProcessMessages();
            }
        } while (search.Next());
    }  // the search is closed before its folder goes
    RemoveDirectoryA(folder.c_str());
    return failed;
}

}  // namespace

bool ShutdownWindows(UINT flags)
{
    if (IsNTPlatform())
        EnableShutdownPrivilege();
    return ExitWindowsEx(flags, 0) != FALSE;
}

AnsiString ScratchFolder()
{
    return ExeDir + "sound\\";
}

int DeleteFolderTree(const AnsiString& path)
{
    if (!IsInsideScratchFolder(path))
        return 0;
    return DeleteTree(path);
}
