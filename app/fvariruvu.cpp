// The program body: one instance, the forms, the message loop.
#include "app/erasedlg.h"
#include "app/licensedlg.h"
#include "app/progressdlg.h"
#include "app/restarthandover.h"
#include "app/splashdlg.h"
#include "classlib/Win.h"
#include "unicode_controls/UniForms.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    try {
        // What the units do as the program starts, before its body: the splash window comes first.
        ShowSplashAtStart();
    } catch (...) {
        Application->HandleException(nullptr);
    }
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
        Application->CreateForm(frmprogress);
        // A second splash window, never shown.
        TfrmSplash* hiddenSplash = nullptr;
        Application->CreateForm(hiddenSplash);
        Application->CreateForm(frmlicensedlg);
        Application->Run();
    } catch (...) {
        Application->HandleException(nullptr);
    }
    return 0;
}
