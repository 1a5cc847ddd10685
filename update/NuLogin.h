// The HTTP login dialog: a user name and a password.
#pragma once

#include "classlib/Forms.h"
#include "classlib/StdCtrls.h"

class TfrmLoginDlg : public TForm {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TfrmLoginDlg(TComponent* AOwner);

    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TEdit* Edit1 = nullptr;
    TEdit* Edit2 = nullptr;
    TButton* Button1 = nullptr;
    TButton* Button2 = nullptr;
};

// Shown modally; OK copies the boxes into User and Password and answers true,
// any other close leaves both unchanged.
bool ShowLoginDialog(const AnsiString& Caption, AnsiString& User, AnsiString& Password);
