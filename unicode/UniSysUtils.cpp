#include "unicode/UniSysUtils.h"

#include <string>

#include "classlib/Streams.h"
#include "unicode/UniSystem.h"
#include "unicode/UniWideStrUtils.h"
#include "unicode/UniWindows.h"

WideString IncludeTrailingBackslashW(const WideString& path)
{
    return (!path.empty() && path.back() == L'\\') ? path : path + L'\\';
}

WideString ExtractFileExtW(const WideString& fileName)
{
    size_t i = LastDelimiterW(L".\\:", fileName);
    return (i > 0 && fileName[i - 1] == L'.') ? fileName.substr(i - 1) : WideString();
}

WideString ExpandFileNameW(const WideString& fileName)
{
    wchar_t buffer[MAX_PATH] = {};
    wchar_t* filePart = nullptr;
    DWORD n = WideGetFullPathName(fileName, MAX_PATH, buffer, &filePart);
    return n > 0 && n < MAX_PATH ? WideString(buffer) : WideString();
}

WideString ExtractShortPathNameW(const WideString& fileName)
{
    wchar_t buffer[MAX_PATH] = {};
    DWORD n = WideGetShortPathName(fileName, buffer, MAX_PATH);
    return n > 0 ? WideString(buffer) : WideString();
}

HANDLE WideFileCreate(const WideString& fileName)
{
    return WideCreateFile(fileName, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                          nullptr);
}

namespace {

DWORD FileModeAccess(uint16_t mode)
{
    static const DWORD access[] = {GENERIC_READ, GENERIC_WRITE, GENERIC_READ | GENERIC_WRITE, 0};
    return access[mode & 3];
}

DWORD FileModeShare(uint16_t mode)
{
    switch (mode & 0xF0) {
    case fmShareDenyWrite:
        return FILE_SHARE_READ;
    case fmShareDenyRead:
        return FILE_SHARE_WRITE;
    case fmShareDenyNone:
        return FILE_SHARE_READ | FILE_SHARE_WRITE;
    default:
        return 0;
    }
}

}  // namespace

HANDLE WideFileOpen(const WideString& fileName, uint16_t mode)
{
    return WideCreateFile(fileName, FileModeAccess(mode), FileModeShare(mode), nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool FileExistsW(const WideString& fileName)
{
    WIN32_FIND_DATAW data;
    HANDLE find = WideFindFirstFile(fileName, data);
    if (find == INVALID_HANDLE_VALUE)
        return false;
    FindClose(find);
    return !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

TSearchRecW::~TSearchRecW()
{
    FindCloseW(*this);
}

namespace {

// Skips the entries with an excluded attribute, then fills the record from
// the entry it stands on. 0 or the system's error code.
DWORD TakeEntry(TSearchRecW& f)
{
    while (f.SystemRecord.dwFileAttributes & f.SkipAttributes) {
        if (!WideFindNextFile(f.SearchHandle, f.SystemRecord))
            return GetLastError();
    }
    FILETIME local;
    WORD date = 0;
    WORD time = 0;
    FileTimeToLocalFileTime(&f.SystemRecord.ftLastWriteTime, &local);
    FileTimeToDosDateTime(&local, &date, &time);
    f.WriteTime = (DWORD(date) << 16) | time;
    f.FileSize = (int64_t(f.SystemRecord.nFileSizeHigh) << 32) | f.SystemRecord.nFileSizeLow;
    f.Attributes = f.SystemRecord.dwFileAttributes;
    const wchar_t* name = f.SystemRecord.cFileName;
    f.FileName.assign(name, wcsnlen(name, MAX_PATH));
    return 0;
}

}  // namespace

DWORD FindFirstW(const WideString& path, DWORD attr, TSearchRecW& f)
{
    constexpr DWORD volumeLabel = 0x08;
    FindCloseW(f);
    f.SkipAttributes =
        ~attr & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | volumeLabel | FILE_ATTRIBUTE_DIRECTORY);
    f.SearchHandle = WideFindFirstFile(path, f.SystemRecord);
    if (f.SearchHandle == INVALID_HANDLE_VALUE)
        return GetLastError();
    DWORD result = TakeEntry(f);
    if (result)
        FindCloseW(f);
    return result;
}

DWORD FindNextW(TSearchRecW& f)
{
    if (!WideFindNextFile(f.SearchHandle, f.SystemRecord))
        return GetLastError();
    return TakeEntry(f);
}

void FindCloseW(TSearchRecW& f)
{
    if (f.SearchHandle != INVALID_HANDLE_VALUE) {
        FindClose(f.SearchHandle);
        f.SearchHandle = INVALID_HANDLE_VALUE;
    }
}

WideString GetLocaleStrW(LCID locale, LCTYPE type, const WideString& def)
{
    if (IsUnicodePlatform()) {
        wchar_t buffer[255];
        int n = GetLocaleInfoW(locale, type, buffer, 255);
        return n > 0 ? WideString(buffer, size_t(n - 1)) : def;
    }
    char buffer[256];
    int n = GetLocaleInfoA(locale, type, buffer, sizeof(buffer));
    return n > 0 ? AnsiToWide(AnsiString(buffer, size_t(n - 1))) : def;
}

WideString SysErrorMessageW(DWORD code)
{
    return ModuleErrorMessageW(L"system", nullptr, code);
}

namespace {

WideString TrimControls(const WideString& s)
{
    size_t first = 0;
    size_t last = s.size();
    while (first < last && s[first] <= L' ')
        ++first;
    while (last > first && s[last - 1] <= L' ')
        --last;
    return s.substr(first, last - first);
}

}  // namespace

WideString ModuleErrorMessageW(const WideString& moduleName, HMODULE module, DWORD code)
{
    constexpr DWORD bufferSize = 256;
    DWORD flags = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ARGUMENT_ARRAY |
                  (module ? FORMAT_MESSAGE_FROM_HMODULE : 0);
    WideString text;
    if (IsUnicodePlatform()) {
        wchar_t buffer[bufferSize];
        DWORD n = FormatMessageW(flags, module, code, 0, buffer, bufferSize, nullptr);
        text.assign(buffer, n);
    } else {
        char buffer[bufferSize];
        DWORD n = FormatMessageA(flags, module, code, 0, buffer, bufferSize, nullptr);
        text = AnsiToWide(AnsiString(buffer, n));
    }
    text = TrimControls(text);
    if (text.empty())
        text = L"Unspecified error (" + std::to_wstring(int32_t(code)) + L") from " + moduleName + L".";
    return text;
}

BOOL CheckWin32Value(BOOL value)
{
    if (!value)
        RaiseLastOSError();
    return value;
}
