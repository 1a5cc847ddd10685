// Components, threads and the hidden utility window.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "classlib/Events.h"
#include "classlib/Messages.h"
#include "classlib/Object.h"
#include "classlib/System.h"

enum TOperation { opInsert, opRemove };

enum TComponentStateFlag : uint32_t {
    csLoading = 1u << 0,
    csReading = 1u << 1,
    csWriting = 1u << 2,
    csDesigning = 1u << 3,
    csDestroying = 1u << 4,
};
using TComponentState = uint32_t;

// A component owns the components created with it as owner and frees them,
// the last one first, when it is freed itself.
class TComponent : public TObject {
public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;

    TComponent* GetOwner() const { return FOwner; }
    const AnsiString& GetName() const { return FName; }
    virtual void SetName(const AnsiString& name);
    TComponentState GetComponentState() const { return FComponentState; }

    int GetComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* GetComponents(int index) const { return FComponents.at(static_cast<size_t>(index)); }

    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

    // Asks to be told (by Notification with opRemove) when `component` is freed.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

protected:
    virtual void Notification(TComponent* component, TOperation operation);
    void SetComponentStateFlag(TComponentStateFlag flag, bool on);

private:
    void Insert(TComponent* component);
    void Remove(TComponent* component);

    TComponent* FOwner = nullptr;
    AnsiString FName;
    TComponentState FComponentState = 0;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
};

// A thread object. Its body is ThreadMain; freeing the object waits for the
// body's end. Bodies run on system threads that are kept and reused when a
// body ends: creating a system thread costs about a millisecond under Wine,
// more than erasing a small file.
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

using TWndMethod = TEvent<TMessage&>;

// A hidden top-level window whose messages go to `method`.
HWND AllocateHWnd(TWndMethod method);
void DeallocateHWnd(HWND wnd);
