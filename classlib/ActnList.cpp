#include "classlib/ActnList.h"

#include <algorithm>

#include "classlib/Forms.h"

VARIRUVU_CLASS_INFO(TBasicActionLink, TObject) {}

TBasicActionLink::TBasicActionLink(TObject*) {}

TBasicActionLink::~TBasicActionLink()
{
    if (FAction)
        FAction->UnRegisterChanges(this);
}

void TBasicActionLink::SetAction(TBasicAction* value)
{
    if (value == FAction)
        return;
    if (FAction)
        FAction->UnRegisterChanges(this);
    FAction = value;
    if (FAction)
        FAction->RegisterChanges(this);
}

bool TBasicActionLink::Execute(TComponent* target)
{
    if (!FAction)
        return false;
    FAction->SetActionComponent(target);
    struct Reset {
        TBasicAction* action;
        ~Reset() { action->SetActionComponent(nullptr); }
    } reset{FAction};
    return FAction->Execute();
}

bool TBasicActionLink::Update()
{
    return FAction && FAction->Update();
}

void ClickClient(TComponent* client, const TNotifyEvent& onClick, TBasicActionLink* link)
{
    TBasicAction* action = link ? link->GetAction() : nullptr;
    if (onClick && (!action || !(onClick == action->GetOnExecute())))
        onClick(client);
    else if (link && !(client->GetComponentState() & csDesigning))
        link->Execute(client);
    else if (onClick)
        onClick(client);
}

// ---- TBasicAction ----

VARIRUVU_CLASS_INFO(TBasicAction, TComponent)
{
    info.Property("OnExecute", &TBasicAction::GetOnExecute, &TBasicAction::SetOnExecute);
    info.Property("OnUpdate", &TBasicAction::GetOnUpdate, &TBasicAction::SetOnUpdate);
}

TBasicAction::TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}

TBasicAction::~TBasicAction()
{
    // The clients are told by free notification; links that outlive it must not point here.
    for (TBasicActionLink* link : FClients)
        link->FAction = nullptr;
}

bool TBasicAction::Execute()
{
    if (!FOnExecute)
        return false;
    FOnExecute(this);
    return true;
}

bool TBasicAction::Update()
{
    if (!FOnUpdate)
        return false;
    FOnUpdate(this);
    return true;
}

void TBasicAction::SetOnExecute(TNotifyEvent value)
{
    if (value == FOnExecute)
        return;
    for (TBasicActionLink* link : std::vector<TBasicActionLink*>(FClients))
        link->SetOnExecute(value);
    FOnExecute = std::move(value);
    Change();
}

void TBasicAction::SetOnUpdate(TNotifyEvent value)
{
    FOnUpdate = std::move(value);
}

void TBasicAction::RegisterChanges(TBasicActionLink* link)
{
    link->FAction = this;
    if (std::find(FClients.begin(), FClients.end(), link) == FClients.end())
        FClients.push_back(link);
}

void TBasicAction::UnRegisterChanges(TBasicActionLink* link)
{
    auto it = std::find(FClients.begin(), FClients.end(), link);
    if (it == FClients.end())
        return;
    FClients.erase(it);
    link->FAction = nullptr;
}

void TBasicAction::Change()
{
    if (OnChange)
        OnChange(this);
}

// ---- TContainedAction ----

namespace {
// Sent to the application window, which hands the action to the forms.
bool SendAppMessage(UINT msg, TBasicAction* action)
{
    return Application->HandleAllocated() &&
           SendMessageA(Application->GetHandle(), msg, 0, reinterpret_cast<LPARAM>(action)) == 1;
}
}  // namespace

VARIRUVU_CLASS_INFO(TContainedAction, TBasicAction)
{
    info.Property("Category", &TContainedAction::GetCategory, &TContainedAction::SetCategory);
}

TContainedAction::~TContainedAction()
{
    SetActionList(nullptr);
}

void TContainedAction::SetActionList(TCustomActionList* value)
{
    if (value == FActionList)
        return;
    if (FActionList)
        FActionList->RemoveAction(this);
    if (value)
        value->AddAction(this);
}

int TContainedAction::GetIndex() const
{
    return FActionList ? FActionList->IndexOfAction(this) : -1;
}

bool TContainedAction::Execute()
{
    return (FActionList && FActionList->ExecuteAction(this)) || TBasicAction::Execute() ||
           SendAppMessage(CM_ACTIONEXECUTE, this);
}

bool TContainedAction::Update()
{
    return (FActionList && FActionList->UpdateAction(this)) || TBasicAction::Update() ||
           SendAppMessage(CM_ACTIONUPDATE, this);
}

TComponent* TContainedAction::GetParentComponent() const
{
    return FActionList;
}

void TContainedAction::SetParentComponent(TComponent* value)
{
    if (auto* list = dynamic_cast<TCustomActionList*>(value))
        SetActionList(list);
}

