#include "app/licensedlg.h"

#include "app/formclasses.h"
#include "app/productinfo.h"
#include "unicode_controls/UniComCtrls.h"
#include <shellapi.h>

Tfrmlicensedlg* frmlicensedlg = nullptr;

VARIRUVU_CLASS_INFO(Tfrmlicensedlg, TForm)
{
    info.Method("FormCreate", &Tfrmlicensedlg::FormCreate);
    info.Method("btnCloseClick", &Tfrmlicensedlg::btnCloseClick);
    info.Method("Image2Click", &Tfrmlicensedlg::Image2Click);
}

Tfrmlicensedlg::Tfrmlicensedlg(TComponent* AOwner) : TForm(AOwner)
{
    RegisterFormClasses();
    LoadForm();
}

// The agreement's lines are read into a window that does not wrap: read into a
// wrapping one, each line would land among the shown lines of the one before.
// The window wraps once it holds them all.
void Tfrmlicensedlg::FormCreate(TObject*)
{
    RequiredPart<TUniRichEdit>(this, "UniRichEdit1")->SetWordWrap(true);
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
