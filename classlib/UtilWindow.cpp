#include "classlib/UtilWindow.h"

#include <memory>

#include "classlib/SysUtils.h"

namespace {

const char* const UtilWindowClass = "TVariruvuUtilWindow";

LRESULT CALLBACK UtilWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* method = reinterpret_cast<TWndMethod*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
    if (!method)
        return DefWindowProcA(wnd, msg, wParam, lParam);
    TMessage message{msg, wParam, lParam, 0};
    (*method)(message);
    return message.Result;
}

void RegisterUtilWindowClass()
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSA cls{};
    cls.lpfnWndProc = &UtilWindowProc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = UtilWindowClass;
    RegisterClassA(&cls);
    registered = true;
}

}  // namespace

HWND AllocateHWnd(TWndMethod method)
{
    RegisterUtilWindowClass();
    HWND wnd = CreateWindowExA(WS_EX_TOOLWINDOW, UtilWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    if (!wnd)
        throw EOutOfResources(L"Error creating window: " + SysErrorMessage(GetLastError()));
    if (method)
        SetWindowLongPtrA(wnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(std::make_unique<TWndMethod>(std::move(method)).release()));
    return wnd;
}

void DeallocateHWnd(HWND wnd)
{
    if (!wnd)
        return;
    std::unique_ptr<TWndMethod> method(reinterpret_cast<TWndMethod*>(GetWindowLongPtrA(wnd, GWLP_USERDATA)));
    SetWindowLongPtrA(wnd, GWLP_USERDATA, 0);
    DestroyWindow(wnd);
}
