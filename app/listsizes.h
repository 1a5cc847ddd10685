// How many files and bytes a row of the file list stands for.
#pragma once

#include <cstdint>

#include "classlib/System.h"
#include "classlib/Win.h"

// True when the path's first match exists and is not a folder.
bool GetFileFindData(const AnsiString& path, WIN32_FIND_DATAA& data);
uint64_t FindDataSize(const WIN32_FIND_DATAA& data);
// The file's size; 0 when there is no such file.
int64_t GetFileSize64(const AnsiString& path);
bool IsNotDotEntry(const AnsiString& name);
// Adds the files (hidden and system ones too) and bytes of the folder root\relative
// and all its sub-folders to count and bytes. A linked folder is not entered: the
// erase run does not enter it either. A folder that is missing or cannot be listed adds nothing.
void CountFolder(const AnsiString& root, const AnsiString& relative, int32_t& count, int64_t& bytes);
