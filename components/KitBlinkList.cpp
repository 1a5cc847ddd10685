#include "components/KitBlinkList.h"

std::unique_ptr<TKitBlinkingControlsList> BlinkList;

TKitBlinkingControlsList::TKitBlinkingControlsList() : FTimer(std::make_unique<TTimer>(nullptr))
{
    FTimer->SetInterval(500);
    FTimer->SetOnTimer(TNotifyEvent(this, &TKitBlinkingControlsList::Blink));
}

void TKitBlinkingControlsList::Add(TControl* control)
{
    FControls.Add(control);
}

void TKitBlinkingControlsList::Remove(TControl* control)
{
    FControls.Remove(control);
}

void TKitBlinkingControlsList::Blink(TObject*)
{
    if (FBlinkPhase == 1) {
        FBlinkPhase = 0;
        FTimer->SetInterval(FIntervalOff);
    } else {
        FBlinkPhase = 1;
        FTimer->SetInterval(FIntervalOn);
    }
    // By index: a control may leave the list while it handles its message.
    for (int i = 0; i < FControls.GetCount(); ++i) {
        auto* control = static_cast<TControl*>(FControls.Get(i));
        if (control->Perform(CM_BLINKQUERY, 0, 0) == 1)
            control->Perform(CM_BLINKSTATE, FBlinkPhase, 0);
    }
}

void FreeBlinkListIfEmpty()
{
    if (BlinkList && BlinkList->GetCount() == 0)
        BlinkList.reset();
}
