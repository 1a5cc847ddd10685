// Routines on terminated UTF-16 buffers and on wide strings: delimiters,
// tokens and line breaks.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "classlib/System.h"

size_t StrLenW(const wchar_t* str);
wchar_t* StrEndW(wchar_t* str);
const wchar_t* StrEndW(const wchar_t* str);
wchar_t* StrMoveW(wchar_t* dest, const wchar_t* source, size_t count);
// At most maxLen characters, stopping at the source's terminator; dest is always terminated.
wchar_t* StrLCopyW(wchar_t* dest, const wchar_t* source, size_t maxLen);
wchar_t* StrPLCopyW(wchar_t* dest, const WideString& s);
// The first ch (the terminator when ch is 0); nullptr when absent.
const wchar_t* StrScanW(const wchar_t* str, wchar_t ch);
// nullptr for an empty string.
const wchar_t* LastCharW(const wchar_t* str);

// A buffer from StrNewW; the 32 bits before the characters hold its byte size.
struct TStrDisposeW {
    void operator()(wchar_t* str) const;
};
using TWideBuffer = std::unique_ptr<wchar_t[], TStrDisposeW>;
TWideBuffer StrNewW(const wchar_t* str);
TWideBuffer StrNewW(const WideString& s);

// Indexes are 1-based.
bool IsDelimiterW(const WideString& delimiters, const WideString& s, size_t index);
bool IsPathDelimiterW(const WideString& s, size_t index);
// 0 when no character of s is one of the delimiters.
size_t LastDelimiterW(const WideString& delimiters, const WideString& s);

// The text up to the next delim; the cursor stops behind it, or on the
// terminator when there is none. With delim NUL the cursor always moves
// behind the terminator: the buffer holds terminated texts, ended by an empty one.
void NextTokenW(const wchar_t*& cursor, wchar_t delim, WideString& token);
// The tokens up to the first empty one.
std::vector<WideString> SplitWideBuffer(const wchar_t* buffer, wchar_t delim);

enum TLineBreakStyle { lbsLF = 0, lbsCRLF = 1, lbsCR = 2 };
// Every CR LF, lone CR, lone LF and U+2028 written in the one style.
WideString ConvertLineBreaksW(const WideString& text, TLineBreakStyle style);
size_t ConvertedLineBreaksLength(const WideString& text, TLineBreakStyle style);
