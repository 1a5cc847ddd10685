#include <memory>

#include "unicode/UniSystem.h"
#include "unicode_controls/UniForms.h"

namespace {

// The application object and the hook of the thread that made it; both end
// with the program.
struct TUniFormsState {
    std::unique_ptr<TUniApplication> Application;
    HHOOK Hook = nullptr;

    ~TUniFormsState()
    {
        if (Hook)
            UnhookWindowsHookEx(Hook);
        Hook = nullptr;
        Application.reset();
    }
};

TUniFormsState& State()
{
    static TUniFormsState state;
    return state;
}

// The 8-bit pump finds a taken message turned into WM_NULL.
LRESULT CALLBACK GetMessageHook(int code, WPARAM wParam, LPARAM lParam)
{
    TUniFormsState& state = State();
    if (code >= 0 && wParam == PM_REMOVE && state.Application) {
        auto* msg = reinterpret_cast<MSG*>(lParam);
        try {
            if (state.Application->ProcessMessage(*msg))
                msg->message = WM_NULL;
        } catch (...) {
            msg->message = WM_NULL;
            Application->HandleException(state.Application.get());
        }
    }
    return CallNextHookEx(state.Hook, code, wParam, lParam);
}

}  // namespace

TUniApplication* UniApplication()
{
    TUniFormsState& state = State();
    if (!state.Application) {
        state.Application = std::make_unique<TUniApplication>(nullptr);
        if (IsUnicodePlatform()) {
            state.Hook = SetWindowsHookExW(WH_GETMESSAGE, &GetMessageHook, nullptr, GetCurrentThreadId());
            if (!state.Hook)
                RaiseLastOSError();
        }
    }
    return state.Application.get();
}
