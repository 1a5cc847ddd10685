#include "app/licensedlg.h"

#include "app/formclasses.h"
#include "app/productinfo.h"
#include <shellapi.h>

Tfrmlicensedlg* frmlicensedlg = nullptr;

VARIRUVU_CLASS_INFO(Tfrmlicensedlg, TForm)
{
    info.Method("btnCloseClick", &Tfrmlicensedlg::btnCloseClick);
    info.Method("Image2Click", &Tfrmlicensedlg::Image2Click);
}

Tfrmlicensedlg::Tfrmlicensedlg(TComponent* AOwner) : TForm(AOwner)
{
    RegisterFormClasses();
    LoadForm();
}

void Tfrmlicensedlg::btnCloseClick(TObject*)
{
    Close();
}

void Tfrmlicensedlg::Image2Click(TObject*)
{
    ShellExecuteA(Application->GetHandle(), "open", (AnsiString(MakerSite) + "home-e.html").c_str(), nullptr,
                  nullptr, SW_SHOWNORMAL);
}
