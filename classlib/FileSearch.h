// A search of the file system by pattern, closed with the object.
#pragma once

#include "classlib/System.h"
#include "classlib/Win.h"

class TFileSearch {
public:
    // Starts the search; Found() tells whether it gave a first entry.
    explicit TFileSearch(const AnsiString& pattern);
    ~TFileSearch();
    TFileSearch(const TFileSearch&) = delete;
    TFileSearch& operator=(const TFileSearch&) = delete;

    bool Found() const { return FHandle != INVALID_HANDLE_VALUE; }
    // The current entry; valid while Found().
    const WIN32_FIND_DATAA& Data() const { return FData; }
    AnsiString Name() const { return FData.cFileName; }
    bool IsFolder() const { return (FData.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
    // Moves to the next entry; false (and the search closed) when there is none.
    bool Next();

private:
    void Close();

    WIN32_FIND_DATAA FData{};
    HANDLE FHandle = INVALID_HANDLE_VALUE;
};
