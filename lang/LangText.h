// The text of a language file: its encoding and the split of its lines.
#pragma once

#include <cstdint>

#include "classlib/Streams.h"

class TWideStrings;
class TUniStrings;

constexpr uint16_t DefaultLangID = 1033;

// Loads the text from the stream's position into lines. A file with a
// byte-order mark (UTF-16 LE or BE, UTF-8) is read as that mark says;
// any other is 8-bit text in the code page of the language its LANGID names.
void DecodeLanguageText(TStream* stream, TUniStrings& lines);
// The value of the first line whose key is LANGID, from the top of the file;
// DefaultLangID when there is none or it is no number.
int32_t FindLangIdHeader(const TWideStrings& lines);
// Key and value around the first '=', both trimmed; false without a key.
bool SplitKeyValue(const WideString& line, AnsiString& key, WideString& value);
