#include "classlib/Classes.h"

#include <algorithm>
#include <memory>
#include <mutex>

#include "classlib/SysUtils.h"

// ---- TComponent ----

TComponent::TComponent(TComponent* AOwner)
{
    if (AOwner)
        AOwner->InsertComponent(this);
}

TComponent::~TComponent()
{
    SetComponentStateFlag(csDestroying, true);
    // Tell the components that asked for it, then free what this one owns.
    while (!FFreeNotifies.empty()) {
        TComponent* other = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        auto& back = other->FFreeNotifies;
        back.erase(std::remove(back.begin(), back.end(), this), back.end());
        other->Notification(this, opRemove);
    }
    while (!FComponents.empty()) {
        TComponent* child = FComponents.back();
        Remove(child);
        delete child;
    }
    if (FOwner)
        FOwner->RemoveComponent(this);
}

void TComponent::SetName(const AnsiString& name)
{
    FName = name;
}

void TComponent::SetComponentStateFlag(TComponentStateFlag flag, bool on)
{
    FComponentState = on ? (FComponentState | flag) : (FComponentState & ~flag);
}

void TComponent::InsertComponent(TComponent* component)
{
    if (component->FOwner)
        component->FOwner->RemoveComponent(component);
    Insert(component);
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component)
{
    Notification(component, opRemove);
    Remove(component);
}

void TComponent::Insert(TComponent* component)
{
    FComponents.push_back(component);
    component->FOwner = this;
}

void TComponent::Remove(TComponent* component)
{
    FComponents.erase(std::remove(FComponents.begin(), FComponents.end(), component), FComponents.end());
    component->FOwner = nullptr;
}

void TComponent::FreeNotification(TComponent* component)
{
    if (!component || component == this)
        return;
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component) == FFreeNotifies.end())
        FFreeNotifies.push_back(component);
    if (std::find(component->FFreeNotifies.begin(), component->FFreeNotifies.end(), this) ==
        component->FFreeNotifies.end())
        component->FFreeNotifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component)
{
    if (!component)
        return;
    FFreeNotifies.erase(std::remove(FFreeNotifies.begin(), FFreeNotifies.end(), component), FFreeNotifies.end());
    auto& back = component->FFreeNotifies;
    back.erase(std::remove(back.begin(), back.end(), this), back.end());
}

void TComponent::Notification(TComponent*, TOperation) {}

// ---- TThread ----

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

// ---- the hidden utility window ----

namespace {

const char* const UtilWindowClass = "TVariruvuUtilWindow";

LRESULT CALLBACK UtilWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* method = reinterpret_cast<TWndMethod*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
    if (!method)
        return DefWindowProcA(wnd, msg, wParam, lParam);
    TMessage message{msg, wParam, lParam, 0};
    (*method)(message);
    return message.Result;
}

void RegisterUtilWindowClass()
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSA cls{};
    cls.lpfnWndProc = &UtilWindowProc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = UtilWindowClass;
    RegisterClassA(&cls);
    registered = true;
}

}  // namespace

HWND AllocateHWnd(TWndMethod method)
{
    RegisterUtilWindowClass();
    HWND wnd = CreateWindowExA(WS_EX_TOOLWINDOW, UtilWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    if (!wnd)
        throw EOutOfResources(L"Error creating window: " + SysErrorMessage(GetLastError()));
    if (method)
        SetWindowLongPtrA(wnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(std::make_unique<TWndMethod>(std::move(method)).release()));
    return wnd;
}

void DeallocateHWnd(HWND wnd)
{
    if (!wnd)
        return;
    std::unique_ptr<TWndMethod> method(reinterpret_cast<TWndMethod*>(GetWindowLongPtrA(wnd, GWLP_USERDATA)));
    SetWindowLongPtrA(wnd, GWLP_USERDATA, 0);
    DestroyWindow(wnd);
}
