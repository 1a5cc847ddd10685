#include "engine/shredchannel.h"

namespace {

// Long enough to cover the write of one buffer into the cache, short enough
// not to matter when the disk is slow and the other side blocks.
constexpr int64_t SpinMicroseconds = 200;

int64_t NowTicks()
{
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart;
}

int64_t TicksPerMicrosecond()
{
    static const int64_t ticks = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f.QuadPart >= 1000000 ? f.QuadPart / 1000000 : 1;
    }();
    return ticks;
}

// Spins until `done` holds or the spin time is over; true when it held.
template <typename Pred>
bool SpinUntil(Pred done)
{
    const int64_t limit = NowTicks() + SpinMicroseconds * TicksPerMicrosecond();
    for (int i = 0;; ++i) {
        if (done())
            return true;
        if ((i & 63) == 63 && NowTicks() >= limit)
            return false;
        YieldProcessor();
    }
}

}  // namespace

void TShredChannel::Send(UINT msg, WPARAM wParam, LPARAM lParam)
{
    FMsg = msg;
    FWParam = wParam;
    FLParam = lParam;
    FState.store(Posted, std::memory_order_release);

    if (!SpinUntil([this] { return FState.load(std::memory_order_acquire) == Done; })) {
        int32_t expected = Posted;
        if (FState.compare_exchange_strong(expected, Sending, std::memory_order_acq_rel)) {
            SendMessageA(FWindow, msg, wParam, lParam);
            FState.store(Idle, std::memory_order_release);
            return;
        }
        // The GUI thread took it just now: it is being handled.
        while (FState.load(std::memory_order_acquire) != Done)
            SwitchToThread();
    }
    FState.store(Idle, std::memory_order_release);
}

void TShredChannel::Wait(const TThread& worker, DWORD timeoutMs)
{
    if (SpinUntil([&] { return FState.load(std::memory_order_acquire) == Posted || worker.GetTerminated(); }))
        return;
    HANDLE thread = worker.GetHandle();
    MsgWaitForMultipleObjects(1, &thread, FALSE, timeoutMs, QS_ALLINPUT);
}

bool TShredChannel::Serve()
{
    int32_t expected = Posted;
    if (!FState.compare_exchange_strong(expected, Taken, std::memory_order_acq_rel))
        return false;
    SendMessageA(FWindow, FMsg, FWParam, FLParam);
    FState.store(Done, std::memory_order_release);
    return true;
}
