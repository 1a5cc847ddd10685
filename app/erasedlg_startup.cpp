// The main window's part in the windows of the start: the splash window's
// pause and close, and the licence viewer.
#include "app/erasedlg.h"
#include "app/licensedlg.h"
#include "app/settingsstore.h"
#include "app/splashdlg.h"

// The pause blocks the GUI thread on purpose: nothing of the program runs
// before the splash window has been seen.
void TfrmMain::CloseSplashIfShown()
{
    cbSplash->SetChecked(ReadShowSplash());
    if (!cbSplash->GetChecked())
        return;
    Sleep(5000);
    if (!frmSplash)
        return;
    frmSplash->Close();
    frmSplash->Release();
    frmSplash = nullptr;
}

void TfrmMain::ShowAgreementIfChosen()
{
    cbLicRun->SetChecked(ReadShowLicense());
    if (cbLicRun->GetChecked() && frmlicensedlg)
        frmlicensedlg->ShowModal();
}
