// What the tests of the component set share: a 32-bit top-down DIB section in
// a memory DC with a canvas on it, its pixels read back as colours.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "classlib/Graphics.h"

class TPixelSurface {
public:
    // Filled with `background` to begin with.
    TPixelSurface(int width, int height, COLORREF background = RGB(1, 2, 3));
    ~TPixelSurface();
    TPixelSurface(const TPixelSurface&) = delete;
    TPixelSurface& operator=(const TPixelSurface&) = delete;

    TCanvas* Canvas() { return FCanvas.get(); }
    HDC DC() const { return FDC; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // COLORREF of the pixel; GDI's queued drawing is flushed first.
    COLORREF Pixel(int x, int y) const;
    // Pixels of the colour within the rectangle.
    int Count(COLORREF color, const TRect& within) const;
    int Count(COLORREF color) const { return Count(color, TRect(0, 0, FWidth, FHeight)); }
    // The smallest rectangle holding every pixel that is not `background` (empty when none).
    TRect BoundsOfAllBut(COLORREF background) const;
    void Fill(COLORREF color);

private:
    int FWidth, FHeight;
    HDC FDC = nullptr;
    HBITMAP FBitmap = nullptr;
    HGDIOBJ FSaved = nullptr;
    uint32_t* FBits = nullptr;
    std::unique_ptr<TCanvas> FCanvas;
};

// Colour printing for failures: "RGB(r,g,b)".
std::string ColorText(COLORREF color);
