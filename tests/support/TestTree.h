// The folder tree that Python built and measured at build time (make_tree.py):
// read in place by the counting tests, copied by the tests that erase.
#pragma once

#include "classlib/System.h"
#include "tests/support/python_tree.h"

// The tree's folder as Windows names it, without a trailing backslash.
AnsiString PythonTreeFolder();
// Copies a folder with everything in it (`from` and `to` with trailing backslashes).
void CopyFolderTree(const AnsiString& from, const AnsiString& to);
