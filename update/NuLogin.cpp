#include "update/NuLogin.h"

#include <memory>

namespace {

template <class C>
C* Placed(TWinControl* parent, int left, int top, int width, int height)
{
    C* control = new C(parent);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
}

}  // namespace

VARIRUVU_CLASS_INFO(TfrmLoginDlg, TForm) {}

TfrmLoginDlg::TfrmLoginDlg(TComponent* AOwner) : TForm(AOwner)
{
    SetBorderStyle(bsDialog);
    SetBorderIcons(TBorderIcons{biSystemMenu});
    SetPosition(poDesktopCenter);
    GetFont()->SetName("MS Sans Serif");
    GetFont()->SetSize(8);
    SetClientWidth(264);
    SetClientHeight(94);

    Edit1 = Placed<TEdit>(this, 64, 4, 193, 21);
    Edit1->SetBorderStyle(bsNone);
    Edit2 = Placed<TEdit>(this, 64, 36, 193, 21);
    Edit2->SetPasswordChar('*');
    Button1 = Placed<TButton>(this, 100, 64, 75, 25);
    Button1->SetCaption("OK");
    Button1->SetDefault(true);
    Button1->SetModalResult(mrOk);
    Button2 = Placed<TButton>(this, 180, 64, 75, 25);
    Button2->SetCaption("Cancel");
    Button2->SetCancel(true);
    Button2->SetModalResult(mrCancel);
    Label1 = Placed<TLabel>(this, 4, 4, 60, 13);
    Label1->SetCaption("&User name: ");
    Label1->SetFocusControl(Edit1);
    Label2 = Placed<TLabel>(this, 4, 36, 60, 13);
    Label2->SetCaption("&Password:");
    Label2->SetFocusControl(Edit2);
    Edit1->SetTabOrder(0);
    Edit2->SetTabOrder(1);
    Button1->SetTabOrder(2);
    Button2->SetTabOrder(3);
    SetActiveControl(Edit1);
}

bool ShowLoginDialog(const AnsiString& Caption, AnsiString& User, AnsiString& Password)
{
    auto dialog = std::make_unique<TfrmLoginDlg>(Application);
    dialog->SetCaption(Caption);
    if (dialog->ShowModal() != mrOk)
        return false;
    User = dialog->Edit1->GetText();
    Password = dialog->Edit2->GetText();
    return true;
}
