// The application's wide title and hint, wide typed characters for Unicode
// windows, and the wide accelerator match.
#pragma once

#include "classlib/Forms.h"

class TUniAppIdleEventControl;

// Keeps the application's title and hint in UTF-16 beside the class
// library's 8-bit ones, and takes characters above 255 meant for Unicode
// windows out of the 8-bit message pump, which would spoil them.
class TUniApplication : public TComponent {
public:
    explicit TUniApplication(TComponent* AOwner);
    ~TUniApplication() override;

    WideString GetTitle();
    void SetTitle(const WideString& value);
    WideString GetHint();
    void SetHint(const WideString& value);
    // The wide form of the hint the class library took from a control.
    void RefreshWideHint();

    // A character above 255 for a Unicode window, dispatched in UTF-16; true
    // when the message was taken.
    bool ProcessMessage(MSG& msg);

    TUniAppIdleEventControl* GetIdleControl() const { return FIdleControl; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void MainWindowHook(TMessage& message, bool& handled);
    WideString SourceLongHint();

    bool FMainFormSeen = false;
    WideString FWideAppHint;
    WideString FPendingTitle;
    TUniAppIdleEventControl* FIdleControl = nullptr;
};

// Sits on the main form so that the class library's idle-time action updates
// refresh the wide application hint through the control's own action.
class TUniAppIdleEventControl : public TControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO

    explicit TUniAppIdleEventControl(TComponent* AOwner);

private:
    void RefreshHint(TObject* sender);
};

// The one application object. The first call makes it and, on the NT family,
// installs the message hook for the calling thread, which must be the GUI
// thread; the program calls it at start-up.
TUniApplication* UniApplication();

// Whether the key's character is the caption's hot key: the character after
// the last single '&' ("&&" is a literal ampersand), case ignored.
bool IsWideCharAccel(WPARAM charCode, const WideString& caption);
