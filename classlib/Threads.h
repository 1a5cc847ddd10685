// Threads.
#pragma once

#include <atomic>

#include "classlib/Object.h"
#include "classlib/Win.h"

// A thread object. Its body is ThreadMain; freeing the object waits for the
// body's end. That wait comes after a descendant's own destructor, so a
// descendant whose body still uses its members calls WaitFor there first.
// Bodies run on system threads that are kept and reused when a body ends:
// creating a system thread costs about a millisecond under Wine, more than
// erasing a small file.
class TThread : public TObject {
public:
    explicit TThread(bool CreateSuspended);
    ~TThread() override;

    void Resume();
    void Terminate() { FTerminated.store(true); }
    bool GetTerminated() const { return FTerminated.load(); }
    bool GetFreeOnTerminate() const { return FFreeOnTerminate; }
    void SetFreeOnTerminate(bool value) { FFreeOnTerminate = value; }
    // Waitable; signalled when the body has ended.
    HANDLE GetHandle() const { return FEnded; }
    // The system thread running the body; 0 before it has been started.
    DWORD GetThreadID() const { return FThreadID.load(); }
    // Waits for the body's end.
    void WaitFor();

protected:
    virtual void ThreadMain() = 0;

private:
    friend class TThreadRunner;
    void Run();

    HANDLE FEnded = nullptr;
    std::atomic<DWORD> FThreadID{0};
    std::atomic<bool> FTerminated{false};
    bool FFreeOnTerminate = false;
    bool FStarted = false;
};
