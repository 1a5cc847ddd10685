// The escapes of values in language files.
#pragma once

#include "classlib/System.h"

// \\ \n \t and \dd (two decimal digits) are read; any other backslash stays.
WideString UnescapeLangValue(const WideString& text);
// Every line break becomes \n, control characters \t or \dd, a backslash \\.
WideString EscapeLangValue(const WideString& text);
