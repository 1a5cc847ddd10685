#include "classlib/Forms.h"

TShiftState MouseKeysToShiftState(WPARAM keys)
{
    TShiftState shift;
    if (keys & MK_SHIFT)
        shift.Include(ssShift);
    if (keys & MK_CONTROL)
        shift.Include(ssCtrl);
    if (keys & MK_LBUTTON)
        shift.Include(ssLeft);
    if (keys & MK_RBUTTON)
        shift.Include(ssRight);
    if (keys & MK_MBUTTON)
        shift.Include(ssMiddle);
    if (GetKeyState(VK_MENU) < 0)
        shift.Include(ssAlt);
    return shift;
}

TShiftState KeyboardShiftState()
{
    TShiftState shift;
    if (GetKeyState(VK_SHIFT) < 0)
        shift.Include(ssShift);
    if (GetKeyState(VK_CONTROL) < 0)
        shift.Include(ssCtrl);
    if (GetKeyState(VK_MENU) < 0)
        shift.Include(ssAlt);
    return shift;
}

VARIRUVU_CLASS_INFO(TControl, TComponent)
{
    info.Property("Action", &TControl::GetAction, &TControl::SetAction);
    info.Property("Left", &TControl::GetLeft, &TControl::SetLeft);
    info.Property("Top", &TControl::GetTop, &TControl::SetTop);
    info.Property("Width", &TControl::GetWidth, &TControl::SetWidth);
    info.Property("Height", &TControl::GetHeight, &TControl::SetHeight);
    info.Property("Align", &TControl::GetAlign, &TControl::SetAlign).Default(alNone);
    info.Property("Anchors", &TControl::GetAnchors, &TControl::SetAnchors).Default(TAnchors{akLeft, akTop});
    info.Property("Caption", &TControl::GetCaption, &TControl::SetCaption).Stored(&TControl::IsCaptionStored);
    info.Property("Color", &TControl::GetColor, &TControl::SetColor).OfType(ColorTypeInfo());
    info.Property("Cursor", &TControl::GetCursor, &TControl::SetCursor).OfType(CursorTypeInfo()).Default(crDefault);
    info.Property("Enabled", &TControl::GetEnabled, &TControl::SetEnabled)
        .Default(true)
        .Stored(&TControl::IsEnabledStored);
    info.Property("Font", &TControl::GetFont, &TControl::SetFont);
    info.Property("Hint", &TControl::GetHint, &TControl::SetHint).Stored(&TControl::IsHintStored);
    info.Property("ParentColor", &TControl::GetParentColor, &TControl::SetParentColor).Default(true);
    info.Property("ParentFont", &TControl::GetParentFont, &TControl::SetParentFont).Default(true);
    info.Property("ParentShowHint", &TControl::GetParentShowHint, &TControl::SetParentShowHint).Default(true);
    info.Property("ShowHint", &TControl::GetShowHint, &TControl::SetShowHint).Default(false);
    info.Property("Visible", &TControl::GetVisible, &TControl::SetVisible)
        .Default(true)
        .Stored(&TControl::IsVisibleStored);
    info.Property("OnClick", &TControl::OnClick).Stored(&TControl::IsOnClickStored);
    info.Property("OnDblClick", &TControl::OnDblClick);
    info.Property("OnMouseDown", &TControl::OnMouseDown);
    info.Property("OnMouseMove", &TControl::OnMouseMove);
    info.Property("OnMouseUp", &TControl::OnMouseUp);
}

TControl::TControl(TComponent* AOwner)
    : TComponent(AOwner), FControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks},
      FFont(std::make_unique<TFont>()), FWindowProc(this, &TControl::WndProc)
{
    FFont->OnChange = TNotifyEvent(this, &TControl::FontChanged);
}

TControl::~TControl()
{
    Application->ControlDestroying(this);
    if (FParent)
        FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* value)
{
    if (value == FParent)
        return;
    if (value == this)
        throw EInvalidOperation(L"A control cannot have itself as its parent");
    if (FParent)
        FParent->RemoveControl(this);
    if (value)
        value->InsertControl(this);
}

void TControl::SetParentComponent(TComponent* value)
{
    if (auto* parent = dynamic_cast<TWinControl*>(value))
        SetParent(parent);
}

TCustomForm* TControl::GetParentForm() const
{
    const TControl* control = this;
    while (control->FParent)
        control = control->FParent;
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(control));
}

void TControl::Loaded()
{
    TComponent::Loaded();
    UpdateAnchorRules();
    if (FActionLink && FActionLink->GetAction())
        ActionChange(FActionLink->GetAction(), true);
}

// ---- bounds and alignment ----

