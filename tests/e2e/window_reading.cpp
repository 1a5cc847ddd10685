#include "window_reading.h"

#include <vector>

HWND ChildAt(HWND parent, POINT client)
{
    HWND found = parent;
    for (;;) {
        HWND child = ChildWindowFromPointEx(found, client, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
        if (!child || child == found)
            return found;
        MapWindowPoints(found, child, &client, 1);
        found = child;
    }
}

void ClickAt(HWND wnd, POINT client)
{
    const LPARAM at = MAKELPARAM(client.x, client.y);
    // Posted, as the mouse does: a click that opens a modal box must not hold the caller.
    PostMessageA(wnd, WM_MOUSEMOVE, 0, at);
    PostMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(wnd, WM_LBUTTONUP, 0, at);
}

namespace {

BOOL CALLBACK CollectPage(HWND wnd, LPARAM param)
{
    char name[32] = {};
    GetClassNameA(wnd, name, sizeof(name));
    if (lstrcmpA(name, "TTabSheet") == 0 && IsWindowVisible(wnd))
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(wnd);
    return TRUE;
}

}  // namespace

AnsiString VisiblePage(HWND mainWindow)
{
    std::vector<HWND> pages;
    EnumChildWindows(mainWindow, CollectPage, reinterpret_cast<LPARAM>(&pages));
    if (pages.size() != 1)
        return AnsiString();
    char text[256] = {};
    GetWindowTextA(pages.front(), text, sizeof(text));
    return text;
}

int InkIn(HWND wnd, const RECT& client)
{
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    // From the screen, as the user sees it: the window's own surface belongs to its process.
    POINT origin{client.left, client.top};
    ClientToScreen(wnd, &origin);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
    // Summed darkness rather than counted dark pixels: smoothed text spreads its ink over lighter pixels.
    int ink = 0;
    const auto* pixels = static_cast<const uint32_t*>(bits);
    for (int i = 0; i < width * height; ++i) {
        const uint32_t p = pixels[i];
        const int luminance = ((p >> 16 & 0xFF) * 30 + (p >> 8 & 0xFF) * 59 + (p & 0xFF) * 11) / 100;
        ink += 255 - luminance;
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return ink;
}
