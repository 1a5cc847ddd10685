#include "classlib/Forms.h"
#include "classlib/Menus.h"

VARIRUVU_CLASS_INFO(TCustomForm, TWinControl)
{
    info.Property("ActiveControl", &TCustomForm::GetActiveControl, &TCustomForm::SetActiveControl);
    info.Property("BorderIcons", &TCustomForm::GetBorderIcons, &TCustomForm::SetBorderIcons)
        .Default(TBorderIcons{biSystemMenu, biMinimize, biMaximize});
    info.Property("BorderStyle", &TCustomForm::GetBorderStyle, &TCustomForm::SetBorderStyle).Default(bsSizeable);
    info.Property("ClientHeight", &TCustomForm::GetClientHeight, &TCustomForm::SetClientHeight).Stored(false);
    info.Property("ClientWidth", &TCustomForm::GetClientWidth, &TCustomForm::SetClientWidth).Stored(false);
    info.Property("KeyPreview", &TCustomForm::GetKeyPreview, &TCustomForm::SetKeyPreview).Default(false);
    info.Property("Menu", &TCustomForm::GetMenu, &TCustomForm::SetMenu);
    info.Property("Position", &TCustomForm::GetPosition, &TCustomForm::SetPosition).Default(poDesigned);
    info.Property("OnActivate", &TCustomForm::OnActivate);
    info.Property("OnClose", &TCustomForm::OnClose);
    info.Property("OnCloseQuery", &TCustomForm::OnCloseQuery);
    info.Property("OnCreate", &TCustomForm::OnCreate);
    info.Property("OnDeactivate", &TCustomForm::OnDeactivate);
    info.Property("OnDestroy", &TCustomForm::OnDestroy);
    info.Property("OnHide", &TCustomForm::OnHide);
    info.Property("OnShow", &TCustomForm::OnShow);
}

VARIRUVU_CLASS_INFO(TForm, TCustomForm) {}

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner)
{
    FControlStyle = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    SetVisible(false);
    SetColor(clBtnFace);
    SetBounds(0, 0, 320, 240);
    Screen->AddForm(this);
}

TCustomForm::~TCustomForm()
{
    if (OnDestroy && !FDestroyed) {
        FDestroyed = true;
        try {
            OnDestroy(this);
        } catch (...) {
            Application->HandleException(this);
        }
    }
    if (FMenu && HandleAllocated())
        ::SetMenu(FHandle, nullptr);
    Screen->RemoveForm(this);
    if (Application->GetMainForm() == this)
        Application->Terminate();
}

void TCustomForm::LoadForm()
{
    if (!LoadRootComponent(this))
        throw EResNotFound(Format("Resource %s not found", UpperCase(ClassName())));
    if (OnCreate)
        OnCreate(this);
}

void TCustomForm::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == FActiveControl)
        FActiveControl = nullptr;
    if (operation == opRemove && component && component == FMenu)
        SetMenu(nullptr);
}

void TCustomForm::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root)
{
    for (int i = 0; i < GetComponentCount(); ++i)
        if (!dynamic_cast<TControl*>(GetComponents(i)) && !GetComponents(i)->GetParentComponent())
            proc(GetComponents(i));
    TWinControl::GetChildren(proc, root);
}

// ---- the window ----

void TCustomForm::FrameStyle(DWORD& style, DWORD& exStyle) const
{
    style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    exStyle = 0;
    switch (FBorderStyle) {
    case bsNone:
        style |= WS_POPUP;
        break;
    case bsSingle:
    case bsToolWindow:
        style |= WS_CAPTION | WS_BORDER;
        break;
    case bsSizeable:
    case bsSizeToolWin:
        style |= WS_CAPTION | WS_THICKFRAME;
        break;
    case bsDialog:
        style |= WS_POPUP | WS_CAPTION;
        exStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
        break;
    }
    if (FBorderStyle == bsToolWindow || FBorderStyle == bsSizeToolWin)
        exStyle |= WS_EX_TOOLWINDOW;
    if (FBorderStyle != bsNone && FBorderIcons.Contains(biSystemMenu)) {
        style |= WS_SYSMENU;
        if (FBorderStyle != bsDialog && FBorderStyle != bsToolWindow && FBorderStyle != bsSizeToolWin) {
            if (FBorderIcons.Contains(biMinimize))
                style |= WS_MINIMIZEBOX;
            if (FBorderIcons.Contains(biMaximize))
                style |= WS_MAXIMIZEBOX;
        }
    }
}

void TCustomForm::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    FrameStyle(params.Style, params.ExStyle);
    if (!FHandle && GetVisible())
        params.Style |= WS_VISIBLE;
    // The first showing brings the window up itself, once it is placed and
    // OnShow has run; a window made anew for a shown form stays on screen.
    if (!FShownOnce)
        params.Style &= ~WS_VISIBLE;
    params.WndParent = Application->GetHandle();
    params.WindowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    params.WindowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
}

