// The progress form: the erase run copies its method, file and progress into
// it; it is never shown (the run shows its progress on the main window's page).
#pragma once

#include "classlib/Forms.h"
#include "unicode_controls/UniComCtrls.h"
#include "unicode_controls/UniStdCtrls.h"

class Tfrmprogress : public TForm {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit Tfrmprogress(TComponent* AOwner);

    void FormShow(TObject* Sender);

    TUniLabel* lblSelectMethod = nullptr;
    TUniLabel* lblSherdFile = nullptr;
    TUniProgressBar* cpProgBar = nullptr;
    TUniProgressBar* tpProgBar = nullptr;
};

// Made by the program body; lives until the program ends.
extern Tfrmprogress* frmprogress;
