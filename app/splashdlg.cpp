#include "app/splashdlg.h"

#include "app/formclasses.h"
#include "app/productinfo.h"
#include "app/programversion.h"
#include "app/settingsstore.h"
#include "unicode_controls/UniForms.h"

TfrmSplash* frmSplash = nullptr;

namespace {

// The application's title from the splash window on; the sign is the ANSI character 0x99.
const wchar_t* const SplashTitle = L"QUON Variruvu\u2122";

}  // namespace

VARIRUVU_CLASS_INFO(TfrmSplash, TForm)
{
    info.Method("FormCreate", &TfrmSplash::FormCreate);
    info.Method("FormShow", &TfrmSplash::FormShow);
}

TfrmSplash::TfrmSplash(TComponent* AOwner) : TForm(AOwner)
{
    RegisterFormClasses();
    LoadForm();
}

void TfrmSplash::FormCreate(TObject*)
{
    lblProgVers = RequiredPart<Tquonlabel>(this, "lblProgVers");
    UniApplication()->SetTitle(SplashTitle);
}

void TfrmSplash::FormShow(TObject*)
{
    lblProgVers->SetCaption(GetProgramVersion());
    SetCaption(ProgramName);
    UniApplication()->SetTitle(SplashTitle);
}

void ShowSplashAtStart()
{
    if (!ReadShowSplash())
        return;
    frmSplash = new TfrmSplash(nullptr);
    frmSplash->Show();
    frmSplash->Update();
    UniApplication()->SetTitle(SplashTitle);
}
