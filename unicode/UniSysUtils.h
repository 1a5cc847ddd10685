// Wide file and path routines, the wide file search, locale strings and
// system error texts.
#pragma once

#include <cstdint>

#include "classlib/SysUtils.h"

WideString IncludeTrailingBackslashW(const WideString& path);
// The extension with its dot; '' when the last '.', '\' or ':' is not a dot.
WideString ExtractFileExtW(const WideString& fileName);
WideString ExpandFileNameW(const WideString& fileName);
// The 8.3 form; '' when the system cannot give it.
WideString ExtractShortPathNameW(const WideString& fileName);

// Read and write, no sharing, an existing file truncated.
HANDLE WideFileCreate(const WideString& fileName);
// Mode: one fmOpen... access and one fmShare... sharing (compatible sharing shares nothing).
HANDLE WideFileOpen(const WideString& fileName, uint16_t mode);
// True for an existing file; a folder is not one.
bool FileExistsW(const WideString& fileName);

struct TSearchRecW {
    TSearchRecW() = default;
    TSearchRecW(const TSearchRecW&) = delete;
    TSearchRecW& operator=(const TSearchRecW&) = delete;
    ~TSearchRecW();

    // Local time as DOS date (high 16 bits) and time (low 16 bits).
    DWORD WriteTime = 0;
    int64_t FileSize = 0;
    DWORD Attributes = 0;
    WideString FileName;
    DWORD SkipAttributes = 0;
    HANDLE SearchHandle = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAW SystemRecord{};
};

// Attr names the hidden, system, volume and directory entries to include.
// Both return 0 or the system's error code.
DWORD FindFirstW(const WideString& path, DWORD attr, TSearchRecW& f);
DWORD FindNextW(TSearchRecW& f);
// Closes the search once; later calls do nothing.
void FindCloseW(TSearchRecW& f);

// The locale's text, or def when the system has none.
WideString GetLocaleStrW(LCID locale, LCTYPE type, const WideString& def);

WideString SysErrorMessageW(DWORD code);
// The message of a module's message table, or of the system's when module is
// nullptr; "Unspecified error (code) from moduleName." when there is none.
WideString ModuleErrorMessageW(const WideString& moduleName, HMODULE module, DWORD code);

// Raises EOSError for the last error when value is 0.
BOOL CheckWin32Value(BOOL value);
