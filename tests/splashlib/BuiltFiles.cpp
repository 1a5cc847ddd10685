#include "BuiltFiles.h"

#include "classlib/Win.h"

namespace {

// The build's Unix paths are reached through the drive that Wine maps them to.
std::string WindowsPathOf(const char* unixPath)
{
    using DosFileName = WCHAR*(CDECL*)(const char*);
    auto toDos = reinterpret_cast<DosFileName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name")));
    if (!toDos)
        return unixPath;
    WCHAR* dos = toDos(unixPath);
    if (!dos)
        return unixPath;
    char path[MAX_PATH * 2] = {};
    WideCharToMultiByte(CP_ACP, 0, dos, -1, path, sizeof(path), nullptr, nullptr);
    HeapFree(GetProcessHeap(), 0, dos);
    return path;
}

}

std::string StagedDllPath() { return WindowsPathOf(LUMISPLASH_STAGED_DLL); }
std::string HostProgramPath() { return WindowsPathOf(LUMISPLASH_HOST); }
std::string ObjdumpTextPath() { return WindowsPathOf(LUMISPLASH_OBJDUMP_TEXT); }
