// The program body: one instance, the forms, the message loop.
#include "app/erasedlg.h"
#include "app/restarthandover.h"
#include "classlib/Win.h"
#include "unicode_controls/UniForms.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    WaitForPreviousInstance();
    // A running instance is brought to the front; this start ends without passing its command line on.
    if (HWND running = FindWindowA("TfrmMain", "QUON Variruvu")) {
        SetForegroundWindow(running);
        return 0;
    }
    try {
        Application->Initialize();
        // The wide application object, before any window: typed characters above 255 reach the Unicode controls.
        UniApplication()->SetTitle(L"");
        TfrmMain* frmMain = nullptr;
        Application->CreateForm(frmMain);
        // Then the progress form, the hidden second splash window and the licence viewer, in this order.
        Application->Run();
    } catch (...) {
        Application->HandleException(nullptr);
    }
    return 0;
}
