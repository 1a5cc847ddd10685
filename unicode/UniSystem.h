// The platform choice of the Unicode layer, its exceptions, code-page
// conversions, the UTF-8 and UTF-7 codecs and wide resource strings.
#pragma once

#include <cstdint>

#include "classlib/SysUtils.h"

VARIRUVU_EXCEPTION(EUniGeneralError, Exception);
VARIRUVU_EXCEPTION(EUniInternalError, Exception);

// True on the NT family, whose system functions take UTF-16.
bool IsUnicodePlatform();
bool IsWindowsXPOrLater();
// For tests only: Wine is always of the NT family, so the 8-bit paths of the
// older family are reached by clearing the flag here.
void SetUnicodePlatformForTesting(bool unicode);

// The code page of the ANSI views of wide lists that have none of their own.
UINT DefaultCodePage();

// CP_UTF7 and CP_UTF8 use the layer's own codecs; a code page the system
// rejects gives an empty result.
WideString AnsiToWideCP(const AnsiString& s, UINT codePage);
AnsiString WideToAnsiCP(const WideString& s, UINT codePage);

// The default ANSI code page of a locale; GetACP for a locale the system does not know.
UINT GetLocaleAnsiCodePage(LCID locale);
// The ANSI code page of the calling thread's keyboard layout.
UINT GetKeyboardCodePage();
// A key's character in the keyboard's code page; values of 256 and above are already UTF-16.
wchar_t KeyCharToUnicode(uint16_t key);

// Swaps the bytes of every unit up to the first zero unit.
void SwapUtf16Bytes(wchar_t* text);

// Each UTF-16 unit on its own: a surrogate pair becomes two three-byte sequences.
AnsiString EncodeUtf8(const WideString& s);
// Invalid input (cut or overlong sequences, stray bytes) gives ''.
WideString DecodeUtf8(const AnsiString& s);
AnsiString EncodeUtf7(const WideString& s);
// Raises EUniGeneralError "Invalid UTF7" on malformed input.
WideString DecodeUtf7(const AnsiString& s);

// A string resource: its module (nullptr for the program) and identifier.
struct TResStringRec {
    HMODULE Module;
    UINT Identifier;
};

// At most 4096 characters; '' for a missing record or string.
WideString LoadWideResourceString(const TResStringRec* rec);
