#include "Lumisplash.h"

#include "CSampleWindow.h"
#include "GdiplusSession.h"

#include <commctrl.h>

namespace {

WPARAM RunMessageLoop()
{
    MSG message{};
    for (;;) {
        BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0)
            return message.wParam;
        if (got == -1)
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}

// Blocks the calling thread, running its messages, until the splash has gone.
uint32_t __stdcall SplashScreen(uint32_t, const char* imagePath, uint32_t displayMs)
{
    INITCOMMONCONTROLSEX controls{sizeof(controls), 0xFF};
    InitCommonControlsEx(&controls);

    // Declared in this order so that the image dies before GDI+ goes down.
    GdiplusSession gdiplus;
    SplashWindowClass windowClass;
    CSampleWindow window(imagePath, displayMs);
    if (!window.Create())
        return SplashNotShown;
    window.Show();
    return static_cast<uint32_t>(RunMessageLoop());
}
