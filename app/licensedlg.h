// The licence agreement viewer, shown at start unless config.ini turns it off.
#pragma once

#include "classlib/Forms.h"

class Tfrmlicensedlg : public TForm {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit Tfrmlicensedlg(TComponent* AOwner);

    void FormCreate(TObject* Sender);
    // "Next >> ": the viewer closes.
    void btnCloseClick(TObject* Sender);
    // The maker's logo opens the maker's home page.
    void Image2Click(TObject* Sender);
};

// Made by the program body; lives until the program ends.
extern Tfrmlicensedlg* frmlicensedlg;
