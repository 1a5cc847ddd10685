// Paths and files handed to our build-time tools by the host build.
#pragma once

#include "classlib/System.h"

// Under Wine, paths from the build arrive as host paths; the host's own
// conversion turns them into ones this program can open.
AnsiString LocalPath(const AnsiString& path);

// The whole file, by a path LocalPath accepts.
AnsiString ReadHostFile(const AnsiString& fileName);
// Creates or replaces the file.
void WriteHostFile(const AnsiString& fileName, const AnsiString& bytes);
