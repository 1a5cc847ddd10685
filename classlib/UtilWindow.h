// The hidden utility window.
#pragma once

#include "classlib/Events.h"
#include "classlib/Messages.h"

using TWndMethod = TEvent<TMessage&>;

// A hidden top-level window whose messages go to `method`.
HWND AllocateHWnd(TWndMethod method);
void DeallocateHWnd(HWND wnd);
