#include "tools/hostpath.h"

#include "classlib/Win.h"

AnsiString LocalPath(const AnsiString& path)
{
    using TDosName = WCHAR*(CDECL*)(LPCSTR);
    static auto toDos = reinterpret_cast<TDosName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_dos_file_name")));
    if (path.empty() || path[0] != '/' || !toDos)
        return path;
    WCHAR* dos = toDos(path.c_str());
    if (!dos)
        return path;
    AnsiString local = WideToAnsi(dos);
    HeapFree(GetProcessHeap(), 0, dos);
    return local;
}
