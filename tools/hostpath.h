// Paths handed to our build-time tools by the host build.
#pragma once

#include "classlib/System.h"

// Under Wine, paths from the build arrive as host paths; the host's own
// conversion turns them into ones this program can open.
AnsiString LocalPath(const AnsiString& path);
