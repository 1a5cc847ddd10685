// What the files of the Unicode controls share: the trap of a Unicode
// window, the parking of wide characters in WM_CHAR and the counts the tests
// check for leaks.
#pragma once

#include "unicode_controls/UniControls.h"

// Sits between a Unicode window, its control's message chain and the system
// class. One per control, from its first Unicode window until the control is
// freed; parked while the control has no window.
class TWinControlTrap : public TComponent {
public:
    explicit TWinControlTrap(TWinControl* control);
    ~TWinControlTrap() override;

    // The parked trap of the control, taken out of the parked list, or a new one.
    static TWinControlTrap* ForControl(TWinControl* control);
    void Park();
    // The control's window procedure while it is being made, before the trap is in.
    WNDPROC GetControlProcInstance() const { return FControlProcInstance; }
    // Puts the trap between the control's new window and its chain.
    void Trap(HWND wnd);

    static int LiveCount();

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void Win32Proc(TMessage& message);
    void WindowProcHandler(TMessage& message);
    void DefWin32Proc(TMessage& message);
    void ControlProc(TMessage& message);
    void HookMessageHandler();
    void Untrap();
    bool IsOwnHandler(const TWndMethod& handler);

    TWinControl* FOwnerControl;
    HWND FWindowHandle = nullptr;
    WNDPROC FSavedWindowProcedure = nullptr;
    WNDPROC FSavedDefaultProcedure = nullptr;
    TWndMethod FSavedMessageHandler;
    UINT FLastWindowMessage = 0;
    int FNestingDepth = 0;
    bool FFreePending = false;
    bool FProbeActive = false;
    bool FProbeSeen = false;
    WNDPROC FControlProcInstance;
    WNDPROC FWindowProcInstance;
    WNDPROC FDefaultProcInstance;
};

// The control whose Unicode window is being made, between CreateWindowExW and
// the window's first message.
TWinControl*& UnicodeCreationControl();

// A character above 255 moves to the spare upper word of WM_CHAR's WParam
// and 255 stands in for it; a WParam whose spare word is taken already is
// left alone.
void ParkWideChar(TMessage& message);
void RestoreWideChar(TMessage& message);

// Puts the wide hint window in for a hint about to show (CM_HINTSHOW).
void SwapHintWindow(THintInfo& info);

int WideControlHelperCount();
