#include "CSampleWindow.h"

#include "LayeredPaint.h"
#include "WindowPlacement.h"

namespace {

constexpr char ClassName[] = "LumisplashWindow";
constexpr UINT_PTR CloseTimerId = 100;
constexpr LRESULT AbortCreation = -1;

HINSTANCE ThisModule()
{
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       ClassName, &module);
    return module;
}

}

CSampleWindow::CSampleWindow(const char* imagePath, UINT displayMs)
    : m_imagePath(imagePath), m_displayMs(displayMs)
{
}

CSampleWindow::~CSampleWindow()
{
    if (FHandle)
        DestroyWindow(FHandle);
}

bool CSampleWindow::Create()
{
    // Without WS_POPUP a style of 0 would get a caption and border.
    CreateWindowExA(WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST, ClassName, "", WS_POPUP,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                    ThisModule(), this);
    return FHandle != nullptr;
}

void CSampleWindow::Show()
{
    FLoopRuns = true;
    ShowWindow(FHandle, SW_SHOW);
    UpdateWindow(FHandle);
}

LRESULT CALLBACK CSampleWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* created = static_cast<CSampleWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        created->FHandle = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* self = reinterpret_cast<CSampleWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(window, message, wParam, lParam);
    LRESULT result = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->FHandle = nullptr;
    }
    return result;
}

LRESULT CSampleWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return OnCreate();
    case WM_DESTROY:
        if (FLoopRuns)
            PostQuitMessage(0);
        return 0;
    case WM_LBUTTONDOWN:
        // Dragging the splash as if by its caption.
        SendMessageA(FHandle, WM_NCLBUTTONDOWN, HTCAPTION, lParam);
        return 0;
    case WM_RBUTTONUP:
        DestroyWindow(FHandle);
        PostQuitMessage(0);
        return 0;
    case WM_SHOWWINDOW:
        // Only when shown: hiding must not restart the display time.
        if (wParam)
            SetTimer(FHandle, CloseTimerId, m_displayMs, nullptr);
        return 0;
    case WM_TIMER:
        PostMessageW(FHandle, WM_CLOSE, 0, 0);
        KillTimer(FHandle, CloseTimerId);
        return 0;
    default:
        return DefWindowProcA(FHandle, message, wParam, lParam);
    }
}

LRESULT CSampleWindow::OnCreate()
{
    m_blend = BLENDFUNCTION{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    if (!m_image.Load(m_imagePath))
        return AbortCreation;
    FitClientArea(FHandle, static_cast<int>(m_image.GetWidth()), static_cast<int>(m_image.GetHeight()));
    CentreOnNearestWorkArea(FHandle);
    PaintLayered(FHandle, m_image, m_blend);
    return 0;
}

SplashWindowClass::SplashWindowClass()
{
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = CSampleWindow::WindowProc;
    windowClass.hInstance = ThisModule();
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = ClassName;
    FRegisteredHere = RegisterClassExA(&windowClass) != 0;
}

SplashWindowClass::~SplashWindowClass()
{
    if (FRegisteredHere)
        UnregisterClassA(ClassName, ThisModule());
}
