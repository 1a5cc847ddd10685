// System calls with UTF-16 arguments: the W function on the NT family, the
// A function with 8-bit text in the system ANSI code page elsewhere.
#pragma once

#include "classlib/System.h"

BOOL WideSetWindowText(HWND wnd, const WideString& text);
// count -1: the text up to its terminator.
int WideDrawText(HDC dc, const wchar_t* text, int count, RECT* rect, UINT format);
HMODULE WideLoadLibrary(const WideString& fileName);
HANDLE WideCreateFile(const WideString& fileName, DWORD access, DWORD share, SECURITY_ATTRIBUTES* security,
                      DWORD disposition, DWORD flagsAndAttributes, HANDLE templateFile);
HANDLE WideFindFirstFile(const WideString& fileName, WIN32_FIND_DATAW& findData);
BOOL WideFindNextFile(HANDLE handle, WIN32_FIND_DATAW& findData);
// As GetFullPathNameW; on the 8-bit path a result that does not fit leaves the buffer empty.
DWORD WideGetFullPathName(const WideString& fileName, DWORD bufferLength, wchar_t* buffer, wchar_t** filePart);
// As GetShortPathNameW; on the 8-bit path a result that does not fit leaves
// the longest leading part that ends with a backslash.
DWORD WideGetShortPathName(const WideString& longPath, wchar_t* buffer, DWORD bufferLength);
// LoadStringW on the NT family; elsewhere the string table is read here, and
// without a buffer the string's length is returned.
int WideLoadString(HINSTANCE module, UINT id, wchar_t* buffer, int bufferMax);

// True for a numeric resource identifier or atom rather than a text pointer.
bool IsResourceId(const void* p);
