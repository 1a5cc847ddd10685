#include "app/progressdlg.h"

#include "app/formclasses.h"
#include "app/productinfo.h"

Tfrmprogress* frmprogress = nullptr;

VARIRUVU_CLASS_INFO(Tfrmprogress, TForm)
{
    info.Method("FormShow", &Tfrmprogress::FormShow);
}

Tfrmprogress::Tfrmprogress(TComponent* AOwner) : TForm(AOwner)
{
    RegisterFormClasses();
    LoadForm();
    lblSelectMethod = RequiredPart<TUniLabel>(this, "lblSelectMethod");
    lblSherdFile = RequiredPart<TUniLabel>(this, "lblSherdFile");
    cpProgBar = RequiredPart<TUniProgressBar>(this, "cpProgBar");
    tpProgBar = RequiredPart<TUniProgressBar>(this, "tpProgBar");
}

void Tfrmprogress::FormShow(TObject*)
{
    SetCaption(ProgramName);
}
