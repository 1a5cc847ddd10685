#pragma once

#include "SplashImage.h"

// Puts the image on screen as the layered window's whole content, with the
// image's per-pixel alpha. Painted once; the system keeps it from then on.
void PaintLayered(HWND window, const SplashImage& image, const BLENDFUNCTION& blend);
