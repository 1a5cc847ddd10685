#include "classlib/FileSearch.h"

TFileSearch::TFileSearch(const AnsiString& pattern)
{
    FHandle = FindFirstFileA(pattern.c_str(), &FData);
}

TFileSearch::~TFileSearch()
{
    Close();
}

bool TFileSearch::Next()
{
    if (Found() && FindNextFileA(FHandle, &FData))
        return true;
    Close();
    return false;
}

void TFileSearch::Close()
{
    if (Found())
        FindClose(FHandle);
    FHandle = INVALID_HANDLE_VALUE;
}
