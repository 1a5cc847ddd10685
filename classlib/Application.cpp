#include <algorithm>

#include "classlib/Forms.h"
#include "classlib/StdActns.h"

namespace {
constexpr UINT_PTR HintTimerId = 1;
}

VARIRUVU_CLASS_INFO(TApplication, TComponent) {}

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {}

TApplication::~TApplication()
{
    if (FHandle)
        DestroyWindow(FHandle);
    FreeObjectInstance(FObjectInstance);
}

// ---- the application window ----

HWND TApplication::GetHandle()
{
    if (FHandle)
        return FHandle;
    static const char* const className = "TApplication";
    WNDCLASSA cls{};
    cls.lpfnWndProc = &DefWindowProcA;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    cls.lpszClassName = className;
    WNDCLASSA existing;
    if (!GetClassInfoA(cls.hInstance, className, &existing) && !RegisterClassA(&cls))
        RaiseLastOSError();
    if (!FObjectInstance)
        FObjectInstance = MakeObjectInstance(TWndMethod(this, &TApplication::WndProc));
    int x = GetSystemMetrics(SM_CXSCREEN) / 2, y = GetSystemMetrics(SM_CYSCREEN) / 2;
    FHandle = CreateWindowExA(0, className, FTitle.c_str(),
                              WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, x, y, 0, 0,
                              nullptr, nullptr, cls.hInstance, nullptr);
    if (!FHandle)
        RaiseLastOSError();
    SetWindowLongPtrA(FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FObjectInstance));
    TMessage created{WM_CREATE, 0, 0, 0};
    WndProc(created);  // the hooks see the window come into being
    return FHandle;
}

void TApplication::WndProc(TMessage& message)
{
    try {
        for (const TWindowHook& hook : std::vector<TWindowHook>(FWindowHooks)) {
            bool handled = false;
            hook(message, handled);
            if (handled)
                return;
        }
        switch (message.Msg) {
        case WM_CLOSE:
            if (FMainForm)
                FMainForm->Close();
            return;
        case WM_TIMER:
            if (message.WParam == HintTimerId) {
                HintTimerExpired();
                return;
            }
            break;
        case WM_CREATE:
            return;
        case CM_ACTIONEXECUTE:
        case CM_ACTIONUPDATE:
            message.Result = DispatchAction(message.Msg, reinterpret_cast<TBasicAction*>(message.LParam)) ? 1 : 0;
            return;
        default:
            break;
        }
        message.Result = DefWindowProcA(FHandle, message.Msg, message.WParam, message.LParam);
    } catch (...) {
        HandleException(this);
    }
}

// The active form first, then the main form.
bool TApplication::DispatchAction(UINT msg, TBasicAction* action)
{
    TCustomForm* active = Screen->GetActiveForm();
    if (active && active->Perform(msg, 0, reinterpret_cast<LPARAM>(action)) == 1)
        return true;
    return FMainForm && FMainForm != active && FMainForm->Perform(msg, 0, reinterpret_cast<LPARAM>(action)) == 1;
}

void TApplication::HookMainWindow(TWindowHook hook)
{
    FWindowHooks.push_back(std::move(hook));
}

void TApplication::UnhookMainWindow(TWindowHook hook)
{
    auto it = std::find(FWindowHooks.begin(), FWindowHooks.end(), hook);
    if (it != FWindowHooks.end())
        FWindowHooks.erase(it);
}

AnsiString TApplication::GetTitle() const
{
    if (!FHandle)
        return FTitle;
    int length = GetWindowTextLengthA(FHandle);
    AnsiString text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(FHandle, text.data(), length + 1)));
    return text;
}

void TApplication::SetTitle(const AnsiString& value)
{
    FTitle = value;
    if (FHandle)
        SetWindowTextA(FHandle, value.c_str());
}

// ---- the message loop ----

bool TApplication::IsKeyMsg(MSG& msg)
{
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST)
        return false;
    HWND wnd = msg.hwnd;
    TWinControl* control = FindControl(wnd);
    // A window inside a control (the edit of a combo box) speaks for its control.
    if (!control && wnd)
        control = FindControl(::GetParent(wnd));
    return control && control->Perform(CN_BASE + msg.message, msg.wParam, msg.lParam) != 0;
}

