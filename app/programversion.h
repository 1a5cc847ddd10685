// The version of a program file, from its version resource.
#pragma once

#include <cstdint>

#include "classlib/System.h"

struct TVersionWords {
    uint16_t Major = 0, Minor = 0, Release = 0, Build = 0;
};

// The fixed file version of `fileName`; all zero when the file has no version resource.
TVersionWords ReadVersionWords(const AnsiString& fileName);
// "major.minor.release.build" of this program's file.
AnsiString GetProgramVersion();
AnsiString VersionText(const TVersionWords& words);
