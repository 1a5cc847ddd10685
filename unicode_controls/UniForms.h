// The application's wide title and hint, wide typed characters for Unicode
// windows, and the wide accelerator match.
#pragma once

#include "classlib/Forms.h"

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

private:
    void MainWindowHook(TMessage& message, bool& handled);
    WideString SourceLongHint();

    WideString FWideAppHint;
    WideString FPendingTitle;
};

// The one application object. The first call makes it and, on the NT family,
// installs the message hook for the calling thread, which must be the GUI
// thread; the program calls it at start-up.
TUniApplication* UniApplication();

// Whether the key's character is the caption's hot key: the character after
// the last single '&' ("&&" is a literal ampersand), case ignored.
bool IsWideCharAccel(WPARAM charCode, const WideString& caption);
