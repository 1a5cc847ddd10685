#include <gtest/gtest.h>

#include <atomic>
#include <functional>

#include "classlib/SysUtils.h"
#include "classlib/Threads.h"

namespace {

// A thread whose body is given by the test; it tells when it is freed.
class TProbeThread : public TThread {
public:
    TProbeThread(std::function<void(TProbeThread&)> body, std::atomic<bool>* freed = nullptr)
        : TThread(true), FBody(std::move(body)), FFreed(freed)
    {
    }
    ~TProbeThread() override
    {
        WaitFor();  // the body uses FBody
        if (FFreed)
            FFreed->store(true);
    }

protected:
    void ThreadMain() override { FBody(*this); }

private:
    std::function<void(TProbeThread&)> FBody;
    std::atomic<bool>* FFreed;
};

// A body that keeps to things outside its object, so that only the class
// library's own destructor waits for it.
HANDLE SleeperStarted = nullptr;
std::atomic<bool> SleeperEnded{false};

class TSleeperThread : public TThread {
public:
    TSleeperThread() : TThread(true) {}

protected:
    void ThreadMain() override
    {
        SetEvent(SleeperStarted);
        Sleep(200);
        SleeperEnded = true;
    }
};

}  // namespace

TEST(Threads, ASuspendedThreadRunsOnItsOwnSystemThreadOnlyWhenResumed)
{
    std::atomic<int> runs{0};
    std::atomic<DWORD> bodyThread{0};
    TProbeThread thread([&](TProbeThread& self) {
        bodyThread = GetCurrentThreadId();
        ++runs;
        self.Terminate();
    });
    Sleep(50);
    EXPECT_EQ(runs.load(), 0);
    EXPECT_FALSE(thread.GetTerminated());
    EXPECT_EQ(thread.GetThreadID(), 0u);

    thread.Resume();
    thread.Resume();  // a second start does nothing
    thread.WaitFor();
    EXPECT_EQ(runs.load(), 1);
    EXPECT_TRUE(thread.GetTerminated());
    EXPECT_NE(bodyThread.load(), GetCurrentThreadId());
    EXPECT_EQ(thread.GetThreadID(), bodyThread.load());
    EXPECT_EQ(WaitForSingleObject(thread.GetHandle(), 0), DWORD(WAIT_OBJECT_0));
}

// Freeing a thread object waits for its body, which may still be running.
TEST(Threads, FreeingWaitsForTheBodysEnd)
{
    SleeperStarted = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    {
        TSleeperThread thread;
        thread.Resume();
        ASSERT_EQ(WaitForSingleObject(SleeperStarted, 5000), DWORD(WAIT_OBJECT_0));
        EXPECT_FALSE(thread.GetTerminated());
    }
    EXPECT_TRUE(SleeperEnded.load());
    CloseHandle(SleeperStarted);
}

// FreeOnTerminate: the object goes by itself when its body has ended, and a
// body that raises ends its own thread, not the program.
TEST(Threads, FreeOnTerminateAndARaisingBody)
{
    std::atomic<bool> freed{false};
    HANDLE proceed = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    auto* thread = new TProbeThread(
        [&](TProbeThread&) {
            WaitForSingleObject(proceed, 5000);
            throw Exception(L"failed in the body");
        },
        &freed);
    thread->SetFreeOnTerminate(true);
    EXPECT_TRUE(thread->GetFreeOnTerminate());
    thread->Resume();
    SetEvent(proceed);
    for (int i = 0; i < 500 && !freed; ++i)
        Sleep(10);
    EXPECT_TRUE(freed.load());
    CloseHandle(proceed);
}

// Many short threads one after the other all run, whether a parked system
// thread takes them or a new one.
TEST(Threads, ShortThreadsInARowAllRun)
{
    std::atomic<int> runs{0};
    for (int i = 0; i < 200; ++i) {
        TProbeThread thread([&](TProbeThread&) { ++runs; });
        thread.Resume();
    }
    EXPECT_EQ(runs.load(), 200);
}
