#include "SplashRun.h"

namespace {

BOOL CALLBACK TakeVisibleWindow(HWND window, LPARAM found)
{
    if (!IsWindowVisible(window))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

}

SplashRun::SplashRun(LumisplashLibrary& dll, const char* imagePath, uint32_t displayMs)
{
    std::string path = imagePath ? imagePath : "";
    const bool nullPath = imagePath == nullptr;
    FThread = std::thread([this, &dll, path, nullPath, displayMs] {
        FThreadId = GetCurrentThreadId();
        const DWORD start = GetTickCount();
        FResult = dll.SplashScreen(0, nullPath ? nullptr : path.c_str(), displayMs);
        FElapsedMs = GetTickCount() - start;
        MSG quit;
        FLeftQuitMessage = PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
        FReturned = true;
    });
}

// A call that failed to return on its own is ended through its message loop,
// so that a failing test does not hang.
SplashRun::~SplashRun()
{
    if (!FThread.joinable())
        return;
    if (!FReturned && FThreadId != 0)
        PostThreadMessageA(FThreadId, WM_QUIT, 0, 0);
    FThread.join();
}

HWND SplashRun::WaitForWindow(DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    do {
        HWND found = nullptr;
        if (FThreadId != 0)
            EnumThreadWindows(FThreadId, TakeVisibleWindow, reinterpret_cast<LPARAM>(&found));
        if (found) {
            FFoundAt = GetTickCount();
            return found;
        }
        Sleep(5);
    } while (!FReturned && GetTickCount() - start < timeoutMs);
    return nullptr;
}

DWORD SplashRun::WaitUntilHidden(HWND window, DWORD timeoutMs) const
{
    while (IsWindowVisible(window) && GetTickCount() - FFoundAt < timeoutMs)
        Sleep(5);
    return GetTickCount() - FFoundAt;
}

bool SplashRun::WaitForReturn(DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (!FReturned && GetTickCount() - start < timeoutMs)
        Sleep(5);
    if (!FReturned)
        return false;
    FThread.join();
    FThread = std::thread();
    return true;
}
