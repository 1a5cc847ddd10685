#include "classlib/Timer.h"

#include "classlib/Forms.h"

VARIRUVU_CLASS_INFO(TTimer, TComponent)
{
    info.Property("Enabled", &TTimer::GetEnabled, &TTimer::SetEnabled).Default(true);
    info.Property("Interval", &TTimer::GetInterval, &TTimer::SetInterval).Default(1000);
    info.Property("OnTimer", &TTimer::GetOnTimer, &TTimer::SetOnTimer);
}

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner), FWindow(AllocateHWnd(TWndMethod(this, &TTimer::WndProc))) {}

TTimer::~TTimer()
{
    KillTimer(FWindow, 1);
    DeallocateHWnd(FWindow);
}

// The system timer runs only while there is something to call and the
// component is fully read.
void TTimer::UpdateTimer()
{
    KillTimer(FWindow, 1);
    if (FEnabled && FInterval != 0 && FOnTimer && !(GetComponentState() & csLoading))
        if (!SetTimer(FWindow, 1, FInterval, nullptr))
            throw EOutOfResources(L"Not enough timers available");
}

void TTimer::Loaded()
{
    TComponent::Loaded();
    UpdateTimer();
}

void TTimer::SetEnabled(bool value)
{
    if (value != FEnabled) {
        FEnabled = value;
        UpdateTimer();
    }
}

void TTimer::SetInterval(unsigned value)
{
    if (value != FInterval) {
        FInterval = value;
        UpdateTimer();
    }
}

void TTimer::SetOnTimer(TNotifyEvent value)
{
    FOnTimer = value;
    UpdateTimer();
}

void TTimer::WndProc(TMessage& message)
{
    if (message.Msg != WM_TIMER) {
        message.Result = DefWindowProcA(FWindow, message.Msg, message.WParam, message.LParam);
        return;
    }
    try {
        if (FOnTimer)
            FOnTimer(this);
    } catch (...) {
        Application->HandleException(this);
    }
}
