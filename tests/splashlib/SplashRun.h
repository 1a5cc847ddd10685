#pragma once

#include "LumisplashLibrary.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

// One SplashScreen call on a thread of its own, so that the test can look
// at the splash window and act on it while the call blocks.
class SplashRun {
public:
    SplashRun(LumisplashLibrary& dll, const char* imagePath, uint32_t displayMs);
    ~SplashRun();
    SplashRun(const SplashRun&) = delete;
    SplashRun& operator=(const SplashRun&) = delete;

    // The visible window of the calling thread, or null when none shows up in time.
    HWND WaitForWindow(DWORD timeoutMs = 5000);
    // How long the window found stayed visible; the timeout when it stayed longer.
    // Closing begins by hiding, and under a bare X server Wine takes its time over the
    // rest, so this measures the display time better than the call's return does.
    DWORD WaitUntilHidden(HWND window, DWORD timeoutMs = 30000) const;
    // Waits for the call to return; false when it does not within the time.
    bool WaitForReturn(DWORD timeoutMs);
    uint32_t GetResult() const { return FResult; }
    DWORD GetElapsedMs() const { return FElapsedMs; }
    // A quit message that the call left behind would end the host's own loop.
    bool GetLeftQuitMessage() const { return FLeftQuitMessage; }

private:
    std::atomic<DWORD> FThreadId{0};
    std::atomic<bool> FReturned{false};
    uint32_t FResult = 0;
    DWORD FElapsedMs = 0;
    bool FLeftQuitMessage = false;
    DWORD FFoundAt = 0;
    std::thread FThread;
};
