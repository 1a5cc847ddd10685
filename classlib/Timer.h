// A component that fires OnTimer every Interval milliseconds while Enabled.
#pragma once

#include "classlib/Classes.h"

class TTimer : public TComponent {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;

    bool GetEnabled() const { return FEnabled; }
    void SetEnabled(bool value);
    unsigned GetInterval() const { return FInterval; }
    void SetInterval(unsigned value);
    TNotifyEvent GetOnTimer() const { return FOnTimer; }
    void SetOnTimer(TNotifyEvent value);

protected:
    void Loaded() override;

private:
    void UpdateTimer();
    void WndProc(TMessage& message);

    bool FEnabled = true;
    unsigned FInterval = 1000;
    TNotifyEvent FOnTimer;
    HWND FWindow = nullptr;
};
