#include "engine/shredchannel.h"

namespace {

// The worker's spin covers the GUI thread's wake-up and the handling of a
// progress message; the GUI thread's spin covers the write of one buffer, or
// the whole erase of a small file. Both are short beside a slow disk's flush,
// during which the two sides block.
constexpr int64_t WorkerSpinMicroseconds = 200;
constexpr int64_t GuiSpinMicroseconds = 1000;
// Half the engine's wait round: input is handled well within it.
constexpr int64_t QueueRoundMicroseconds = 5000;

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
bool SpinUntil(int64_t micros, Pred done)
{
    const int64_t limit = NowTicks() + micros * TicksPerMicrosecond();
    for (int i = 0;; ++i) {
        if (done())
            return true;
        if ((i & 63) == 63) {
            if (NowTicks() >= limit)
                return false;
            SwitchToThread();  // lets the other side run where cores are few
        }
        YieldProcessor();
    }
}

}  // namespace

TShredChannel::TShredChannel(HWND window) : FWindow(window), FWake(CreateEventA(nullptr, FALSE, FALSE, nullptr)) {}

TShredChannel::~TShredChannel()
{
    if (FWake)
        CloseHandle(FWake);
}

void TShredChannel::Send(UINT msg, WPARAM wParam, LPARAM lParam)
{
    FMsg = msg;
    FWParam = wParam;
    FLParam = lParam;
    FState.store(Posted);
    if (FGuiBlocked.load())
        SetEvent(FWake);

    if (!SpinUntil(WorkerSpinMicroseconds, [this] { return FState.load() == Done; })) {
        int32_t expected = Posted;
        if (FState.compare_exchange_strong(expected, Sending)) {
            SendMessageA(FWindow, msg, wParam, lParam);
            FState.store(Idle);
            return;
        }
        // The GUI thread took it just now: it is being handled.
        for (int i = 0; FState.load() != Done; ++i) {
            if (i < 1000)
                SwitchToThread();
            else
                Sleep(1);
        }
    }
    FState.store(Idle);
}

bool TShredChannel::Wait(const TThread& worker, DWORD timeoutMs)
{
    auto ready = [&] { return FState.load() == Posted || worker.GetTerminated(); };
    bool blocked = false;
    if (!SpinUntil(GuiSpinMicroseconds, ready)) {
        // Announce the block before the last look, so that a message posted
        // from now on sets the wake event (both sides use sequential consistency).
        FGuiBlocked.store(true);
        if (!ready()) {
            // The spin counts towards the round, so that message rounds stay at most timeoutMs apart.
            const DWORD spinMs = static_cast<DWORD>(GuiSpinMicroseconds / 1000);
            const HANDLE handles[2] = {worker.GetHandle(), FWake};
            MsgWaitForMultipleObjects(2, handles, FALSE, timeoutMs > spinMs ? timeoutMs - spinMs : 0, QS_ALLINPUT);
            blocked = true;
        }
        FGuiBlocked.store(false);
    }
    const int64_t now = NowTicks();
    if (!blocked && now - FLastQueueRound < QueueRoundMicroseconds * TicksPerMicrosecond())
        return false;
    FLastQueueRound = now;
    return true;
}

bool TShredChannel::Serve()
{
    int32_t expected = Posted;
    if (!FState.compare_exchange_strong(expected, Taken))
        return false;
    SendMessageA(FWindow, FMsg, FWParam, FLParam);
    FState.store(Done);
    return true;
}
