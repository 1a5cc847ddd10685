#include "app/runlock.h"

TRunLock::TRunLock(bool& running, std::initializer_list<TControl*> controls) : FRunning(running)
{
    FRunning = true;
    for (TControl* control : controls) {
        FSaved.emplace_back(control, control->GetEnabled());
        control->SetEnabled(false);
    }
}

TRunLock::~TRunLock()
{
    for (const auto& [control, enabled] : FSaved)
        control->SetEnabled(enabled);
    FRunning = false;
}