bool TApplication::IsHintMsg(const MSG& msg)
{
    if (FHintWindow && FHintWindow->IsHintShown() &&
        ((msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) || msg.message == WM_LBUTTONDOWN ||
         msg.message == WM_RBUTTONDOWN || msg.message == WM_MBUTTONDOWN || msg.message == WM_NCLBUTTONDOWN ||
         msg.message == WM_ACTIVATE || msg.message == WM_ACTIVATEAPP))
        CancelHint();
    return false;
}

bool TApplication::ProcessMessage(MSG& msg, UINT filter)
{
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE | filter))
        return false;
    if (msg.message == WM_QUIT) {
        FTerminated = true;
        return true;
    }
    bool handled = false;
    if (OnMessage)
        OnMessage(msg, handled);
    if (!handled && !IsHintMsg(msg) && !IsKeyMsg(msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}

void TApplication::ProcessMessages()
{
    MSG msg;
    while (ProcessMessage(msg)) {
    }
}

void TApplication::ProcessMessagesButPaint()
{
    MSG msg;
    while (ProcessMessage(msg, PM_QS_INPUT | PM_QS_POSTMESSAGE | PM_QS_SENDMESSAGE)) {
    }
}

void TApplication::HandleMessage()
{
    MSG msg;
    if (!ProcessMessage(msg))
        Idle();
}

void TApplication::Idle()
{
    DoMouseIdle();
    DoActionIdle();
    bool done = true;
    if (OnIdle) {
        try {
            OnIdle(this, done);
        } catch (...) {
            HandleException(this);
        }
    }
    if (done)
        WaitMessage();
}

void TApplication::Run()
{
    if (FMainForm && FShowMainForm)
        FMainForm->Show();
    while (!FTerminated)
        HandleMessage();
}

void TApplication::Terminate()
{
    PostQuitMessage(0);
}

// ---- errors and message boxes ----

int TApplication::MessageBox(const AnsiString& text, const AnsiString& caption, UINT flags)
{
    HWND owner = GetActiveWindow();
    if (!owner)
        owner = GetHandle();
    return MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
}

void TApplication::ShowException(const Exception& e)
{
    AnsiString text = WideToAnsi(e.GetMessage());
    if (!text.empty() && text.back() != '.')
        text += '.';
    MessageBox(text, GetTitle(), MB_OK | MB_ICONSTOP);
}

void TApplication::HandleException(TObject* sender)
{
    try {
        throw;
    } catch (Exception& e) {
        if (OnException)
            OnException(sender, e);
        else
            ShowException(e);
    } catch (std::exception& e) {
        Exception wrapped{AnsiString(e.what())};
        if (OnException)
            OnException(sender, wrapped);
        else
            ShowException(wrapped);
    }
}

// ---- the mouse and hints ----

void TApplication::ControlDestroying(TControl* control)
{
    if (FMouseControl == control)
        FMouseControl = nullptr;
    if (FHintControl == control) {
        FHintControl = nullptr;
        StopHintTimer();
    }
    if (FHintWindow == control)
        FHintWindow = nullptr;
    if (FMainForm == control)
        FMainForm = nullptr;
    if (control->GetMouseCapture())
        control->SetMouseCapture(false);
}

void TApplication::NoteMouseControl(TControl* control)
{
    if (control == FMouseControl)
        return;
    TControl* old = FMouseControl;
    FMouseControl = control;
    if (old)
        old->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(old));
    if (control)
        control->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(control));
    if (control != FHintControl) {
        CancelHint();
        FHintControl = control;
        if (control && FShowHint && control->GetShowHint() && !control->GetHint().empty())
            StartHintTimer(FHintPause);
    }
    AnsiString hint = control ? control->GetHint() : AnsiString();
    if (hint != FHint)
        SetHint(hint);
}

void TApplication::SetHint(const AnsiString& value)
{
    if (value == FHint)
        return;
    FHint = value;
    if (OnHint) {
        OnHint(this);
        return;
    }
    // Without a handler the hint goes out as an action, to whatever shows hints.
    THintAction action(nullptr);
    action.SetHint(value);
    action.Execute();
}

