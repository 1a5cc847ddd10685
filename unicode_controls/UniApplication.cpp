#include <vector>

#include "unicode/UniClasses.h"
#include "unicode/UniSystem.h"
#include "unicode_controls/UniControls.h"
#include "unicode_controls/UniForms.h"

TUniApplication::TUniApplication(TComponent* AOwner) : TComponent(AOwner)
{
    Application->HookMainWindow(TWindowHook(this, &TUniApplication::MainWindowHook));
}

TUniApplication::~TUniApplication()
{
    Application->UnhookMainWindow(TWindowHook(this, &TUniApplication::MainWindowHook));
}

// A title set before the window existed becomes the window's text as it is made.
void TUniApplication::MainWindowHook(TMessage& message, bool&)
{
    if (message.Msg == WM_CREATE && !FPendingTitle.empty()) {
        SetTitle(FPendingTitle);
        FPendingTitle.clear();
    }
}

WideString TUniApplication::GetTitle()
{
    if (IsUnicodePlatform() && Application->HandleAllocated()) {
        HWND wnd = Application->GetHandle();
        LRESULT length = DefWindowProcW(wnd, WM_GETTEXTLENGTH, 0, 0);
        std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
        LRESULT copied = DefWindowProcW(wnd, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
        return WideString(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0));
    }
    return SyncWideFromAnsi(FPendingTitle, Application->GetTitle());
}

void TUniApplication::SetTitle(const WideString& value)
{
    if (IsUnicodePlatform() && Application->HandleAllocated()) {
        if (GetTitle() != value || !FPendingTitle.empty()) {
            DefWindowProcW(Application->GetHandle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value.c_str()));
            FPendingTitle.clear();
        }
        return;
    }
    SyncWideToAnsi(value, FPendingTitle, Application->GetTitle(),
                   [](const AnsiString& title) { Application->SetTitle(title); });
}

WideString TUniApplication::SourceLongHint()
{
    return WideLongHint(FindWideHint(Application->GetHintControl()));
}

WideString TUniApplication::GetHint()
{
    WideString source = SourceLongHint();
    if (WideToAnsi(source) == Application->GetHint())
        FWideAppHint = source;
    return SyncWideFromAnsi(FWideAppHint, Application->GetHint());
}

void TUniApplication::SetHint(const WideString& value)
{
    SyncWideToAnsi(value, FWideAppHint, Application->GetHint(),
                   [](const AnsiString& hint) { Application->SetHint(hint); });
}

void TUniApplication::RefreshWideHint()
{
    WideString source = SourceLongHint();
    if (WideToAnsi(source) == Application->GetHint())
        SetHint(source);
}

bool TUniApplication::ProcessMessage(MSG& msg)
{
    if (msg.message != WM_CHAR || msg.wParam < 256 || !IsWindowUnicode(msg.hwnd))
        return false;
    bool handled = false;
    if (Application->OnMessage)
        Application->OnMessage(msg, handled);
    Application->CancelHint();
    if (!handled)
        DispatchMessageW(&msg);
    return true;
}
