#include "LayeredPaint.h"

#include <memory>
#include <type_traits>

namespace {

struct WindowDcRelease {
    HWND window;
    void operator()(HDC dc) const { ReleaseDC(window, dc); }
};
struct DcDelete {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct ObjectDelete {
    void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};

using WindowDc = std::unique_ptr<std::remove_pointer_t<HDC>, WindowDcRelease>;
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDelete>;
using Bitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, ObjectDelete>;

// Per-pixel alpha needs 32 bits per pixel whatever the display's depth is,
// so the surface is a DIB section rather than a bitmap like the screen's.
Bitmap CreateArgbSurface(HDC dc, int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    return Bitmap(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
}

}

void PaintLayered(HWND window, const SplashImage& image, const BLENDFUNCTION& blend)
{
    RECT bounds{};
    GetWindowRect(window, &bounds);
    POINT position{bounds.left, bounds.top};
    SIZE size{bounds.right - bounds.left, bounds.bottom - bounds.top};

    WindowDc windowDc(GetDC(window), WindowDcRelease{window});
    MemoryDc memoryDc(CreateCompatibleDC(windowDc.get()));
    Bitmap surface = CreateArgbSurface(memoryDc.get(), size.cx, size.cy);
    if (!windowDc || !memoryDc || !surface)
        return;
    HGDIOBJ previous = SelectObject(memoryDc.get(), surface.get());
    image.DrawTo(memoryDc.get());
    POINT source{0, 0};
    BLENDFUNCTION blendCopy = blend;
    UpdateLayeredWindow(window, windowDc.get(), &position, &size, memoryDc.get(), &source, 0,
                        &blendCopy, ULW_ALPHA);
    SelectObject(memoryDc.get(), previous);
}