void TApplication::SetShowHint(bool value)
{
    FShowHint = value;
    if (!value)
        CancelHint();
}

// The actions of the showing forms' controls and menus follow their OnUpdate.
void TApplication::DoActionIdle()
{
    for (int i = 0; i < Screen->GetFormCount(); ++i) {
        TCustomForm* form = Screen->GetForms(i);
        if (form->HandleAllocated() && IsWindowVisible(form->GetHandle()))
            form->UpdateActions();
    }
}

// When the mouse has left every window of ours, the control under it is gone.
void TApplication::DoMouseIdle()
{
    POINT p;
    GetCursorPos(&p);
    TWinControl* windowed = FindControl(WindowFromPoint(p));
    TControl* control = windowed;
    if (windowed && windowed->HandleAllocated()) {
        POINT client = p;
        ::ScreenToClient(windowed->GetHandle(), &client);
        if (TControl* child = windowed->ControlAtPos(TPoint(client.x, client.y), false))
            control = child;
    }
    if (control == FHintWindow && control)
        return;
    NoteMouseControl(control);
}

void TApplication::StartHintTimer(int timeout)
{
    SetTimer(GetHandle(), HintTimerId, static_cast<UINT>(std::max(timeout, 1)), nullptr);
    FHintActive = false;
}

void TApplication::StopHintTimer()
{
    if (FHandle)
        KillTimer(FHandle, HintTimerId);
}

void TApplication::HintTimerExpired()
{
    StopHintTimer();
    if (FHintActive) {
        CancelHint();
        return;
    }
    POINT p;
    GetCursorPos(&p);
    ActivateHint(TPoint(p.x, p.y));
}

void TApplication::ActivateHint(TPoint cursorPos)
{
    if (!FHintControl)
        return;
    THintInfo info;
    info.HintControl = FHintControl;
    info.HintWindowClass = HintWindowClass;
    info.CursorPos = FHintControl->ScreenToClient(cursorPos);
    info.HintPos = TPoint(cursorPos.x, cursorPos.y + GetSystemMetrics(SM_CYCURSOR) / 2 + 4);
    info.HintMaxWidth = Screen->GetWidth();
    info.CursorRect = FHintControl->GetClientRect();
    info.HideTimeout = FHintHidePause;
    AnsiString hint = FHintControl->GetHint();
    info.HintStr = hint.substr(0, hint.find('|'));
    bool canShow = true;
    if (OnShowHint)
        OnShowHint(info.HintStr, canShow, info);
    if (!canShow || FHintControl->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)) != 0 ||
        info.HintStr.empty())
        return;
    if (!info.HintWindowClass || !info.HintWindowClass->InheritsFrom(THintWindow::ClassInfo()))
        info.HintWindowClass = &THintWindow::ClassInfo();
    if (FHintWindow && &FHintWindow->ClassType() != info.HintWindowClass) {
        THintWindow* old = FHintWindow;
        FHintWindow = nullptr;
        std::unique_ptr<TComponent> release(old);
    }
    if (!FHintWindow)
        FHintWindow = static_cast<THintWindow*>(info.HintWindowClass->CreateComponent(this));
    FHintWindow->SetColor(info.HintColor);
    TRect r = FHintWindow->MeasureHint(info.HintMaxWidth, info.HintStr, info.HintData);
    TRect placed = Bounds(info.HintPos.x, info.HintPos.y, r.Width(), r.Height());
    if (info.HintData)
        FHintWindow->ShowHintWithData(placed, info.HintStr, info.HintData);
    else
        FHintWindow->ShowHintAt(placed, info.HintStr);
    FHintActive = true;
    if (info.HideTimeout > 0) {
        SetTimer(GetHandle(), HintTimerId, static_cast<UINT>(info.HideTimeout), nullptr);
        FHintActive = true;
    }
}

void TApplication::CancelHint()
{
    StopHintTimer();
    FHintActive = false;
    if (FHintWindow)
        FHintWindow->ReleaseHint();
}

namespace {
TApplication& TheApplication()
{
    static TApplication application(nullptr);
    return application;
}
}  // namespace

TApplication* const Application = &TheApplication();
