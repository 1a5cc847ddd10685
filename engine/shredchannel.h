// Hands the worker's messages to the GUI thread one at a time, synchronously
// and in order. Both sides spin briefly on a shared state before they block:
// a SendMessageA round trip costs far more than a 64 KiB write into the
// cache, and the worker waits for every progress message to be handled.
#pragma once

#include <atomic>
#include <cstdint>

#include "classlib/Classes.h"

class TShredChannel {
public:
    explicit TShredChannel(HWND window);
    ~TShredChannel();
    TShredChannel(const TShredChannel&) = delete;
    TShredChannel& operator=(const TShredChannel&) = delete;

    // Worker side: returns once the GUI thread has handled the message. When
    // the GUI thread is not waiting in Wait and does not pick it up within the
    // spin (a modal loop of a nested handler, say), it goes by SendMessageA,
    // which any message loop of the GUI thread delivers.
    void Send(UINT msg, WPARAM wParam, LPARAM lParam);

    // GUI side: waits at most timeoutMs for a message of the worker, the end
    // of the worker, or any input of the GUI thread's own queue. True when
    // the GUI thread's own queue is due for a round: a look at it costs a
    // server round trip under Wine, far more than handing on a progress
    // message, so while the worker's messages keep coming it is looked at
    // every 5 ms, and after every wait that blocked.
    bool Wait(const TThread& worker, DWORD timeoutMs);
    // GUI side: handles the message the worker is waiting on, if there is one.
    bool Serve();

private:
    enum State : int32_t { Idle, Posted, Taken, Done, Sending };

    HWND FWindow;
    std::atomic<int32_t> FState{Idle};
    // Set while the GUI thread blocks in Wait; the worker then wakes it.
    std::atomic<bool> FGuiBlocked{false};
    HANDLE FWake;
    UINT FMsg = 0;
    WPARAM FWParam = 0;
    LPARAM FLParam = 0;
    int64_t FLastQueueRound = 0;  // performance-counter ticks
};
