#include "tools/hostpath.h"

#include "classlib/Streams.h"
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

AnsiString ReadHostFile(const AnsiString& fileName)
{
    TFileStream file(LocalPath(fileName), fmOpenRead | fmShareDenyWrite);
    AnsiString bytes(static_cast<size_t>(file.GetSize()), '\0');
    if (!bytes.empty())
        file.ReadBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
    return bytes;
}

void WriteHostFile(const AnsiString& fileName, const AnsiString& bytes)
{
    TFileStream file(LocalPath(fileName), fmCreate);
    file.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
}
