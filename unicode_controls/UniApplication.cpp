#include <memory>
#include <vector>

#include "unicode/UniClasses.h"
#include "unicode/UniSystem.h"
#include "classlib/StdActns.h"
#include "unicode_controls/UniControls.h"
#include "unicode_controls/UniForms.h"
#include "unicode_controls/UniStdActns.h"

TUniApplication::TUniApplication(TComponent* AOwner) : TComponent(AOwner)
{
    Application->HookMainWindow(TWindowHook(this, &TUniApplication::MainWindowHook));
}

TUniApplication::~TUniApplication()
{
    Application->UnhookMainWindow(TWindowHook(this, &TUniApplication::MainWindowHook));
}

void TUniApplication::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == FIdleControl)
        FIdleControl = nullptr;
}

// A title set before the window existed becomes the window's text as it is
// made; a hint going out as a plain hint action goes out wide instead, so
// whatever shows hints receives the wide text.
void TUniApplication::MainWindowHook(TMessage& message, bool& handled)
{
    if (message.Msg == WM_CREATE && !FPendingTitle.empty()) {
        SetTitle(FPendingTitle);
        FPendingTitle.clear();
        return;
    }
    if (message.Msg != CM_ACTIONEXECUTE)
        return;
    auto* action = reinterpret_cast<TBasicAction*>(message.LParam);
    if (!action || &action->ClassType() != &THintAction::ClassInfo())
        return;
    const WideString hint = GetHint();
    if (static_cast<THintAction*>(action)->GetHint() != WideToAnsi(hint))
        return;
    handled = true;
    message.Result = 1;
    std::unique_ptr<TUniHintAction> wide = std::make_unique<TUniHintAction>(this);
    wide->SetWideHint(hint);
    wide->Execute();
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
    if (!FMainFormSeen && Application->GetMainForm()) {
        FMainFormSeen = true;
        FIdleControl = new TUniAppIdleEventControl(Application->GetMainForm());
        FIdleControl->SetParent(Application->GetMainForm());
        FIdleControl->FreeNotification(this);
    }
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

VARIRUVU_CLASS_INFO(TUniAppIdleEventControl, TControl) {}

TUniAppIdleEventControl::TUniAppIdleEventControl(TComponent* AOwner) : TControl(AOwner)
{
    auto* action = new TUniAction(this);
    action->SetOnExecute(TNotifyEvent(this, &TUniAppIdleEventControl::RefreshHint));
    action->SetOnUpdate(TNotifyEvent(this, &TUniAppIdleEventControl::RefreshHint));
    SetAction(action);
}

void TUniAppIdleEventControl::RefreshHint(TObject*)
{
    UniApplication()->RefreshWideHint();
}
