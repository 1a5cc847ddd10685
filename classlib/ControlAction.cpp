// A control's action: the link, what the control takes from the action, and
// the search for a control that carries an action out.
#include "classlib/Forms.h"

TBasicAction* TControl::GetAction() const
{
    return FActionLink ? FActionLink->GetAction() : nullptr;
}

void TControl::SetAction(TBasicAction* value)
{
    if (!value) {
        FActionLink.reset();
        return;
    }
    if (!FActionLink)
        FActionLink.reset(static_cast<TControlActionLink*>(GetActionLinkClass().Create(this)));
    FActionLink->SetAction(value);
    ActionChange(value, (value->GetComponentState() & csLoading) != 0);
    value->FreeNotification(this);
}

TActionLinkClass TControl::GetActionLinkClass() const
{
    return TActionLinkClass::Of<TControlActionLink>();
}

TActionLinkClass TWinControl::GetActionLinkClass() const
{
    return TActionLinkClass::Of<TWinControlActionLink>();
}

void TControl::ActionChange(TObject* sender, bool checkDefaults)
{
    auto* action = dynamic_cast<TCustomAction*>(sender);
    if (!action)
        return;
    if (!checkDefaults || GetCaption().empty() || GetCaption() == GetName())
        SetCaption(action->GetCaption());
    if (!checkDefaults || GetEnabled())
        SetEnabled(action->GetEnabled());
    if (!checkDefaults || GetHint().empty())
        SetHint(action->GetHint());
    if (!checkDefaults || GetVisible())
        SetVisible(action->GetVisible());
    if (!checkDefaults || !OnClick)
        OnClick = action->GetOnExecute();
}

void TControl::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component && component == GetAction())
        SetAction(nullptr);
}

TComponent* TControl::GetParentComponent() const
{
    return FParent;
}

void TControl::InitiateAction()
{
    if (FActionLink)
        FActionLink->Update();
}

bool TControl::ExecuteAction(TBasicAction* action)
{
    if (!action->HandlesTarget(this))
        return false;
    action->ExecuteTarget(this);
    return true;
}

bool TControl::UpdateAction(TBasicAction* action)
{
    if (!action->HandlesTarget(this))
        return false;
    action->UpdateTarget(this);
    return true;
}

bool TControl::IsCaptionStored() const
{
    return !FActionLink || !FActionLink->IsCaptionLinked();
}

bool TControl::IsEnabledStored() const
{
    return !FActionLink || !FActionLink->IsEnabledLinked();
}

bool TControl::IsHintStored() const
{
    return !FActionLink || !FActionLink->IsHintLinked();
}

bool TControl::IsVisibleStored() const
{
    return !FActionLink || !FActionLink->IsVisibleLinked();
}

bool TControl::IsOnClickStored() const
{
    return !FActionLink || !FActionLink->IsOnExecuteLinked();
}

bool TWinControl::ExecuteAction(TBasicAction* action)
{
    if (TControl::ExecuteAction(action))
        return true;
    for (TControl* child : std::vector<TControl*>(FControls))
        if (child->ExecuteAction(action))
            return true;
    return false;
}

bool TWinControl::UpdateAction(TBasicAction* action)
{
    if (TControl::UpdateAction(action))
        return true;
    for (TControl* child : std::vector<TControl*>(FControls))
        if (child->UpdateAction(action))
            return true;
    return false;
}

void TWinControl::UpdateActions()
{
    for (TControl* child : std::vector<TControl*>(FControls)) {
        if (!child->GetVisible())
            continue;
        child->InitiateAction();
        if (auto* windowed = dynamic_cast<TWinControl*>(child))
            windowed->UpdateActions();
    }
}

// ---- the link ----

VARIRUVU_CLASS_INFO(TControlActionLink, TActionLink) {}
VARIRUVU_CLASS_INFO(TWinControlActionLink, TControlActionLink) {}

TControlActionLink::TControlActionLink(TObject* client) : TActionLink(client), FClient(static_cast<TControl*>(client)) {}

bool TControlActionLink::IsCaptionLinked()
{
    return TActionLink::IsCaptionLinked() && FClient->GetCaption() == CustomAction()->GetCaption();
}

bool TControlActionLink::IsEnabledLinked()
{
    return TActionLink::IsEnabledLinked() && FClient->GetEnabled() == CustomAction()->GetEnabled();
}

bool TControlActionLink::IsHintLinked()
{
    return TActionLink::IsHintLinked() && FClient->GetHint() == CustomAction()->GetHint();
}

bool TControlActionLink::IsVisibleLinked()
{
    return TActionLink::IsVisibleLinked() && FClient->GetVisible() == CustomAction()->GetVisible();
}

bool TControlActionLink::IsOnExecuteLinked()
{
    return TActionLink::IsOnExecuteLinked() && FAction && FClient->OnClick == FAction->GetOnExecute();
}

void TControlActionLink::SetCaption(const AnsiString& value)
{
    if (IsCaptionLinked())
        FClient->SetCaption(value);
}

void TControlActionLink::SetEnabled(bool value)
{
    if (IsEnabledLinked())
        FClient->SetEnabled(value);
}

void TControlActionLink::SetHint(const AnsiString& value)
{
    if (IsHintLinked())
        FClient->SetHint(value);
}

void TControlActionLink::SetVisible(bool value)
{
    if (IsVisibleLinked())
        FClient->SetVisible(value);
}

void TControlActionLink::SetOnExecute(const TNotifyEvent& value)
{
    if (IsOnExecuteLinked())
        FClient->OnClick = value;
}