void TCustomForm::SetMenu(TMainMenu* value)
{
    if (value == FMenu)
        return;
    if (FMenu)
        FMenu->SetWindowHandle(nullptr);
    FMenu = value;
    if (FMenu)
        FMenu->FreeNotification(this);
    if (!HandleAllocated())
        return;
    ::SetMenu(FHandle, FMenu ? FMenu->GetHandle() : nullptr);
    if (FMenu)
        FMenu->SetWindowHandle(FHandle);
}

// The window would destroy its menu with it; the menu keeps its own.
void TCustomForm::DestroyWindowHandle()
{
    if (FMenu) {
        ::SetMenu(FHandle, nullptr);
        FMenu->SetWindowHandle(nullptr);
    }
    TWinControl::DestroyWindowHandle();
}

void TCustomForm::UpdateActions()
{
    if (GetComponentState() & csDesigning)
        return;
    InitiateAction();
    TWinControl::UpdateActions();
    if (FMenu)
        for (int i = 0; i < FMenu->GetItems()->GetCount(); ++i)
            FMenu->GetItems()->GetItems(i)->InitiateAction();
}

void TCustomForm::CreateWnd()
{
    TWinControl::CreateWnd();
    if (FMenu) {
        ::SetMenu(FHandle, FMenu->GetHandle());
        FMenu->SetWindowHandle(FHandle);
    }
    if (GetBorderStyle() == bsDialog)
        SendMessageA(FHandle, WM_SETICON, ICON_BIG, 0);
}

// The frame around the client area, from the window styles.
TSize TCustomForm::FrameSize() const
{
    DWORD style, exStyle;
    FrameStyle(style, exStyle);
    RECT r{0, 0, 0, 0};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    return TSize(r.right - r.left, r.bottom - r.top);
}

TRect TCustomForm::ClientArea() const
{
    if (FHandle) {
        RECT r;
        ::GetClientRect(FHandle, &r);
        return r;
    }
    TSize frame = FrameSize();
    return TRect(0, 0, std::max(0, GetWidth() - static_cast<int>(frame.cx)),
                 std::max(0, GetHeight() - static_cast<int>(frame.cy)));
}

TPoint TCustomForm::GetClientOrigin() const
{
    POINT p{0, 0};
    if (FHandle)
        ::ClientToScreen(FHandle, &p);
    return TPoint(p.x, p.y);
}

void TCustomForm::SetClientWidth(int value)
{
    SetWidth(value + GetWidth() - GetClientWidth());
}

void TCustomForm::SetClientHeight(int value)
{
    SetHeight(value + GetHeight() - GetClientHeight());
}

void TCustomForm::SetBorderStyle(TFormBorderStyle value)
{
    if (value == FBorderStyle)
        return;
    FBorderStyle = value;
    RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons value)
{
    if (value == FBorderIcons)
        return;
    FBorderIcons = value;
    RecreateWnd();
}

void TCustomForm::CenterOn(const TRect& area)
{
    SetBounds(area.left + (area.Width() - GetWidth()) / 2, area.top + (area.Height() - GetHeight()) / 2, GetWidth(),
              GetHeight());
}

// ---- showing and closing ----

void TCustomForm::ShowingChanged()
{
    if (GetVisible()) {
        HandleNeeded();
        if (!FShownOnce) {
            FShownOnce = true;
            TCustomForm* main = Application->GetMainForm();
            if (FPosition == poScreenCenter || FPosition == poDesktopCenter ||
                ((FPosition == poMainFormCenter || FPosition == poOwnerFormCenter) && (!main || main == this)))
                CenterOn(TRect(0, 0, Screen->GetWidth(), Screen->GetHeight()));
            else if (FPosition == poMainFormCenter || FPosition == poOwnerFormCenter)
                CenterOn(main->GetBoundsRect());
        }
        DoShow();
        ShowWindow(FHandle, SW_SHOW);
        if (FActiveControl && FActiveControl->CanFocus())
            FActiveControl->SetFocus();
        else
            ::SetFocus(FHandle);
    } else if (FHandle) {
        DoHide();
        ShowWindow(FHandle, SW_HIDE);
    }
}

void TCustomForm::DoShow()
{
    if (OnShow)
        OnShow(this);
}

void TCustomForm::DoHide()
{
    if (OnHide)
        OnHide(this);
}

void TCustomForm::DoClose(TCloseAction& action)
{
    if (OnClose)
        OnClose(this, action);
}

