#include "classlib/ComCtrls.h"

void InitCommonControls6()
{
    static const bool done = [] {
        INITCOMMONCONTROLSEX init{sizeof(init), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS |
                                                    ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES};
        return InitCommonControlsEx(&init) != FALSE;
    }();
    (void)done;
}

VARIRUVU_CLASS_INFO(TProgressBar, TWinControl)
{
    info.Property("Min", &TProgressBar::GetMin, &TProgressBar::SetMin).Default(0);
    info.Property("Max", &TProgressBar::GetMax, &TProgressBar::SetMax).Default(100);
    info.Property("Position", &TProgressBar::GetPosition, &TProgressBar::SetPosition).Default(0);
    info.Property("Smooth", &TProgressBar::GetSmooth, &TProgressBar::SetSmooth).Default(false);
    info.Property("Step", &TProgressBar::GetStep, &TProgressBar::SetStep).Default(10);
}

TProgressBar::TProgressBar(TComponent* AOwner) : TWinControl(AOwner)
{
    FControlStyle.Exclude(csSetCaption);
    SetBounds(0, 0, 150, 16);
}

void TProgressBar::SetParams(int position, int minimum, int maximum)
{
    // While the form is read, Position may come before Max: keep it as given.
    bool loading = GetComponentState() & csLoading;
    if (!loading && maximum < minimum)
        throw EInvalidOperation(Format("Property value out of range (%d..%d)", minimum, maximum));
    if (!loading)
        position = std::clamp(position, minimum, maximum);
    const bool range = minimum != FMin || maximum != FMax;
    const bool moved = range || position != FPosition;
    FMin = minimum;
    FMax = maximum;
    FPosition = position;
    if (!HandleAllocated())
        return;
    if (range)
        SendMessageA(FHandle, PBM_SETRANGE32, static_cast<WPARAM>(FMin), FMax);
    // The window draws a new position at once, which costs far more than a bar
    // that moves thousands of times a second can pay: it is told with its next paint.
    if (moved && FPositionShown) {
        FPositionShown = false;
        InvalidateRect(FHandle, nullptr, FALSE);
    }
}

void TProgressBar::ShowPosition()
{
    if (FPositionShown)
        return;
    FPositionShown = true;
    FShowingPosition = true;
    TMessage set{PBM_SETPOS, static_cast<WPARAM>(FPosition), 0, 0};
    DefaultHandler(set);
    FShowingPosition = false;
}

void TProgressBar::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case PBM_GETPOS:
        message.Result = FPosition;
        return;
    case PBM_SETPOS:
        message.Result = FPosition;
        SetPosition(static_cast<int>(message.WParam));
        return;
    case WM_PAINT:
        // The window's own repaint of the position it is being told: the paint
        // that tells it follows and draws it.
        if (FShowingPosition)
            return;
        ShowPosition();
        break;
    case WM_PRINTCLIENT:
        ShowPosition();
        break;
    default:
        break;
    }
    TWinControl::WndProc(message);
}

void TProgressBar::SetSmooth(bool value)
{
    if (FSmooth != value) {
        FSmooth = value;
        RecreateWnd();
    }
}

void TProgressBar::CreateParams(TCreateParams& params)
{
    InitCommonControls6();
    TWinControl::CreateParams(params);
    CreateSubClass(params, PROGRESS_CLASSA);
    if (FSmooth)
        params.Style |= PBS_SMOOTH;
}

void TProgressBar::CreateWnd()
{
    FPosition = std::clamp(FPosition, FMin, FMax);
    TWinControl::CreateWnd();
    SendMessageA(FHandle, PBM_SETRANGE32, static_cast<WPARAM>(FMin), FMax);
    FPositionShown = false;
    ShowPosition();
}
