#include "update/cabfdi.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "classlib/SysUtils.h"
#include "classlib/Win.h"

#include <fdi.h>
#include <lzexpand.h>

namespace {

// One extraction at a time: the notification callback reads these.
AnsiString CabDestination;
bool CabUseStoredPaths = false;

HFILE AsHFile(INT_PTR hf) { return static_cast<HFILE>(hf); }

// The platform's file handles behind the 16-bit style file calls.
HANDLE AsHandle(INT_PTR hf) { return reinterpret_cast<HANDLE>(hf); }

template <class TEntry>
TEntry LibraryEntry(HMODULE library, const char* name)
{
    return reinterpret_cast<TEntry>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

void* DIAMONDAPI CabAlloc(ULONG size) { return std::malloc(size); }
void DIAMONDAPI CabFree(void* block) { std::free(block); }
INT_PTR DIAMONDAPI CabOpen(char* name, int flags, int) { return _lopen(name, flags); }
UINT DIAMONDAPI CabRead(INT_PTR hf, void* buffer, UINT size) { return _lread(AsHFile(hf), buffer, size); }
UINT DIAMONDAPI CabWrite(INT_PTR hf, void* buffer, UINT size)
{
    return _lwrite(AsHFile(hf), static_cast<LPCCH>(buffer), size);
}
int DIAMONDAPI CabClose(INT_PTR hf) { return _lclose(AsHFile(hf)); }
__LONG32 DIAMONDAPI CabSeek(INT_PTR hf, __LONG32 distance, int origin) { return _llseek(AsHFile(hf), distance, origin); }

AnsiString FolderPart(const AnsiString& path)
{
    const size_t slash = path.rfind('\\');
    return slash == AnsiString::npos ? AnsiString() : path.substr(0, slash);
}

AnsiString NamePart(const AnsiString& path)
{
    const size_t slash = path.rfind('\\');
    return slash == AnsiString::npos ? path : path.substr(slash + 1);
}

AnsiString FullPath(const AnsiString& name)
{
    char buffer[MAX_PATH];
    const DWORD length = GetFullPathNameA(name.c_str(), MAX_PATH, buffer, nullptr);
    return length == 0 || length >= MAX_PATH ? name : AnsiString(buffer, length);
}

// The cabinet's DOS date and time, read as local time, as the file's last-write time.
void SetStoredWriteTime(INT_PTR hf, USHORT date, USHORT time)
{
    TDateTime day = 0, clock = 0;
    if (!TryEncodeDate(1980 + (date >> 9), (date >> 5) & 15, date & 31, day) ||
        !TryEncodeTime(time >> 11, (time >> 5) & 63, (time & 31) * 2, 0, clock))
        return;
    const SYSTEMTIME stored = DateTimeToSystemTime(day + clock);
    FILETIME local, utc;
    if (SystemTimeToFileTime(&stored, &local) && LocalFileTimeToFileTime(&local, &utc))
        SetFileTime(AsHandle(hf), nullptr, nullptr, &utc);
}

// Names made of dots (and blanks, which the platform drops from the end of a
// name) step out of the folder when they hold two dots or more.
bool IsParentStep(const AnsiString& step)
{
    int dots = 0;
    for (char c : step) {
        if (c == '.')
            ++dots;
        else if (c != ' ')
            return false;
    }
    return dots >= 2;
}

// A name stored in a cabinet stays below the folder it is joined to when it
// is relative, names no drive and takes no step up.
bool IsContainedCabEntryName(const AnsiString& name)
{
    if (name.empty() || name.find(':') != AnsiString::npos || name[0] == '\\' || name[0] == '/')
        return false;
    size_t start = 0;
    while (start <= name.size()) {
        const size_t end = std::min(name.find_first_of("\\/", start), name.size());
        if (IsParentStep(name.substr(start, end - start)))
            return false;
        start = end + 1;
    }
    return true;
}

INT_PTR CreateExtractedFile(const AnsiString& name)
{
    if (!IsContainedCabEntryName(name))
        return -1;
    const AnsiString folder = CabUseStoredPaths ? FolderPart(FullPath(name)) : CabDestination + FolderPart(name);
    if (!folder.empty() && !DirectoryExists(folder) && !ForceDirectories(folder))
        return -1;
    const HFILE file = _lcreat((CabDestination + name).c_str(), 0);
    return file == HFILE_ERROR ? -1 : file;
}

INT_PTR DIAMONDAPI CabNotify(FDINOTIFICATIONTYPE kind, PFDINOTIFICATION info)
{
    switch (kind) {
    case fdintCOPY_FILE:
        return CreateExtractedFile(info->psz1);
    case fdintCLOSE_FILE_INFO:
        SetStoredWriteTime(info->hf, info->date, info->time);
        _lclose(AsHFile(info->hf));
        return 1;
    default:
        return 0;
    }
}

bool IsCabinetFile(HFDI context, decltype(&FDIIsCabinet) isCabinet, const AnsiString& path)
{
    const HFILE file = _lopen(path.c_str(), OF_READ);
    if (file == HFILE_ERROR)
        return false;
    FDICABINETINFO info{};
    const bool answer = isCabinet(context, file, &info);
    _lclose(file);
    return answer;
}

const char SzddSignature[8] = {'S', 'Z', 'D', 'D', '\x88', '\xF0', '\x27', '\x33'};

// The expanded length an "SZDD" header records; false for any other file.
bool ReadSzddLength(const AnsiString& path, DWORD& length)
{
    const HFILE file = _lopen(path.c_str(), OF_READ);
    if (file == HFILE_ERROR)
        return false;
    unsigned char head[14] = {};
    const bool answer = _lread(file, head, sizeof head) == sizeof head && std::memcmp(head, SzddSignature, 8) == 0;
    _lclose(file);
    length = DWORD(head[10]) | DWORD(head[11]) << 8 | DWORD(head[12]) << 16 | DWORD(head[13]) << 24;
    return answer;
}

// A cut or damaged source gives fewer bytes than its header promises: no file then.
void ExpandInto(INT source, const AnsiString& target, DWORD length)
{
    OFSTRUCT info{};
    const INT output = LZOpenFileA(const_cast<char*>(target.c_str()), &info, OF_CREATE);
    if (output < 0)
        return;
    const LONG copied = LZCopy(source, output);
    LZClose(output);
    if (copied < 0 || DWORD(copied) != length)
        DeleteFileA(target.c_str());
}

}  // namespace

int ExtractCab(const AnsiString& CabPath, const AnsiString& Destination)
{
    const HFILE probe = _lopen(CabPath.c_str(), OF_READ);
    if (probe == HFILE_ERROR)
        return -1;
    _lclose(probe);

    const HMODULE library = LoadLibraryA("cabinet.dll");
    if (!library)
        return -1;
    const auto create = LibraryEntry<decltype(&FDICreate)>(library, "FDICreate");
    const auto isCabinet = LibraryEntry<decltype(&FDIIsCabinet)>(library, "FDIIsCabinet");
    const auto copy = LibraryEntry<decltype(&FDICopy)>(library, "FDICopy");
    const auto destroy = LibraryEntry<decltype(&FDIDestroy)>(library, "FDIDestroy");
    int answer = -1;
    if (create && isCabinet && copy && destroy) {
        // Every name is joined to the destination, so it must end in a separator.
        CabDestination = Destination.empty() ? Destination : IncludeTrailingPathDelimiter(Destination);
        ERF error{};
        const HFDI context = create(CabAlloc, CabFree, CabOpen, CabRead, CabWrite, CabClose, CabSeek, cpu80386, &error);
        if (context) {
            if (IsCabinetFile(context, isCabinet, CabPath)) {
                CabUseStoredPaths = Destination.empty();
                const AnsiString full = FullPath(CabPath);
                AnsiString name = NamePart(full);
                AnsiString folder = FolderPart(full) + "\\";
                if (copy(context, name.data(), folder.data(), 0, CabNotify, nullptr, nullptr))
                    answer = 0;
            }
            if (!destroy(context))
                answer = -1;
        }
        CabDestination.clear();
    }
    FreeLibrary(library);
    return answer;
}

void ExpandLzFile(const AnsiString& Path)
{
    // An "SZDD" check first: the expansion library passes any other file
    // through unchanged under its own name, which opening the target would truncate.
    DWORD length = 0;
    if (ReadSzddLength(Path, length)) {
        OFSTRUCT info{};
        const INT source = LZOpenFileA(const_cast<char*>(Path.c_str()), &info, OF_READ);
        if (source >= 0) {
            char expanded[MAX_PATH] = {};
            if (GetExpandedNameA(const_cast<char*>(Path.c_str()), expanded) == 1 &&
                !SameText(FullPath(expanded), FullPath(Path)))
                ExpandInto(source, expanded, length);
            LZClose(source);
        }
    }
    DeleteFileA(Path.c_str());
}