void TControl::PlaceBounds(int left, int top, int width, int height)
{
    if (width < 0)
        width = 0;
    if (height < 0)
        height = 0;
    if (left == FLeft && top == FTop && width == FWidth && height == FHeight)
        return;
    InvalidateControl(GetShowing(), false);
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
    InvalidateControl(GetShowing(), false);
    if (!FParent || FParent->FAlignLevel == 0)
        UpdateAnchorRules();
    RequestAlign();
}

void TControl::UpdateAnchorRules()
{
    if (!FParent || (GetComponentState() & csLoading))
        return;
    FAnchorBounds = GetBoundsRect();
    TRect client = FParent->GetClientRect();
    FAnchorParentSize = TSize(client.Width(), client.Height());
}

void TControl::RequestAlign()
{
    if (FParent)
        FParent->Realign();
}

void TControl::SetAlign(TAlign value)
{
    if (value == FAlign)
        return;
    FAlign = value;
    RequestAlign();
}

void TControl::SetAnchors(TAnchors value)
{
    FAnchors = value;
    UpdateAnchorRules();
}

TRect TControl::ClientArea() const
{
    return TRect(0, 0, FWidth, FHeight);
}

TPoint TControl::GetClientOrigin() const
{
    if (!FParent)
        return TPoint(FLeft, FTop);
    TPoint p = FParent->GetClientOrigin();
    return TPoint(p.x + FLeft, p.y + FTop);
}

TPoint TControl::ClientToScreen(TPoint p) const
{
    TPoint origin = GetClientOrigin();
    return TPoint(p.x + origin.x, p.y + origin.y);
}

TPoint TControl::ScreenToClient(TPoint p) const
{
    TPoint origin = GetClientOrigin();
    return TPoint(p.x - origin.x, p.y - origin.y);
}

// ---- state ----

bool TControl::GetShowing() const
{
    return FVisible && FParent && FParent->GetShowing();
}

void TControl::SetVisible(bool value)
{
    if (value == FVisible)
        return;
    VisibleChanging();
    InvalidateControl(true, false);
    FVisible = value;
    Perform(CM_VISIBLECHANGED, value, 0);
    RequestAlign();
}

void TControl::SetEnabled(bool value)
{
    if (value == FEnabled)
        return;
    FEnabled = value;
    Perform(CM_ENABLEDCHANGED, 0, 0);
}

void TControl::SetColor(TColor value)
{
    if (value == FColor && !FParentColor)
        return;
    FColor = value;
    FParentColor = false;
    Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool value)
{
    if (value == FParentColor)
        return;
    FParentColor = value;
    if (value && FParent)
        Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TControl::FontChanged(TObject*)
{
    FParentFont = false;
    Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::SetParentFont(bool value)
{
    if (value == FParentFont)
        return;
    FParentFont = value;
    if (value && FParent)
        Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TControl::SetShowHint(bool value)
{
    FShowHint = value;
    FParentShowHint = false;
}

void TControl::SetParentShowHint(bool value)
{
    FParentShowHint = value;
    if (value && FParent)
        FShowHint = FParent->GetShowHint();
}

void TControl::SetCursor(TCursor value)
{
    if (value == FCursor)
        return;
    FCursor = value;
    Perform(CM_CURSORCHANGED, 0, 0);
}

// ---- text ----

AnsiString TControl::GetText() const
{
    auto* self = const_cast<TControl*>(this);
    LRESULT length = self->Perform(WM_GETTEXTLENGTH, 0, 0);
    if (length <= 0)
        return AnsiString();
    AnsiString text(static_cast<size_t>(length) + 1, '\0');
    LRESULT copied = self->Perform(WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

void TControl::SetText(const AnsiString& value)
{
    if (GetText() == value)
        return;
    Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value.c_str()));
    Perform(CM_TEXTCHANGED, 0, 0);
}

// ---- messages ----

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam)
{
    TMessage message{msg, wParam, lParam, 0};
    FWindowProc(message);
    return message.Result;
}

void TControl::HandleMouseMessage(TMessage& message)
{
    int x = static_cast<short>(LOWORD(message.LParam));
    int y = static_cast<short>(HIWORD(message.LParam));
    TShiftState shift = MouseKeysToShiftState(message.WParam);
    auto button = [&]() {
        switch (message.Msg) {
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
            return mbRight;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_MBUTTONDBLCLK:
            return mbMiddle;
        default:
            return mbLeft;
        }
    }();
    switch (message.Msg) {
    case WM_MOUSEMOVE:
        Application->NoteMouseControl(this);
        MouseMove(shift, x, y);
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        if (message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK) {
            if (FControlStyle.Contains(csCaptureMouse))
                SetMouseCapture(true);
            if (FControlStyle.Contains(csClickEvents))
                FControlState.Include(csClicked);
        }
        if (message.Msg == WM_LBUTTONDBLCLK && FControlStyle.Contains(csDoubleClicks))
            DblClick();
        if (message.Msg == WM_LBUTTONDBLCLK || message.Msg == WM_RBUTTONDBLCLK || message.Msg == WM_MBUTTONDBLCLK)
            shift.Include(ssDouble);
        MouseDown(button, shift, x, y);
        break;
    default: {  // a button released
        bool clicked = message.Msg == WM_LBUTTONUP && FControlState.Contains(csClicked);
        if (message.Msg == WM_LBUTTONUP) {
            FControlState.Exclude(csClicked);
            if (GetMouseCapture())
                SetMouseCapture(false);
        }
        if (clicked && GetClientRect().Contains(TPoint(x, y)))
            Click();
        MouseUp(button, shift, x, y);
        break;
    }
    }
}

void TControl::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        if (message.Msg == WM_LBUTTONUP || message.Msg == WM_RBUTTONUP || message.Msg == WM_MBUTTONUP) {
            // The default procedure sees the release while the mouse is still captured
            // (a system button clicks only then).
            DefaultHandler(message);
            if (FEnabled)
                HandleMouseMessage(message);
            return;
        }
        if (FEnabled || message.Msg == WM_MOUSEMOVE)
            HandleMouseMessage(message);
        break;
    case CM_ENABLEDCHANGED:
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
        Invalidate();
        return;
    case CM_PARENTCOLORCHANGED:
        if (FParentColor && FParent) {
            FColor = FParent->GetColor();
            Perform(CM_COLORCHANGED, 0, 0);
        }
        return;
    case CM_PARENTFONTCHANGED:
        if (FParentFont && FParent) {
            FFont->Assign(FParent->GetFont());
            FParentFont = true;
        }
        return;
    case CM_VISIBLECHANGED:
        InvalidateControl(true, false);
        return;
    case CM_HITTEST:
        message.Result = HTCLIENT;
        return;
    default:
        break;
    }
    DefaultHandler(message);
}

