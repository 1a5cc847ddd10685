// The splash window: shown while the program starts, unless config.ini turns it off.
#pragma once

#include "app/quonlabel.h"
#include "classlib/Forms.h"

class TfrmSplash : public TForm {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TfrmSplash(TComponent* AOwner);

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);

    Tquonlabel* lblProgVers = nullptr;
};

// The splash window on show since the start; null once the main window's
// creation has closed it, or when none was shown.
extern TfrmSplash* frmSplash;

// The start of the program, before its body: the splash window comes up and
// is painted at once when config.ini's LastChoice/Splash is on (the default).
void ShowSplashAtStart();
