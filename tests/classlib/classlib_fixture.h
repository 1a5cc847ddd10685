// What the classlib tests share: a scratch folder and resource and file helpers.
#pragma once

#include "classlib/Classes.h"
#include "tests/support/ScratchFolder.h"

// A folder of its own under the temporary folder, removed with everything in it.
class TScratchFolder {
public:
    TScratchFolder();
    ~TScratchFolder();
    const AnsiString& Path() const { return FPath; }
    AnsiString File(const AnsiString& name) const { return FPath + "\\" + name; }

private:
    AnsiString FPath;
};

AnsiString ResourceBytes(const AnsiString& name);
// The text without its CR characters.
AnsiString WithoutCR(const AnsiString& text);
// The whole of a memory stream's content.
AnsiString StreamBytes(TMemoryStream& stream);
