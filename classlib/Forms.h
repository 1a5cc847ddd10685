// The application object.
#pragma once

#include "classlib/Classes.h"

class TApplication : public TComponent {
public:
    explicit TApplication(TComponent* AOwner);

    // Handles every message waiting in the calling thread's queue, then returns.
    void ProcessMessages();
    void Terminate();
    bool GetTerminated() const { return FTerminated; }

private:
    bool ProcessMessage(MSG& msg);

    bool FTerminated = false;
};

extern TApplication* const Application;
