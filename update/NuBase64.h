// Base64 of RFC 4648 (standard alphabet, "=" padding, no line breaks), for the Basic login header.
#pragma once

#include "classlib/System.h"

AnsiString Base64Encode(const AnsiString& text);
