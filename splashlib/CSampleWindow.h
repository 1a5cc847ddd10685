#pragma once

#include "SplashImage.h"

// The splash: a borderless, layered, topmost tool window whose client area is
// the image. It closes itself after the display time or on a right click.
class CSampleWindow {
public:
    CSampleWindow(const char* imagePath, UINT displayMs);
    ~CSampleWindow();
    CSampleWindow(const CSampleWindow&) = delete;
    CSampleWindow& operator=(const CSampleWindow&) = delete;

    // False when the image did not load or the window could not be made.
    bool Create();
    void Show();

private:
    friend class SplashWindowClass;
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnCreate();

    HWND FHandle = nullptr;
    bool FLoopRuns = false;  // a window that failed to come up must not end the host's loop
    SplashImage m_image;
    BLENDFUNCTION m_blend{};
    const char* m_imagePath;  // the host's, valid for the call
    UINT m_displayMs;
};

// The splash's window class, registered for the length of one splash call; a
// call nested inside another finds it registered and leaves it to that one.
class SplashWindowClass {
public:
    SplashWindowClass();
    ~SplashWindowClass();
    SplashWindowClass(const SplashWindowClass&) = delete;
    SplashWindowClass& operator=(const SplashWindowClass&) = delete;

private:
    bool FRegisteredHere = false;
};
