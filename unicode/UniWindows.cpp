#include "unicode/UniWindows.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "unicode/UniSystem.h"
#include "unicode/UniWideStrUtils.h"

namespace {

// The A functions' path buffers: 260 characters of up to two bytes each.
constexpr DWORD AnsiPathBufferSize = 520;

void WidenInto(const char* source, wchar_t* dest, size_t destLength)
{
    StrLCopyW(dest, AnsiToWide(source).c_str(), destLength - 1);
}

void WidenFindData(const WIN32_FIND_DATAA& source, WIN32_FIND_DATAW& dest)
{
    dest.dwFileAttributes = source.dwFileAttributes;
    dest.ftCreationTime = source.ftCreationTime;
    dest.ftLastAccessTime = source.ftLastAccessTime;
    dest.ftLastWriteTime = source.ftLastWriteTime;
    dest.nFileSizeHigh = source.nFileSizeHigh;
    dest.nFileSizeLow = source.nFileSizeLow;
    dest.dwReserved0 = source.dwReserved0;
    dest.dwReserved1 = source.dwReserved1;
    WidenInto(source.cFileName, dest.cFileName, std::size(dest.cFileName));
    WidenInto(source.cAlternateFileName, dest.cAlternateFileName, std::size(dest.cAlternateFileName));
}

void ClearBuffer(wchar_t* buffer, DWORD bufferLength)
{
    if (buffer && bufferLength > 0)
        buffer[0] = L'\0';
}

}  // namespace

BOOL WideSetWindowText(HWND wnd, const WideString& text)
{
    if (IsUnicodePlatform())
        return SetWindowTextW(wnd, text.c_str());
    return SetWindowTextA(wnd, WideToAnsi(text).c_str());
}

int WideDrawText(HDC dc, const wchar_t* text, int count, RECT* rect, UINT format)
{
    if (IsUnicodePlatform())
        return DrawTextW(dc, text, count, rect, format);
    WideString part = count < 0 ? WideString(text) : WideString(text, size_t(count));
    return DrawTextA(dc, WideToAnsi(part).c_str(), -1, rect, format);
}

HMODULE WideLoadLibrary(const WideString& fileName)
{
    if (IsUnicodePlatform())
        return LoadLibraryW(fileName.c_str());
    return LoadLibraryA(WideToAnsi(fileName).c_str());
}

HANDLE WideCreateFile(const WideString& fileName, DWORD access, DWORD share, SECURITY_ATTRIBUTES* security,
                      DWORD disposition, DWORD flagsAndAttributes, HANDLE templateFile)
{
    if (IsUnicodePlatform())
        return CreateFileW(fileName.c_str(), access, share, security, disposition, flagsAndAttributes, templateFile);
    return CreateFileA(WideToAnsi(fileName).c_str(), access, share, security, disposition, flagsAndAttributes,
                       templateFile);
}

HANDLE WideFindFirstFile(const WideString& fileName, WIN32_FIND_DATAW& findData)
{
    if (IsUnicodePlatform())
        return FindFirstFileW(fileName.c_str(), &findData);
    WIN32_FIND_DATAA ansi{};
    HANDLE handle = FindFirstFileA(WideToAnsi(fileName).c_str(), &ansi);
    if (handle != INVALID_HANDLE_VALUE)
        WidenFindData(ansi, findData);
    return handle;
}

BOOL WideFindNextFile(HANDLE handle, WIN32_FIND_DATAW& findData)
{
    if (IsUnicodePlatform())
        return FindNextFileW(handle, &findData);
    WIN32_FIND_DATAA ansi{};
    BOOL found = FindNextFileA(handle, &ansi);
    if (found)
        WidenFindData(ansi, findData);
    return found;
}

DWORD WideGetFullPathName(const WideString& fileName, DWORD bufferLength, wchar_t* buffer, wchar_t** filePart)
{
    if (IsUnicodePlatform())
        return GetFullPathNameW(fileName.c_str(), bufferLength, buffer, filePart);
    char ansi[AnsiPathBufferSize];
    char* ansiFilePart = nullptr;
    DWORD n = GetFullPathNameA(WideToAnsi(fileName).c_str(), AnsiPathBufferSize, ansi, &ansiFilePart);
    if (filePart)
        *filePart = nullptr;
    if (n == 0 || n >= AnsiPathBufferSize) {
        ClearBuffer(buffer, bufferLength);
        return n;
    }
    WideString wide = AnsiToWide(AnsiString(ansi, n));
    if (wide.size() >= bufferLength) {
        ClearBuffer(buffer, bufferLength);
        return DWORD(wide.size() + 1);
    }
    StrPLCopyW(buffer, wide);
    if (filePart && ansiFilePart)
        *filePart = buffer + AnsiToWide(AnsiString(ansi, size_t(ansiFilePart - ansi))).size();
    return DWORD(wide.size());
}

DWORD WideGetShortPathName(const WideString& longPath, wchar_t* buffer, DWORD bufferLength)
{
    if (IsUnicodePlatform())
        return GetShortPathNameW(longPath.c_str(), buffer, bufferLength);
    char ansi[AnsiPathBufferSize];
    DWORD n = GetShortPathNameA(WideToAnsi(longPath).c_str(), ansi, AnsiPathBufferSize);
    if (n == 0 || n >= AnsiPathBufferSize) {
        ClearBuffer(buffer, bufferLength);
        return n;
    }
    WideString wide = AnsiToWide(AnsiString(ansi, n));
    if (wide.size() < bufferLength) {
        StrPLCopyW(buffer, wide);
        return DWORD(wide.size());
    }
    ClearBuffer(buffer, bufferLength);
    if (bufferLength >= 4) {
        size_t slash = wide.rfind(L'\\', bufferLength - 2);
        if (slash != WideString::npos)
            StrPLCopyW(buffer, wide.substr(0, slash + 1));
    }
    return DWORD(wide.size() + 1);
}

namespace {

// The 8-bit family's LoadString returns 8-bit text: read the UTF-16 string
// table block directly. A block holds 16 strings, each a length and its units.
int ReadStringTable(HINSTANCE module, UINT id, wchar_t* buffer, int bufferMax)
{
    if ((id >> 16) == 0xFFFF)
        id = 0u - id;
    id &= 0xFFFF;
    HRSRC info = FindResourceA(module, MAKEINTRESOURCEA((id >> 4) + 1), MAKEINTRESOURCEA(6));
    HGLOBAL data = info ? LoadResource(module, info) : nullptr;
    const auto* p = data ? static_cast<const uint16_t*>(LockResource(data)) : nullptr;
    if (!p)
        return 0;
    const uint16_t* end = p + SizeofResource(module, info) / sizeof(uint16_t);
    for (UINT skip = id & 15; skip > 0 && p < end; --skip)
        p += 1 + *p;
    if (p >= end)
        return 0;
    int length = std::min<int>(*p, int(end - p - 1));
    if (!buffer || bufferMax <= 0)
        return length;
    int n = std::min(bufferMax - 1, length);
    std::memcpy(buffer, p + 1, size_t(n) * sizeof(wchar_t));
    buffer[n] = L'\0';
    return n;
}

}  // namespace

int WideLoadString(HINSTANCE module, UINT id, wchar_t* buffer, int bufferMax)
{
    if (IsUnicodePlatform())
        return LoadStringW(module, id, buffer, bufferMax);
    return ReadStringTable(module, id, buffer, bufferMax);
}

bool IsResourceId(const void* p)
{
    return (reinterpret_cast<uintptr_t>(p) >> 16) == 0;
}
