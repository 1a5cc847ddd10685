#include "classlib/StdCtrls.h"

VARIRUVU_CLASS_INFO(TButtonControl, TWinControl) {}
VARIRUVU_CLASS_INFO(TButtonActionLink, TWinControlActionLink) {}

TActionLinkClass TButtonControl::GetActionLinkClass() const
{
    return TActionLinkClass::Of<TButtonActionLink>();
}

// The system button reports its clicks itself, through the reflected command.
TButtonControl::TButtonControl(TComponent* AOwner) : TWinControl(AOwner)
{
    FControlStyle.Exclude(csClickEvents).Exclude(csSetCaption);
    SetTabStop(true);
}

void TButtonControl::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    CreateSubClass(params, "BUTTON");
}

void TButtonControl::WndProc(TMessage& message)
{
    if (message.Msg == CN_COMMAND && (HIWORD(message.WParam) == BN_CLICKED || HIWORD(message.WParam) == BN_DOUBLECLICKED)) {
        ButtonClicked();
        return;
    }
    TWinControl::WndProc(message);
}

VARIRUVU_CLASS_INFO(TButton, TButtonControl)
{
    info.Property("Cancel", &TButton::GetCancel, &TButton::SetCancel).Default(false);
    info.Property("Default", &TButton::GetDefault, &TButton::SetDefault).Default(false);
    info.Property("ModalResult", &TButton::GetModalResult, &TButton::SetModalResult).Default(mrNone);
}

TButton::TButton(TComponent* AOwner) : TButtonControl(AOwner)
{
    SetBounds(0, 0, 75, 25);
}

void TButton::SetDefault(bool value)
{
    FDefault = value;
    if (!HandleAllocated())
        return;
    // An owner-drawn button keeps its style and draws the default frame itself.
    if ((GetWindowLongA(FHandle, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW)
        Invalidate();
    else
        SendMessageA(FHandle, BM_SETSTYLE, value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::CreateParams(TCreateParams& params)
{
    TButtonControl::CreateParams(params);
    params.Style |= FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::Click()
{
    if (TCustomForm* form = GetParentForm(); form && FModalResult != mrNone)
        form->SetModalResult(FModalResult);
    TButtonControl::Click();
}

void TButton::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_DIALOGCHAR:
        if (IsCaptionAccel(message.WParam) && CanFocus()) {
            Click();
            message.Result = 1;
        } else {
            Broadcast(message);
        }
        return;
    case CM_DIALOGKEY:
        if (((message.WParam == VK_RETURN && FDefault) || (message.WParam == VK_ESCAPE && FCancel)) &&
            (KeyboardShiftState() * TShiftState{ssAlt, ssCtrl}).Empty() && CanFocus()) {
            Click();
            message.Result = 1;
            return;
        }
        break;
    default:
        break;
    }
    TButtonControl::WndProc(message);
}

VARIRUVU_CLASS_INFO(TCustomCheckBox, TButtonControl) {}

VARIRUVU_CLASS_INFO(TCheckBox, TCustomCheckBox)
{
    info.Property("Alignment", &TCheckBox::GetAlignment, &TCheckBox::SetAlignment).Default(taRightJustify);
    info.Property("AllowGrayed", &TCheckBox::GetAllowGrayed, &TCheckBox::SetAllowGrayed).Default(false);
    info.Property("State", &TCheckBox::GetState, &TCheckBox::SetState).Default(cbUnchecked);
    info.Property("Checked", &TCheckBox::GetChecked, &TCheckBox::SetChecked).Stored(false);
}

TCustomCheckBox::TCustomCheckBox(TComponent* AOwner) : TButtonControl(AOwner)
{
    SetBounds(0, 0, 97, 17);
}

void TCustomCheckBox::SetState(TCheckBoxState value)
{
    if (FState == value)
        return;
    FState = value;
    if (HandleAllocated())
        SendMessageA(FHandle, BM_SETCHECK, static_cast<WPARAM>(value), 0);
    if (!(GetComponentState() & csLoading))
        Click();
}

void TCustomCheckBox::SetAlignment(TAlignment value)
{
    if (FAlignment != value) {
        FAlignment = value;
        RecreateWnd();
    }
}

void TCustomCheckBox::Toggle()
{
    switch (FState) {
    case cbUnchecked:
        SetState(FAllowGrayed ? cbGrayed : cbChecked);
        break;
    case cbChecked:
        SetState(cbUnchecked);
        break;
    case cbGrayed:
        SetState(cbChecked);
        break;
    }
}

void TCustomCheckBox::CreateParams(TCreateParams& params)
{
    TButtonControl::CreateParams(params);
    params.Style |= BS_3STATE;
    if (FAlignment == taLeftJustify)
        params.Style |= BS_LEFTTEXT;
}

void TCustomCheckBox::CreateWnd()
{
    TButtonControl::CreateWnd();
    SendMessageA(FHandle, BM_SETCHECK, static_cast<WPARAM>(FState), 0);
}

void TCustomCheckBox::WndProc(TMessage& message)
{
    if (message.Msg == CM_DIALOGCHAR) {
        if (IsCaptionAccel(message.WParam) && CanFocus()) {
            SetFocus();
            if (Focused())
                Toggle();
            message.Result = 1;
        } else {
            Broadcast(message);
        }
        return;
    }
    TButtonControl::WndProc(message);
}

VARIRUVU_CLASS_INFO(TRadioButton, TButtonControl)
{
    info.Property("Checked", &TRadioButton::GetChecked, &TRadioButton::SetChecked).Default(false);
}

TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner)
{
    SetBounds(0, 0, 113, 17);
}

void TRadioButton::SetChecked(bool value)
{
    if (FChecked == value)
        return;
    FChecked = value;
    SetTabStop(value);
    if (HandleAllocated())
        SendMessageA(FHandle, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
    if (!value)
        return;
    if (TWinControl* parent = GetParent())
        for (int i = 0; i < parent->GetControlCount(); ++i)
            if (auto* other = dynamic_cast<TRadioButton*>(parent->GetControls(i)); other && other != this)
                other->SetChecked(false);
    if (!(GetComponentState() & csLoading))
        Click();
}

void TRadioButton::CreateParams(TCreateParams& params)
{
    TButtonControl::CreateParams(params);
    params.Style |= BS_RADIOBUTTON;
}

void TRadioButton::CreateWnd()
{
    TButtonControl::CreateWnd();
    SendMessageA(FHandle, BM_SETCHECK, FChecked ? BST_CHECKED : BST_UNCHECKED, 0);
}
