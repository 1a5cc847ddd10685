// The measures of the newer-than test: byte sum, size and version of a local
// file, and version texts "a.b.c.d". A file version is a pair of words: MS holds
// major and minor, LS release and build; (-1, -1) means "no version".
#pragma once

#include <cstdint>

#include "classlib/System.h"

// -1 plus every byte; -1 for an empty file or one that cannot be opened.
int32_t ByteSum(const AnsiString& fileName);
// The low 32 bits of the size; 0 when the file cannot be opened.
int32_t LocalFileSize(const AnsiString& fileName);
void GetFileVersion(const AnsiString& fileName, int32_t& MS, int32_t& LS);
// A comma separates when there is one, else a dot; parts that do not read leave -1 (see the tests).
void ParseVersion(const AnsiString& text, int32_t& MS, int32_t& LS);
AnsiString FormatVersion(int32_t MS, int32_t LS);
