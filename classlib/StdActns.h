// Standard actions.
#pragma once

#include "classlib/ActnList.h"

// Carries the application's hint to whatever shows it (a status display
// handles the action when it is executed).
class THintAction : public TCustomAction {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TCustomAction::TCustomAction;
};
