// The download progress window, built in code.
#pragma once

#include "classlib/ComCtrls.h"
#include "classlib/Forms.h"
#include "classlib/StdCtrls.h"

class TProgressForm : public TForm {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TProgressForm(TComponent* AOwner);

    // Touches the label only when the name changes.
    void ShowProgress(const AnsiString& fileName, int32_t pos, int32_t size);

    TLabel* FileLabel = nullptr;
    TProgressBar* Bar = nullptr;

protected:
    void CreateWnd() override;
};
