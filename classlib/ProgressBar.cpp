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

int TProgressBar::GetPosition() const
{
    if (HandleAllocated())
        return static_cast<int>(SendMessageA(FHandle, PBM_GETPOS, 0, 0));
    return FPosition;
}

void TProgressBar::SetParams(int position, int minimum, int maximum)
{
    // While the form is read, Position may come before Max: keep it as given.
    bool loading = GetComponentState() & csLoading;
    if (!loading && maximum < minimum)
        throw EInvalidOperation(Format("Property value out of range (%d..%d)", minimum, maximum));
    if (!loading)
        position = std::clamp(position, minimum, maximum);
    bool range = minimum != FMin || maximum != FMax;
    FMin = minimum;
    FMax = maximum;
    FPosition = position;
    if (HandleAllocated()) {
        if (range)
            SendMessageA(FHandle, PBM_SETRANGE32, static_cast<WPARAM>(FMin), FMax);
        SendMessageA(FHandle, PBM_SETPOS, static_cast<WPARAM>(FPosition), 0);
    }
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
    SendMessageA(FHandle, PBM_SETPOS, static_cast<WPARAM>(FPosition), 0);
}
