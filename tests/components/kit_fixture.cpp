#include "kit_fixture.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

TPixelSurface::TPixelSurface(int width, int height, COLORREF background) : FWidth(width), FHeight(height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    FDC = CreateCompatibleDC(nullptr);
    FBitmap = CreateDIBSection(FDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!FDC || !FBitmap)
        throw std::runtime_error("no DIB section");
    FBits = static_cast<uint32_t*>(bits);
    FSaved = SelectObject(FDC, FBitmap);
    FCanvas = std::make_unique<TCanvas>();
    FCanvas->SetHandle(FDC);
    Fill(background);
}

TPixelSurface::~TPixelSurface()
{
    FCanvas->SetHandle(nullptr);
    SelectObject(FDC, FSaved);
    DeleteObject(FBitmap);
    DeleteDC(FDC);
}

COLORREF TPixelSurface::Pixel(int x, int y) const
{
    GdiFlush();
    uint32_t v = FBits[static_cast<size_t>(y) * FWidth + x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

int TPixelSurface::Count(COLORREF color, const TRect& within) const
{
    int n = 0;
    for (int y = within.top; y < within.bottom; ++y)
        for (int x = within.left; x < within.right; ++x)
            n += Pixel(x, y) == color;
    return n;
}

TRect TPixelSurface::BoundsOfAllBut(COLORREF background) const
{
    TRect r(FWidth, FHeight, 0, 0);
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x)
            if (Pixel(x, y) != background) {
                r.left = std::min<LONG>(r.left, x);
                r.top = std::min<LONG>(r.top, y);
                r.right = std::max<LONG>(r.right, x + 1);
                r.bottom = std::max<LONG>(r.bottom, y + 1);
            }
    return r.left < r.right ? r : TRect();
}

void TPixelSurface::Fill(COLORREF color)
{
    GdiFlush();
    uint32_t v = (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
    std::fill(FBits, FBits + static_cast<size_t>(FWidth) * FHeight, v);
}

std::string ColorText(COLORREF color)
{
    char text[32];
    std::snprintf(text, sizeof(text), "RGB(%u,%u,%u)", GetRValue(color), GetGValue(color), GetBValue(color));
    return text;
}
