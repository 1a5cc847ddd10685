// Scratch folders and file listings for the unpacking and restart tests.
#pragma once

#include <vector>

#include "classlib/SysUtils.h"

// A scratch folder, removed with everything in it at the end.
class TUnpackFolder {
public:
    TUnpackFolder();
    TUnpackFolder(const TUnpackFolder&) = delete;
    TUnpackFolder& operator=(const TUnpackFolder&) = delete;
    ~TUnpackFolder();

    const AnsiString& Path() const { return FPath; }
    // The full name of an entry.
    AnsiString operator[](const AnsiString& name) const { return FPath + "\\" + name; }
    // The full name of a sub-folder, made with its parents, with a trailing backslash.
    AnsiString Folder(const AnsiString& name) const;

private:
    AnsiString FPath;
};

// The names of every file below the folder, relative to it, sorted.
std::vector<AnsiString> FilesBelow(const AnsiString& folder);

// The current directory for the lifetime of the object.
class TCurrentDirectory {
public:
    explicit TCurrentDirectory(const AnsiString& folder);
    TCurrentDirectory(const TCurrentDirectory&) = delete;
    TCurrentDirectory& operator=(const TCurrentDirectory&) = delete;
    ~TCurrentDirectory();

private:
    AnsiString FPrevious;
};
