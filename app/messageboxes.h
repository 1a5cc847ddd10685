// The main window's message boxes: a message constant as the text, the
// program's dialog title, owned by the application window.
#pragma once

#include "classlib/Win.h"

// The box's answer (IDYES, IDNO, IDOK).
int ShowMessageConstant(const char* name, UINT flags);