bool TCustomForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::Close()
{
    if (FModal) {
        FModalResult = mrCancel;
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = Application->GetMainForm() == this ? caFree : caHide;
    DoClose(action);
    switch (action) {
    case caHide:
        Hide();
        break;
    case caMinimize:
        if (FHandle)
            ShowWindow(FHandle, SW_MINIMIZE);
        break;
    case caFree:
        if (Application->GetMainForm() == this)
            Application->Terminate();
        else
            Release();
        break;
    case caNone:
        break;
    }
}

void TCustomForm::Release()
{
    PostMessageA(GetHandle(), CM_RELEASE, 0, 0);
}

TModalResult TCustomForm::ShowModal()
{
    if (GetVisible() || FModal)
        throw EInvalidOperation(L"Cannot make a visible window modal");
    if (GetCapture())
        ReleaseCapture();
    // Every other enabled, visible window of this thread waits for the form.
    std::vector<HWND> disabled;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND wnd, LPARAM list) CALLBACK -> BOOL {
            if (IsWindowVisible(wnd) && IsWindowEnabled(wnd))
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(wnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&disabled));
    for (HWND wnd : disabled)
        EnableWindow(wnd, FALSE);
    HWND previousActive = GetActiveWindow();
    FModal = true;
    FModalResult = mrNone;
    Application->ModalStarted();
    try {
        Show();
        while (true) {
            Application->HandleMessage();
            if (Application->GetTerminated()) {
                FModalResult = mrCancel;
                break;
            }
            if (FModalResult != mrNone) {
                TCloseAction action = caHide;
                if (CloseQuery())
                    DoClose(action);
                else
                    action = caNone;
                if (action != caNone)
                    break;
                FModalResult = mrNone;
            }
        }
    } catch (...) {
        FModal = false;
        Application->ModalFinished();
        for (HWND wnd : disabled)
            EnableWindow(wnd, TRUE);
        throw;
    }
    FModal = false;
    Application->ModalFinished();
    for (HWND wnd : disabled)
        EnableWindow(wnd, TRUE);
    Hide();
    if (previousActive && IsWindow(previousActive))
        SetActiveWindow(previousActive);
    return FModalResult;
}

// ---- focus ----

// Every control on the form learns which control has the focus now (LParam).
void TCustomForm::TellFocusChanged(TWinControl* parent, TMessage& message)
{
    for (int i = 0; i < parent->GetControlCount(); ++i) {
        TControl* child = parent->GetControls(i);
        child->Perform(message.Msg, message.WParam, message.LParam);
        if (auto* container = dynamic_cast<TWinControl*>(child))
            TellFocusChanged(container, message);
    }
}

void TCustomForm::SetActiveControl(TWinControl* value)
{
    if (value == FActiveControl)
        return;
    if (value && (value == this || value->GetParentForm() != this))
        throw EInvalidOperation(L"Invalid active control");
    FActiveControl = value;
    if (value)
        value->FreeNotification(this);
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(value));
    if (value && FHandle && GetVisible() && value->CanFocus() && !value->Focused())
        value->SetFocus();
}

void TCustomForm::FocusControl(TWinControl* control)
{
    bool changed = control != FActiveControl;
    FActiveControl = control;
    if (control)
        control->FreeNotification(this);
    if (changed)
        Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
    if (control && FHandle && control->CanFocus())
        ::SetFocus(control->GetHandle());
}

void TCustomForm::SetFocus()
{
    if (FHandle && GetVisible())
        SetForegroundWindow(FHandle);
}

void TCustomForm::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_VISIBLECHANGED:
        ShowingChanged();
        return;
    case CM_RELEASE: {
        std::unique_ptr<TCustomForm> self(this);  // the form is owned by nobody once released
        if (GetOwner())
            GetOwner()->RemoveComponent(this);
        return;
    }
    case CM_DIALOGKEY:
        if (message.WParam == VK_TAB && !(GetKeyState(VK_CONTROL) < 0)) {
            SelectNext(FActiveControl, !(GetKeyState(VK_SHIFT) < 0), true);
            message.Result = 1;
            return;
        }
        break;
    case WM_CLOSE:
        Close();
        return;
    case WM_COMMAND:
        if (FMenu && message.LParam == 0 && HIWORD(message.WParam) == 0 &&
            FMenu->DispatchCommand(LOWORD(message.WParam)))
            return;
        break;
    case WM_INITMENUPOPUP:
        if (FMenu && FMenu->DispatchPopup(reinterpret_cast<HMENU>(message.WParam)))
            return;
        break;
    case WM_DRAWITEM:
        if (FMenu && message.WParam == 0 && FMenu->DispatchDrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam))) {
            message.Result = TRUE;
            return;
        }
        break;
    case WM_MEASUREITEM:
        if (FMenu && message.WParam == 0 &&
            FMenu->DispatchMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam))) {
            message.Result = TRUE;
            return;
        }
        break;
    case CM_FOCUSCHANGED:
        TellFocusChanged(this, message);
        return;
    case CM_ACTIONEXECUTE:
        message.Result = ExecuteAction(reinterpret_cast<TBasicAction*>(message.LParam)) ? 1 : 0;
        return;
    case CM_ACTIONUPDATE:
        message.Result = UpdateAction(reinterpret_cast<TBasicAction*>(message.LParam)) ? 1 : 0;
        return;
    case WM_ACTIVATE:
        FActive = LOWORD(message.WParam) != WA_INACTIVE;
        if (FActive && OnActivate)
            OnActivate(this);
        else if (!FActive && OnDeactivate)
            OnDeactivate(this);
        if (FActive && FActiveControl && FActiveControl->HandleAllocated())
            ::SetFocus(FActiveControl->GetHandle());
        if (FActive && FActiveControl)
            return;
        break;
    default:
        break;
    }
    TWinControl::WndProc(message);
}
