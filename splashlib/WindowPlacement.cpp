#include "WindowPlacement.h"

#include <algorithm>

POINT CentredOrigin(const RECT& window, const RECT& workArea)
{
    const LONG width = window.right - window.left;
    const LONG height = window.bottom - window.top;
    LONG left = (workArea.left + workArea.right) / 2 - width / 2;
    LONG top = (workArea.top + workArea.bottom) / 2 - height / 2;
    left = std::max(std::min(left, workArea.right - width), workArea.left);
    top = std::max(std::min(top, workArea.bottom - height), workArea.top);
    return POINT{left, top};
}

void CentreOnNearestWorkArea(HWND window)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (!GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor))
        return;
    RECT bounds{};
    GetWindowRect(window, &bounds);
    const POINT origin = CentredOrigin(bounds, monitor.rcWork);
    SetWindowPos(window, nullptr, origin.x, origin.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FitClientArea(HWND window, int width, int height)
{
    RECT bounds{0, 0, width, height};
    AdjustWindowRectEx(&bounds, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)),
                       GetMenu(window) != nullptr,
                       static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)));
    SetWindowPos(window, nullptr, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
