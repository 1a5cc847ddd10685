#include "components/KitButton.h"

#include "classlib/Themes.h"
#include "components/KitOldPropReader.h"

VARIRUVU_CLASS_INFO(TKitCustomButton, TCustomControl)
{
    using P = TKitCustomButton;
    info.Property("AlignmentVertical", &P::GetAlignmentVertical, &P::SetAlignmentVertical).Default(avCenter);
    info.Property("HotTrack", &P::GetHotTrack, &P::SetHotTrack).Default(false);
    info.Property("HighlightColor", &P::GetHighlightColor, &P::SetHighlightColor)
        .OfType(ColorTypeInfo())
        .Default(clHighlight);
    info.Property("HotTrackColor", &P::GetHotTrackColor, &P::SetHotTrackColor)
        .OfType(ColorTypeInfo())
        .Default(static_cast<TColor>(RGB(240, 155, 20)));
    info.Property("HotTrackColorType", &P::GetHotTrackColorType, &P::SetHotTrackColorType).Default(htctActual);
    info.Property("TextStyle", &P::GetTextStyle, &P::SetTextStyle).Default(tsNormal);
    info.Property("LightTextStyle", &P::GetLightTextStyle, &P::SetLightTextStyle).Default(false);
    info.Property("TextShadowDepth", &P::GetTextShadowDepth, &P::SetTextShadowDepth).Default(2);
    info.Property("TextShadowColor", &P::GetTextShadowColor, &P::SetTextShadowColor)
        .OfType(ColorTypeInfo())
        .Default(clBtnShadow);
    info.Property("TextHighlightColor", &P::GetTextHighlightColor, &P::SetTextHighlightColor)
        .OfType(ColorTypeInfo())
        .Default(clBtnHighlight);
    info.Property("ThemeAware", &P::GetThemeAware, &P::SetThemeAware).Default(true);
    info.Property("OnMouseEnter", &P::OnMouseEnter);
    info.Property("OnMouseLeave", &P::OnMouseLeave);
}

VARIRUVU_CLASS_INFO(TKitButton, TKitCustomButton)
{
    using P = TKitButton;
    info.Property("Alignment", &P::GetAlignment, &P::SetAlignment).Default(taCenter);
    info.Property("AllowAllUp", &P::GetAllowAllUp, &P::SetAllowAllUp).Default(false);
    info.Property("Cancel", &P::GetCancel, &P::SetCancel).Default(false);
    info.Property("Default", &P::GetDefault, &P::SetDefault).Default(false);
    info.Property("DropDownOnEnter", &P::GetDropDownOnEnter, &P::SetDropDownOnEnter).Default(true);
    info.Property("GroupIndex", &P::GetGroupIndex, &P::SetGroupIndex).Default(0);
    info.Property("Down", &P::GetDown, &P::SetDown).Default(false);
    info.Property("FrameColor", &P::GetFrameColor, &P::SetFrameColor).OfType(ColorTypeInfo()).Default(cl3DDkShadow);
    info.Property("ModalResult", &P::GetModalResult, &P::SetModalResult).Default(mrNone);
    info.Property("ShowDownPattern", &P::GetShowDownPattern, &P::SetShowDownPattern).Default(true);
    info.Property("ShowFocusRect", &P::GetShowFocusRect, &P::SetShowFocusRect).Default(true);
}

// ---- the custom-drawn base ----

TKitCustomButton::TKitCustomButton(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = TControlStyle{csCaptureMouse, csSetCaption, csDoubleClicks, csReplicatable, csReflector};
    SetBounds(0, 0, 115, 17);
    SetTabStop(true);
}

void TKitCustomButton::CreateWnd()
{
    TCustomControl::CreateWnd();
    // Focus and accelerator cues stay hidden until the keyboard is used.
    if (IsWindowsVersionOrLater(Win2000))
        SendMessageA(FHandle, WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
}

bool TKitCustomButton::ThemeDrawing() const
{
    return FThemeAware && ThemesEnabled();
}

bool TKitCustomButton::AcceleratorsShown()
{
    return !(SendMessageA(GetHandle(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL);
}

bool TKitCustomButton::FocusRectShown()
{
    return !(SendMessageA(GetHandle(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
}

void TKitCustomButton::SetShowDownVersion(bool value)
{
    if (value == FShowDownVersion)
        return;
    FShowDownVersion = value;
    Repaint();
}

void TKitCustomButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || !GetEnabled())
        return;
    SetFocus();
    if (!Focused())
        return;
    FShowDownVersion = true;
    Repaint();
    FDragging = true;
}

void TKitCustomButton::MouseMove(TShiftState shift, int x, int y)
{
    TCustomControl::MouseMove(shift, x, y);
    if (FDragging)
        SetShowDownVersion(x >= 0 && x < GetClientWidth() && y >= 0 && y < GetClientHeight());
}

void TKitCustomButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (FDragging) {
        FDragging = false;
        FShowDownVersion = false;
        if (x >= 0 && x < GetClientWidth() && y >= 0 && y < GetClientHeight())
            Click();
        Repaint();
    }
    TCustomControl::MouseUp(button, shift, x, y);
}

void TKitCustomButton::EraseTransparent(HDC dc)
{
    int saved = SaveDC(dc);
    TRect face = GetClientRect();
    int inset = GetEnabled() ? 1 : 2;
    face = TRect(face.left + inset, face.top + inset, face.right - inset, face.bottom - inset);
    // The face with its corners cut: one band a pixel wider, one a pixel taller.
    ExcludeClipRect(dc, face.left - 1, face.top + 1, face.right + 1, face.bottom - 1);
    ExcludeClipRect(dc, face.left + 1, face.top - 1, face.right - 1, face.bottom + 1);
    PaintParentBackground(this, dc, true);
    RestoreDC(dc, saved);
}

void TKitCustomButton::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_ERASEBKGND:
        if (FTransparent) {
            EraseTransparent(reinterpret_cast<HDC>(message.WParam));
            message.Result = 1;
            return;
        }
        break;
    case WM_KEYDOWN:
        if (message.WParam == VK_SPACE && !(message.LParam & (1 << 30))) {
            FKeyToggle = true;
            FShowDownVersion = true;
            Repaint();
        }
        break;
    case WM_KEYUP:
        if (message.WParam == VK_SPACE) {
            FShowDownVersion = false;
            if (FKeyToggle) {
                FKeyToggle = false;
                Click();
            }
            Repaint();
        }
        break;
    case WM_KILLFOCUS:
        FKeyToggle = false;
        FShowDownVersion = false;
        Invalidate();
        break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
        bool entering = message.Msg == CM_MOUSEENTER;
        if (entering && (GetComponentState() & csDesigning))
            return;
        FMouseOverButton = entering;
        TCustomControl::WndProc(message);
        if (TNotifyEvent& handler = entering ? OnMouseEnter : OnMouseLeave)
            handler(this);
        if ((FHotTrack || ThemeDrawing()) && HandleAllocated())
            InvalidateRect(FHandle, nullptr, FALSE);
        return;
    }
    case CM_DIALOGCHAR:
        if (IsAccel(static_cast<unsigned>(message.WParam), GetCaption()) && CanFocus()) {
            Click();
            message.Result = 1;
        }
        return;
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
        TCustomControl::WndProc(message);
        Invalidate();
        return;
    default:
        break;
    }
    TCustomControl::WndProc(message);
}

