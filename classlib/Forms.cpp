#include "classlib/Forms.h"

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {}

bool TApplication::ProcessMessage(MSG& msg)
{
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (msg.message == WM_QUIT) {
        FTerminated = true;
        return true;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    return true;
}

void TApplication::ProcessMessages()
{
    MSG msg;
    while (ProcessMessage(msg)) {
    }
}

void TApplication::Terminate()
{
    PostQuitMessage(0);
}

namespace {
TApplication& TheApplication()
{
    static TApplication application(nullptr);
    return application;
}
}  // namespace

TApplication* const Application = &TheApplication();
