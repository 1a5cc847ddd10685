// The main window's message boxes: a message constant as the text, the
// program's dialog title, owned by the application window.
#pragma once

#include "classlib/System.h"
#include "classlib/Win.h"

// A message constant as 8-bit text in the system code page, for the runtime's boxes and labels.
AnsiString MessageText(const char* name);
// The box's answer (IDYES, IDNO, IDOK).
int ShowMessageConstant(const char* name, UINT flags);
// A question with Yes and No and the information icon; true only when the user answered Yes.
bool ConfirmedByUser(const char* messageConstant);
