#pragma once

#include "classlib/Win.h"

// Top-left corner that centres the window rectangle on the work area; a
// window too large for it keeps its left and top edge on the area's.
POINT CentredOrigin(const RECT& window, const RECT& workArea);

// Centres a window without parent or owner on the work area of the monitor
// nearest to it, without resizing, activating or changing the Z order.
void CentreOnNearestWorkArea(HWND window);

// Resizes the window so that its client area, by its own styles, is the given size.
void FitClientArea(HWND window, int width, int height);
