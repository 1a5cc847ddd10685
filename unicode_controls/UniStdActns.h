// The hint action with a wide hint.
#pragma once

#include "classlib/StdActns.h"
#include "unicode_controls/UniActnList.h"

class TUniHintAction : public THintAction, public IWideAction {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using THintAction::THintAction;

    WideString GetWideHint() const { return GetActionWideHint(const_cast<TUniHintAction*>(this)); }
    void SetWideHint(const WideString& value) { SetActionWideHint(this, value); }

    void DefineProperties(TFiler* filer) override;
    // Takes the wide hint of a source action or control.
    void Assign(TPersistent* source) override;
};