// ---- TCustomAction ----

VARIRUVU_CLASS_INFO(TCustomAction, TContainedAction) {}

VARIRUVU_CLASS_INFO(TAction, TCustomAction)
{
    info.Property("Caption", &TAction::GetCaption, &TAction::SetCaption);
    info.Property("Checked", &TAction::GetChecked, &TAction::SetChecked).Default(false);
    info.Property("Enabled", &TAction::GetEnabled, &TAction::SetEnabled).Default(true);
    info.Property("Hint", &TAction::GetHint, &TAction::SetHint);
    info.Property("ShortCut", &TAction::GetShortCut, &TAction::SetShortCut).Default(scNone);
    info.Property("Visible", &TAction::GetVisible, &TAction::SetVisible).Default(true);
}

TCustomAction::TCustomAction(TComponent* AOwner) : TContainedAction(AOwner) {}

template <class T, class Tell>
void TCustomAction::Take(T& field, const T& value, Tell tell)
{
    if (field == value)
        return;
    for (int i = 0; i < GetClientCount(); ++i)
        if (auto* link = dynamic_cast<TActionLink*>(GetClients(i)))
            tell(link);
    field = value;
    Change();
}

void TCustomAction::SetCaption(const AnsiString& value)
{
    Take(FCaption, value, [&](TActionLink* link) { link->SetCaption(value); });
}

void TCustomAction::SetChecked(bool value)
{
    Take(FChecked, value, [&](TActionLink* link) { link->SetChecked(value); });
}

void TCustomAction::SetEnabled(bool value)
{
    Take(FEnabled, value, [&](TActionLink* link) { link->SetEnabled(value); });
}

void TCustomAction::SetHint(const AnsiString& value)
{
    Take(FHint, value, [&](TActionLink* link) { link->SetHint(value); });
}

void TCustomAction::SetShortCut(TShortCut value)
{
    Take(FShortCut, value, [&](TActionLink* link) { link->SetShortCut(value); });
}

void TCustomAction::SetVisible(bool value)
{
    Take(FVisible, value, [&](TActionLink* link) { link->SetVisible(value); });
}

bool TCustomAction::Execute()
{
    Update();
    return FEnabled && TContainedAction::Execute();
}

// ---- TActionLink ----

VARIRUVU_CLASS_INFO(TActionLink, TBasicActionLink) {}

TCustomAction* TActionLink::CustomAction() const
{
    return dynamic_cast<TCustomAction*>(FAction);
}

bool TActionLink::IsCaptionLinked()
{
    return CustomAction() != nullptr;
}

bool TActionLink::IsCheckedLinked()
{
    return CustomAction() != nullptr;
}

bool TActionLink::IsEnabledLinked()
{
    return CustomAction() != nullptr;
}

bool TActionLink::IsHintLinked()
{
    return CustomAction() != nullptr;
}

bool TActionLink::IsShortCutLinked()
{
    return CustomAction() != nullptr;
}

bool TActionLink::IsVisibleLinked()
{
    return CustomAction() != nullptr;
}

// ---- action lists ----

VARIRUVU_CLASS_INFO(TCustomActionList, TComponent) {}

VARIRUVU_CLASS_INFO(TActionList, TCustomActionList)
{
    info.Property("OnExecute", &TActionList::OnExecute);
    info.Property("OnUpdate", &TActionList::OnUpdate);
}

TCustomActionList::~TCustomActionList()
{
    while (!FActions.empty())
        FActions.back()->SetActionList(nullptr);
}

int TCustomActionList::IndexOfAction(const TContainedAction* action) const
{
    auto it = std::find(FActions.begin(), FActions.end(), action);
    return it == FActions.end() ? -1 : static_cast<int>(it - FActions.begin());
}

void TCustomActionList::AddAction(TContainedAction* action)
{
    if (action->GetActionList() == this)
        return;
    if (action->GetActionList())
        action->GetActionList()->RemoveAction(action);
    FActions.push_back(action);
    action->FActionList = this;
}

void TCustomActionList::RemoveAction(TContainedAction* action)
{
    auto it = std::find(FActions.begin(), FActions.end(), action);
    if (it == FActions.end())
        return;
    FActions.erase(it);
    action->FActionList = nullptr;
}

bool TCustomActionList::ExecuteAction(TBasicAction* action)
{
    bool handled = false;
    if (OnExecute)
        OnExecute(action, handled);
    return handled;
}

bool TCustomActionList::UpdateAction(TBasicAction* action)
{
    bool handled = false;
    if (OnUpdate)
        OnUpdate(action, handled);
    return handled;
}

void TCustomActionList::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root)
{
    for (TContainedAction* action : FActions)
        if (action->GetOwner() == root)
            proc(action);
}
