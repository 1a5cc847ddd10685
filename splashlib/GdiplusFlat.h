// The flat GDI+ functions, without the class wrappers around them.
#pragma once

#include "classlib/Win.h"

// The lean Windows headers leave out the COM types that GDI+ declares with.
#include <objidl.h>
#include <gdiplus.h>

namespace gdip = Gdiplus::DllExports;
