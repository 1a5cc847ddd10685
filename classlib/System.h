// String types and the one pair of code-page conversions everybody uses.
#pragma once

#include <string>

#include "classlib/Win.h"

// UTF-16 text, counted in 16-bit units.
using WideString = std::wstring;
// 8-bit text, in the system ANSI code page unless a routine names another.
using AnsiString = std::string;

static_assert(sizeof(wchar_t) == 2, "WideString must hold UTF-16 units");

WideString AnsiToWide(const AnsiString& s, UINT codePage = CP_ACP);
AnsiString WideToAnsi(const WideString& s, UINT codePage = CP_ACP);
