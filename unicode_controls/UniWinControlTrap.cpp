#include <algorithm>
#include <vector>

#include "unicode/UniSystem.h"
#include "unicode_controls/UniControlsState.h"

namespace {

// Traps of controls that have no window now, for their next one. The list
// ends with the program; from then on the traps only let their windows go.
struct TTrapState {
    std::vector<TWinControlTrap*> Parked;
    bool ShutDown = false;
    int Live = 0;
};

// Never freed: windows may still call their traps while the program ends.
TTrapState& State()
{
    static auto* state = new TTrapState;
    return *state;
}

struct TShutDownMark {
    ~TShutDownMark() { State().ShutDown = true; }
} ShutDownMark;

void Unpark(TWinControlTrap* trap)
{
    auto& parked = State().Parked;
    parked.erase(std::remove(parked.begin(), parked.end(), trap), parked.end());
}

bool IsTextMessage(UINT msg)
{
    return msg == WM_SETTEXT || msg == WM_GETTEXT || msg == WM_GETTEXTLENGTH;
}

}  // namespace

UINT UniDestroyWindowMessage()
{
    static const UINT message = RegisterWindowMessageA("UniControls.DestroyWindow");
    return message;
}

TWinControlTrap::TWinControlTrap(TWinControl* control)
    : TComponent(nullptr), FOwnerControl(control),
      FControlProcInstance(MakeObjectInstance(TWndMethod(this, &TWinControlTrap::ControlProc))),
      FWindowProcInstance(MakeObjectInstance(TWndMethod(this, &TWinControlTrap::Win32Proc))),
      FDefaultProcInstance(MakeObjectInstance(TWndMethod(this, &TWinControlTrap::DefWin32Proc)))
{
    control->FreeNotification(this);
    ++State().Live;
}

TWinControlTrap::~TWinControlTrap()
{
    Unpark(this);
    if (FOwnerControl)
        FOwnerControl->RemoveFreeNotification(this);
    FreeObjectInstance(FControlProcInstance);
    FreeObjectInstance(FWindowProcInstance);
    FreeObjectInstance(FDefaultProcInstance);
    --State().Live;
}

int TWinControlTrap::LiveCount()
{
    return State().Live;
}

TWinControlTrap* TWinControlTrap::ForControl(TWinControl* control)
{
    auto& parked = State().Parked;
    for (auto it = parked.rbegin(); it != parked.rend(); ++it) {
        if ((*it)->FOwnerControl == control) {
            TWinControlTrap* trap = *it;
            parked.erase(std::next(it).base());
            return trap;
        }
    }
    return new TWinControlTrap(control);
}

void TWinControlTrap::Park()
{
    State().Parked.push_back(this);
}

void TWinControlTrap::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != opRemove || component != FOwnerControl)
        return;
    FOwnerControl = nullptr;
    if (FNestingDepth > 0)
        FFreePending = true;
    else
        delete this;
}

void TWinControlTrap::Trap(HWND wnd)
{
    FWindowHandle = wnd;
    FSavedWindowProcedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(wnd, GWLP_WNDPROC));
    FSavedDefaultProcedure = FOwnerControl->GetDefWndProc();
    SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FWindowProcInstance));
    FOwnerControl->SetDefWndProc(FDefaultProcInstance);
    HookMessageHandler();
}

bool TWinControlTrap::IsOwnHandler(const TWndMethod& handler)
{
    return handler == TWndMethod(this, &TWinControlTrap::WindowProcHandler);
}

// Another object may have put its handler in front of the control's; when
// that one passes messages on to ours, the trap is in the chain already.
void TWinControlTrap::HookMessageHandler()
{
    TWndMethod current = FOwnerControl->GetWindowProc();
    bool leadsToTrap;
    if (IsOwnHandler(current)) {
        leadsToTrap = true;
    } else if (current == TWndMethod(static_cast<TControl*>(FOwnerControl), &TControl::WndProc)) {
        leadsToTrap = false;
    } else {
        FProbeActive = true;
        FProbeSeen = false;
        TMessage probe{0, 0, 0, 0};
        current(probe);
        FProbeActive = false;
        leadsToTrap = FProbeSeen;
    }
    if (leadsToTrap)
        return;
    FSavedMessageHandler = current;
    FOwnerControl->SetWindowProc(TWndMethod(this, &TWinControlTrap::WindowProcHandler));
}

void TWinControlTrap::ControlProc(TMessage& message)
{
    FOwnerControl->MainWndProc(message);
}

void TWinControlTrap::Win32Proc(TMessage& message)
{
    if (State().ShutDown) {
        if (FOwnerControl && (message.Msg == WM_DESTROY || message.Msg == UniDestroyWindowMessage()))
            FOwnerControl->SetWindowHandle(nullptr);
        message.Result = DefWindowProcW(FWindowHandle, message.Msg, message.WParam, message.LParam);
        return;
    }
    ++FNestingDepth;
    FLastWindowMessage = message.Msg;
    message.Result = CallWindowProcW(FSavedWindowProcedure, FWindowHandle, message.Msg, message.WParam,
                                     message.LParam);
    if (--FNestingDepth == 0 && FFreePending)
        delete this;
}

void TWinControlTrap::WindowProcHandler(TMessage& message)
{
    if (message.Msg == 0 && FProbeActive)
        FProbeSeen = true;
    if (!FOwnerControl->HandleAllocated()) {
        FOwnerControl->WndProc(message);
        return;
    }
    bool fromWindow = FLastWindowMessage != 0;
    FLastWindowMessage = 0;
    if (message.Msg == CM_HINTSHOW)
        SwapHintWindow(*reinterpret_cast<THintInfo*>(message.LParam));
    if (fromWindow || !IsTextMessage(message.Msg)) {
        if (message.Msg == WM_CHAR)
            ParkWideChar(message);
        FSavedMessageHandler(message);
    } else {
        // Sent by code with an 8-bit buffer: the system converts for the Unicode window.
        message.Result = SendMessageA(FWindowHandle, message.Msg, message.WParam, message.LParam);
    }
    if (message.Msg == UniDestroyWindowMessage())
        Untrap();
}

void TWinControlTrap::DefWin32Proc(TMessage& message)
{
    switch (message.Msg) {
    case WM_NOTIFYFORMAT:
        message.Result = NotifyFormatAnswer(reinterpret_cast<HWND>(message.WParam));
        return;
    case WM_CHAR:
        RestoreWideChar(message);
        break;
    case WM_IME_CHAR:
        if (!IsWindowsXPOrLater()) {
            message.Result = SendMessageW(FWindowHandle, WM_CHAR, message.WParam, message.LParam);
            return;
        }
        break;
    case WM_DESTROY:
        Untrap();
        break;
    default:
        break;
    }
    message.Result = CallWindowProcW(FSavedDefaultProcedure, FWindowHandle, message.Msg, message.WParam,
                                     message.LParam);
}

void TWinControlTrap::Untrap()
{
    bool destroying = FOwnerControl->GetComponentState() & csDestroying;
    if (!destroying) {
        // The text outlives the window: the next window of the control gets it back.
        WideString text = GetWideText(FOwnerControl);
        WideControlHelper(FOwnerControl, true)->WideCaption = text;
    }
    if (IsOwnHandler(FOwnerControl->GetWindowProc()))
        FOwnerControl->SetWindowProc(FSavedMessageHandler);
    FOwnerControl->SetDefWndProc(FSavedDefaultProcedure);
    SetWindowLongPtrW(FWindowHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FSavedWindowProcedure));
    if (!destroying)
        Park();
}