// The text lives in a field until a window holds it.
void TControl::DefaultHandler(TMessage& message)
{
    switch (message.Msg) {
    case WM_GETTEXTLENGTH:
        message.Result = static_cast<LRESULT>(FText.size());
        break;
    case WM_GETTEXT:
        if (message.WParam > 0) {
            size_t count = std::min(FText.size(), static_cast<size_t>(message.WParam) - 1);
            auto* buffer = reinterpret_cast<char*>(message.LParam);
            FText.copy(buffer, count);
            buffer[count] = '\0';
            message.Result = static_cast<LRESULT>(count);
        }
        break;
    case WM_SETTEXT:
        FText = message.LParam ? reinterpret_cast<const char*>(message.LParam) : "";
        message.Result = TRUE;
        break;
    default:
        break;
    }
}

// ---- painting ----

void TControl::InvalidateControl(bool isVisible, bool isOpaque)
{
    if (!isVisible || !FParent || !FParent->HandleAllocated() || (GetComponentState() & csLoading))
        return;
    TRect r = GetBoundsRect();
    InvalidateRect(FParent->FHandle, &r, !isOpaque && !FControlStyle.Contains(csOpaque));
}

void TControl::Invalidate()
{
    InvalidateControl(FVisible, FControlStyle.Contains(csOpaque));
}

void TControl::Update()
{
    if (FParent)
        FParent->Update();
}

void TControl::Repaint()
{
    Invalidate();
    Update();
}

void TControl::BringToFront()
{
    if (!FParent)
        return;
    auto& list = FParent->FControls;
    list.erase(std::find(list.begin(), list.end(), this));
    list.push_back(this);
    if (auto* self = dynamic_cast<TWinControl*>(this); self && self->HandleAllocated())
        SetWindowPos(self->FHandle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Invalidate();
}

void TControl::SendToBack()
{
    if (!FParent)
        return;
    auto& list = FParent->FControls;
    list.erase(std::find(list.begin(), list.end(), this));
    list.insert(list.begin(), this);
    if (auto* self = dynamic_cast<TWinControl*>(this); self && self->HandleAllocated())
        SetWindowPos(self->FHandle, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Invalidate();
}

// ---- the mouse ----

namespace {
TControl* CaptureControl = nullptr;
}

bool TControl::GetMouseCapture() const
{
    return CaptureControl == this;
}

void TControl::SetMouseCapture(bool value)
{
    if (value == GetMouseCapture())
        return;
    if (value) {
        CaptureControl = this;
        TControl* windowed = this;
        while (windowed && !dynamic_cast<TWinControl*>(windowed))
            windowed = windowed->FParent;
        if (auto* w = dynamic_cast<TWinControl*>(windowed); w && w->HandleAllocated())
            SetCapture(w->FHandle);
    } else {
        CaptureControl = nullptr;
        ReleaseCapture();
    }
}

void TControl::Click()
{
    ClickClient(this, OnClick, FActionLink.get());
}

void TControl::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y)
{
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

TControl* CapturedControl()
{
    return CaptureControl;
}
