// The one timer that makes every label of the component set blink in step.
#pragma once

#include <cstdint>
#include <memory>

#include "classlib/Controls.h"
#include "classlib/Lists.h"
#include "classlib/Timer.h"

// Asked of every control in the list at each tick; a blinking control answers 1.
constexpr UINT CM_BLINKQUERY = CM_BASE + 1000;
// Sent to a control that answered 1: WParam is the new blink phase.
constexpr UINT CM_BLINKSTATE = CM_BASE + 1001;

// Phase 1 shows the blink colour for IntervalOn, phase 0 the normal colour for
// IntervalOff; both intervals are shared by all labels.
class TKitBlinkingControlsList : public TObject {
public:
    TKitBlinkingControlsList();

    // Appends; a control may be in the list more than once.
    void Add(TControl* control);
    // Takes out the control's first entry.
    void Remove(TControl* control);
    int GetCount() const { return FControls.GetCount(); }

    uint8_t GetBlinkPhase() const { return FBlinkPhase; }
    uint16_t GetIntervalOn() const { return FIntervalOn; }
    void SetIntervalOn(uint16_t value) { FIntervalOn = value; }
    uint16_t GetIntervalOff() const { return FIntervalOff; }
    void SetIntervalOff(uint16_t value) { FIntervalOff = value; }
    TTimer* GetTimer() const { return FTimer.get(); }

private:
    void Blink(TObject* sender);

    std::unique_ptr<TTimer> FTimer;
    TList FControls;
    uint8_t FBlinkPhase = 1;
    uint16_t FIntervalOn = 500;
    uint16_t FIntervalOff = 500;
};

// Made by the first label, freed by FreeBlinkListIfEmpty once the last one has left.
extern std::unique_ptr<TKitBlinkingControlsList> BlinkList;
void FreeBlinkListIfEmpty();
