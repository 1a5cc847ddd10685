#include "classlib/Classes.h"

#include <algorithm>
#include <memory>

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

TThread::TThread(bool CreateSuspended) : FSuspended(CreateSuspended)
{
    FHandle = CreateThread(nullptr, 0, &TThread::ThreadProc, this, CREATE_SUSPENDED, &FThreadID);
    if (!FHandle)
        throw EThread(L"Thread creation error: " + SysErrorMessage(GetLastError()));
    if (!CreateSuspended)
        ResumeThread(FHandle);
}

TThread::~TThread()
{
    if (FHandle) {
        if (GetCurrentThreadId() != FThreadID) {
            // A thread that never ran is released without running its body.
            if (FSuspended) {
                FTerminated.store(true);
                FSkipBody = true;
                FSuspended = false;
                ResumeThread(FHandle);
            }
            WaitForSingleObject(FHandle, INFINITE);
        }
        CloseHandle(FHandle);
    }
}

void TThread::Resume()
{
    if (FSuspended) {
        FSuspended = false;
        ResumeThread(FHandle);
    }
}

DWORD TThread::WaitFor()
{
    WaitForSingleObject(FHandle, INFINITE);
    DWORD code = 0;
    GetExitCodeThread(FHandle, &code);
    return code;
}

DWORD WINAPI TThread::ThreadProc(LPVOID param)
{
    auto* self = static_cast<TThread*>(param);
    if (!self->FSkipBody) {
        try {
            self->ThreadMain();
        } catch (...) {
            // A body that throws ends its own thread, not the process.
        }
    }
    self->FTerminated.store(true);
    if (self->FFreeOnTerminate && !self->FSkipBody)
        std::unique_ptr<TThread> release(self);
    return 0;
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