// ---- the push button ----

TKitButton::TKitButton(TComponent* AOwner) : TKitCustomButton(AOwner)
{
    SetBounds(0, 0, 75, 25);
    SetColor(clBtnFace);
}

void TKitButton::CreateWnd()
{
    TKitCustomButton::CreateWnd();
    FIsActive = FDefault;
}

void TKitButton::SetHotTrack(bool value)
{
    TKitCustomButton::SetHotTrack(value);
    SetTransparent(value);
}

void TKitButton::SetDefault(bool value)
{
    if (value == FDefault)
        return;
    FDefault = value;
    if (TCustomForm* form = GetParentForm())
        form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->GetActiveControl()));
}

void TKitButton::FocusChanged(TWinControl* focused)
{
    bool active = dynamic_cast<TKitButton*>(focused) || dynamic_cast<TButton*>(focused) ? focused == this : FDefault;
    if (active == FIsActive)
        return;
    FIsActive = active;
    Invalidate();
}

void TKitButton::Click()
{
    if (FGroupIndex != 0)
        SetDown(!FDown);
    if (TCustomForm* form = GetParentForm())
        form->SetModalResult(FModalResult);
    TKitCustomButton::Click();
}

void TKitButton::DialogKey(TMessage& message)
{
    bool wanted = (message.WParam == VK_RETURN && FIsActive) || (message.WParam == VK_ESCAPE && FCancel);
    if (!wanted || !(KeyboardShiftState() * TShiftState{ssShift, ssAlt, ssCtrl}).Empty() || !CanFocus())
        return;
    FSuppressDropDown = !FDropDownOnEnter;
    Click();
    FSuppressDropDown = false;
    message.Result = 1;
}

// ---- groups ----

void TKitButton::SetDown(bool value)
{
    if (FGroupIndex == 0)
        value = false;
    if (value == FDown || (FDown && !FAllowAllUp && FGroupIndex != 0))
        return;
    FDown = value;
    FButtonState = value ? 3 : 0;
    Invalidate();
    if (value)
        BroadcastGroup();
}

void TKitButton::SetGroupIndex(int value)
{
    if (value == FGroupIndex)
        return;
    FGroupIndex = value;
    BroadcastGroup();
}

void TKitButton::SetAllowAllUp(bool value)
{
    if (value == FAllowAllUp)
        return;
    FAllowAllUp = value;
    BroadcastGroup();
}

void TKitButton::BroadcastGroup()
{
    if (FGroupIndex == 0 || !GetParent())
        return;
    TMessage message{CM_GROUPBUTTONDOWN, static_cast<WPARAM>(FGroupIndex), reinterpret_cast<LPARAM>(this), 0};
    GetParent()->Broadcast(message);
}

void TKitButton::GroupButtonDown(TMessage& message)
{
    auto* sender = reinterpret_cast<TKitButton*>(message.LParam);
    if (static_cast<int>(message.WParam) != FGroupIndex || sender == this || FGroupIndex == 0)
        return;
    if (sender->FDown && FDown) {
        FDown = false;
        FButtonState = 0;
        Invalidate();
    }
    FAllowAllUp = sender->FAllowAllUp;
}

void TKitButton::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_DIALOGKEY:
        DialogKey(message);
        if (message.Result)
            return;
        break;
    case CM_FOCUSCHANGED:
        FocusChanged(reinterpret_cast<TWinControl*>(message.LParam));
        return;
    case CM_GROUPBUTTONDOWN:
        GroupButtonDown(message);
        return;
    default:
        break;
    }
    TKitCustomButton::WndProc(message);
}

void TKitButton::DefineProperties(TFiler* filer)
{
    TKitCustomButton::DefineProperties(filer);
    filer->DefineProperty("FrameFlat", &TKitOldPropReader::ReadBoolean, nullptr, false);
}
