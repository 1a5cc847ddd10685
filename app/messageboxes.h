// The main window's message boxes: a message constant as the text, the
// program's dialog title, owned by the application window.
#pragma once

#include "classlib/Win.h"

// The box's answer (IDYES, IDNO, IDOK).
int ShowMessageConstant(const char* name, UINT flags);
// A question with Yes and No and the information icon; true only when the user answered Yes.
bool ConfirmedByUser(const char* messageConstant);
