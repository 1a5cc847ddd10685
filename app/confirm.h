// The main window's questions: Yes and No with the information icon, owned by
// the application window, the text a message constant.
#pragma once

// True only when the user answered Yes.
bool ConfirmedByUser(const char* messageConstant);
