#include "classlib/Threads.h"

#include <memory>
#include <mutex>
#include <vector>

#include "classlib/SysUtils.h"

// Runs thread bodies on parked system threads, creating one only when none is free.
class TThreadRunner {
public:
    static TThreadRunner& Instance()
    {
        // Never destroyed: parked threads may still wait on it while the process ends.
        static TThreadRunner& runner = *new TThreadRunner;
        return runner;
    }

    void Start(TThread* body)
    {
        TParked* parked = nullptr;
        {
            std::lock_guard<std::mutex> lock(FLock);
            if (!FIdle.empty()) {
                parked = FIdle.back();
                FIdle.pop_back();
            }
        }
        if (!parked) {
            auto fresh = std::make_unique<TParked>();
            fresh->Runner = this;
            fresh->Go = CreateEventA(nullptr, FALSE, FALSE, nullptr);
            HANDLE thread = fresh->Go ? CreateThread(nullptr, 0, &TThreadRunner::Park, fresh.get(), 0, nullptr) : nullptr;
            if (!thread) {
                if (fresh->Go)
                    CloseHandle(fresh->Go);
                throw EThread(L"Thread creation error: " + SysErrorMessage(GetLastError()));
            }
            CloseHandle(thread);
            parked = fresh.release();  // owned by its own system thread from now on
        }
        parked->Body = body;
        SetEvent(parked->Go);
    }

private:
    struct TParked {
        TThreadRunner* Runner = nullptr;
        HANDLE Go = nullptr;
        TThread* Body = nullptr;
    };

    static constexpr size_t MaxIdle = 4;

    static DWORD WINAPI Park(LPVOID param)
    {
        std::unique_ptr<TParked> self(static_cast<TParked*>(param));
        for (;;) {
            WaitForSingleObject(self->Go, INFINITE);
            self->Body->Run();
            std::lock_guard<std::mutex> lock(self->Runner->FLock);
            if (self->Runner->FIdle.size() >= MaxIdle)
                break;
            self->Runner->FIdle.push_back(self.get());
        }
        CloseHandle(self->Go);
        return 0;
    }

    std::mutex FLock;
    std::vector<TParked*> FIdle;
};

TThread::TThread(bool CreateSuspended)
{
    FEnded = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (!FEnded)
        throw EThread(L"Thread creation error: " + SysErrorMessage(GetLastError()));
    if (!CreateSuspended)
        Resume();
}

TThread::~TThread()
{
    if (FStarted && GetCurrentThreadId() != FThreadID.load())
        WaitForSingleObject(FEnded, INFINITE);
    CloseHandle(FEnded);
}

void TThread::Resume()
{
    if (FStarted)
        return;
    FStarted = true;
    TThreadRunner::Instance().Start(this);
}

void TThread::WaitFor()
{
    if (FStarted)
        WaitForSingleObject(FEnded, INFINITE);
}

void TThread::Run()
{
    FThreadID.store(GetCurrentThreadId());
    try {
        ThreadMain();
    } catch (...) {
        // A body that throws ends itself, not the process.
    }
    FTerminated.store(true);
    const bool freeSelf = FFreeOnTerminate;
    SetEvent(FEnded);
    if (freeSelf)
        std::unique_ptr<TThread> release(this);
}
