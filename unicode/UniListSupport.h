// What the wide list classes share: update brackets, line splitting,
// locale comparison and raw UTF-16 stream text.
#pragma once

#include <vector>

#include "classlib/Streams.h"
#include "classlib/System.h"

// Holds a list's update bracket open for a scope.
template <class L>
class TUpdateBracket {
public:
    explicit TUpdateBracket(L& list) : FList(list) { FList.BeginUpdate(); }
    TUpdateBracket(const TUpdateBracket&) = delete;
    TUpdateBracket& operator=(const TUpdateBracket&) = delete;
    ~TUpdateBracket() { FList.EndUpdate(); }

private:
    L& FList;
};

// The lines of a terminated text: CR LF, CR, LF, U+2028 and CR LF U+2028 each
// end one line; a final break adds no empty line.
std::vector<WideString> SplitTextLines(const wchar_t* text);

// CompareString of the user's locale (8-bit off the NT family): -1, 0 or 1.
int CompareWideStrings(const WideString& s1, const WideString& s2, DWORD flags);

// The rest of the stream as UTF-16 LE characters; an odd last byte is left unread.
WideString ReadWideChars(TStream* stream);
AnsiString ReadRemainingBytes(TStream* stream);
void WriteWideChars(TStream* stream, const WideString& text);
