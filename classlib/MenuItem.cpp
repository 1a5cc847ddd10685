#include <algorithm>
#include <map>

#include "classlib/Menus.h"

namespace {
// The items by command number; numbers fit the 16 bits of WM_COMMAND.
std::map<UINT, TMenuItem*>& Commands()
{
    static std::map<UINT, TMenuItem*> commands;
    return commands;
}

UINT NewCommand(TMenuItem* item)
{
    static UINT next = 0;
    auto& commands = Commands();
    if (commands.size() >= 0xFFFF)
        throw EOutOfResources(L"Too many menu items");
    do
        next = next % 0xFFFF + 1;
    while (commands.count(next));
    commands[next] = item;
    return next;
}
}  // namespace

VARIRUVU_CLASS_INFO(TMenuItem, TComponent)
{
    info.Property("Action", &TMenuItem::GetAction, &TMenuItem::SetAction);
    info.Property("Caption", &TMenuItem::GetCaption, &TMenuItem::SetCaption).Stored(&TMenuItem::IsCaptionStored);
    info.Property("Checked", &TMenuItem::GetChecked, &TMenuItem::SetChecked).Default(false);
    info.Property("Enabled", &TMenuItem::GetEnabled, &TMenuItem::SetEnabled).Default(true);
    info.Property("Hint", &TMenuItem::GetHint, &TMenuItem::SetHint).Stored(&TMenuItem::IsHintStored);
    info.Property("ShortCut", &TMenuItem::GetShortCut, &TMenuItem::SetShortCut).Default(scNone);
    info.Property("Visible", &TMenuItem::GetVisible, &TMenuItem::SetVisible).Default(true);
    info.Property("OnClick", &TMenuItem::OnClick);
    info.Property("OnDrawItem", &TMenuItem::OnDrawItem);
    info.Property("OnAdvancedDrawItem", &TMenuItem::OnAdvancedDrawItem);
    info.Property("OnMeasureItem", &TMenuItem::OnMeasureItem);
}

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), FCommand(NewCommand(this)) {}

TMenuItem::~TMenuItem()
{
    while (!FItems.empty())
        delete FItems.back();
    if (FParent)
        FParent->Remove(this);
    if (FHandle)
        DestroyMenu(FHandle);
    Commands().erase(FCommand);
}

// ---- properties ----

void TMenuItem::SetCaption(const AnsiString& value)
{
    if (value == FCaption)
        return;
    FCaption = value;
    MenuChanged();
}

void TMenuItem::SetChecked(bool value)
{
    if (value == FChecked)
        return;
    FChecked = value;
    MenuChanged();
}

void TMenuItem::SetEnabled(bool value)
{
    if (value == FEnabled)
        return;
    FEnabled = value;
    MenuChanged();
}

void TMenuItem::SetHint(const AnsiString& value)
{
    FHint = value;
}

void TMenuItem::SetShortCut(TShortCut value)
{
    if (value == FShortCut)
        return;
    FShortCut = value;
    MenuChanged();
}

void TMenuItem::SetVisible(bool value)
{
    if (value == FVisible)
        return;
    FVisible = value;
    MenuChanged();
}

// ---- the tree ----

int TMenuItem::IndexOf(const TMenuItem* item) const
{
    auto it = std::find(FItems.begin(), FItems.end(), item);
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

void TMenuItem::Add(TMenuItem* item)
{
    Insert(GetCount(), item);
}

void TMenuItem::Insert(int index, TMenuItem* item)
{
    if (item->FParent)
        throw EMenuError(L"Menu inserted twice");
    if (index < 0 || index > GetCount())
        throw EMenuError(L"Menu index out of range");
    FItems.insert(FItems.begin() + index, item);
    item->FParent = this;
    if (FHandle)
        item->MenuChanged();
    if (GetCount() == 1)  // the entry gets its sub-menu
        MenuChanged();
}

void TMenuItem::Remove(TMenuItem* item)
{
    auto it = std::find(FItems.begin(), FItems.end(), item);
    if (it == FItems.end())
        return;
    FItems.erase(it);
    if (FHandle)
        RemoveMenu(FHandle, item->FCommand, MF_BYCOMMAND);
    item->FParent = nullptr;
    if (FItems.empty() && FHandle && !FMenu) {
        HMENU handle = FHandle;
        FHandle = nullptr;
        MenuChanged();  // the entry lets go of the sub-menu first
        DestroyMenu(handle);
    }
}

TMenu* TMenuItem::GetParentMenu() const
{
    const TMenuItem* item = this;
    while (item->FParent)
        item = item->FParent;
    return item->FMenu;
}

bool TMenuItem::IsTopLevel() const
{
    return FParent && FParent->FMenu;
}

TMenuItem* TMenuItem::FindByCommand(UINT command)
{
    if (FCommand == command && !FMenu)
        return this;
    for (TMenuItem* item : FItems)
        if (TMenuItem* found = item->FindByCommand(command))
            return found;
    return nullptr;
}

TMenuItem* TMenuItem::FindBySubMenu(HMENU menu)
{
    if (FHandle == menu && menu)
        return this;
    for (TMenuItem* item : FItems)
        if (TMenuItem* found = item->FindBySubMenu(menu))
            return found;
    return nullptr;
}

void TMenuItem::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root)
{
    for (TMenuItem* item : FItems)
        if (item->GetOwner() == root)
            proc(item);
}

TComponent* TMenuItem::GetParentComponent() const
{
    if (FParent && FParent->FMenu)
        return FParent->FMenu;
    return FParent;
}

void TMenuItem::SetParentComponent(TComponent* value)
{
    if (FParent)
        FParent->Remove(this);
    if (auto* menu = dynamic_cast<TMenu*>(value))
        menu->GetItems()->Add(this);
    else if (auto* item = dynamic_cast<TMenuItem*>(value))
        item->Add(this);
}

// ---- the system menu ----

HMENU TMenuItem::GetHandle()
{
    if (FHandle)
        return FHandle;
    FHandle = FMenu && FMenu->IsBar() ? CreateMenu() : CreatePopupMenu();
    if (!FHandle)
        RaiseLastOSError();
    for (TMenuItem* item : std::vector<TMenuItem*>(FItems))
        item->MenuChanged();
    return FHandle;
}

void TMenuItem::MenuChanged()
{
    WriteEntry();
}

// Drop-down items show their shortcut after a TAB; items of a bar do not.
void TMenuItem::WriteEntry()
{
    if (!FParent || !FParent->FHandle || (GetComponentState() & csDestroying))
        return;
    HMENU parent = FParent->FHandle;
    MENUITEMINFOA probe{};
    probe.cbSize = sizeof(probe);
    bool present = GetMenuItemInfoA(parent, FCommand, FALSE, &probe) != FALSE;
    if (!FVisible) {
        if (present)
            RemoveMenu(parent, FCommand, MF_BYCOMMAND);
    } else {
        TMenu* menu = GetParentMenu();
        bool onBar = IsTopLevel() && menu && menu->IsBar();
        AnsiString text = FCaption;
        if (FShortCut != scNone && FItems.empty() && !onBar) {
            text += '\t';
            text += ShortCutToText(FShortCut);
        }
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_STRING | MIIM_SUBMENU;
        info.wID = FCommand;
        info.fState = (FChecked ? MFS_CHECKED : 0) | (FEnabled ? 0 : MFS_DISABLED);
        info.fType = IsLine() ? MFT_SEPARATOR : (menu && menu->GetOwnerDraw() ? MFT_OWNERDRAW : MFT_STRING);
        info.dwTypeData = text.data();
        info.cch = static_cast<UINT>(text.size());
        info.hSubMenu = FItems.empty() ? nullptr : GetHandle();
        if (info.fType == MFT_SEPARATOR)
            info.fMask &= ~MIIM_STRING;
        BOOL done;
        if (present) {
            done = SetMenuItemInfoA(parent, FCommand, FALSE, &info);
        } else {
            UINT position = 0;
            for (TMenuItem* sibling : FParent->FItems) {
                if (sibling == this)
                    break;
                position += sibling->FVisible ? 1 : 0;
            }
            done = InsertMenuItemA(parent, position, TRUE, &info);
        }
        if (!done)
            RaiseLastOSError();
    }
    if (auto* bar = dynamic_cast<TMainMenu*>(GetParentMenu()); bar && IsTopLevel())
        bar->DrawMenuBar();
}

void TMenuItem::Loaded()
{
    TComponent::Loaded();
    if (FActionLink && FActionLink->GetAction())
        ActionChange(FActionLink->GetAction(), true);
}

// ---- actions ----

TBasicAction* TMenuItem::GetAction() const
{
    return FActionLink ? FActionLink->GetAction() : nullptr;
}

void TMenuItem::SetAction(TBasicAction* value)
{
    if (!value) {
        FActionLink.reset();
        return;
    }
    if (!FActionLink)
        FActionLink.reset(static_cast<TMenuActionLink*>(GetActionLinkClass().Create(this)));
    FActionLink->SetAction(value);
    ActionChange(value, (value->GetComponentState() & csLoading) != 0);
    value->FreeNotification(this);
}

TActionLinkClass TMenuItem::GetActionLinkClass() const
{
    return TActionLinkClass::Of<TMenuActionLink>();
}

void TMenuItem::ActionChange(TObject* sender, bool checkDefaults)
{
    auto* action = dynamic_cast<TCustomAction*>(sender);
    if (!action)
        return;
    if (!checkDefaults || FCaption.empty())
        SetCaption(action->GetCaption());
    if (!checkDefaults || !FChecked)
        SetChecked(action->GetChecked());
    if (!checkDefaults || FEnabled)
        SetEnabled(action->GetEnabled());
    if (!checkDefaults || FHint.empty())
        SetHint(action->GetHint());
    if (!checkDefaults || FShortCut == scNone)
        SetShortCut(action->GetShortCut());
    if (!checkDefaults || FVisible)
        SetVisible(action->GetVisible());
    if (!checkDefaults || !OnClick)
        OnClick = action->GetOnExecute();
}

void TMenuItem::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component && component == GetAction())
        SetAction(nullptr);
}

bool TMenuItem::IsCaptionStored() const
{
    return !FActionLink || !FActionLink->IsCaptionLinked();
}

bool TMenuItem::IsHintStored() const
{
    return !FActionLink || !FActionLink->IsHintLinked();
}

void TMenuItem::InitiateAction()
{
    if (FActionLink)
        FActionLink->Update();
}

void TMenuItem::Click()
{
    if (!FEnabled)
        return;
    ClickClient(this, OnClick, FActionLink.get());
}

// ---- the link ----

VARIRUVU_CLASS_INFO(TMenuActionLink, TActionLink) {}

TMenuActionLink::TMenuActionLink(TObject* client) : TActionLink(client), FClient(static_cast<TMenuItem*>(client)) {}

bool TMenuActionLink::IsCaptionLinked()
{
    return TActionLink::IsCaptionLinked() && SameCaption(FClient->GetCaption(), CustomAction()->GetCaption());
}

bool TMenuActionLink::IsCheckedLinked()
{
    return TActionLink::IsCheckedLinked() && FClient->GetChecked() == CustomAction()->GetChecked();
}

bool TMenuActionLink::IsEnabledLinked()
{
    return TActionLink::IsEnabledLinked() && FClient->GetEnabled() == CustomAction()->GetEnabled();
}

bool TMenuActionLink::IsHintLinked()
{
    return TActionLink::IsHintLinked() && FClient->GetHint() == CustomAction()->GetHint();
}

bool TMenuActionLink::IsShortCutLinked()
{
    return TActionLink::IsShortCutLinked() && FClient->GetShortCut() == CustomAction()->GetShortCut();
}

bool TMenuActionLink::IsVisibleLinked()
{
    return TActionLink::IsVisibleLinked() && FClient->GetVisible() == CustomAction()->GetVisible();
}

bool TMenuActionLink::IsOnExecuteLinked()
{
    return TActionLink::IsOnExecuteLinked() && FAction && FClient->OnClick == FAction->GetOnExecute();
}

void TMenuActionLink::SetCaption(const AnsiString& value)
{
    if (IsCaptionLinked())
        FClient->SetCaption(value);
}

void TMenuActionLink::SetChecked(bool value)
{
    if (IsCheckedLinked())
        FClient->SetChecked(value);
}

void TMenuActionLink::SetEnabled(bool value)
{
    if (IsEnabledLinked())
        FClient->SetEnabled(value);
}

void TMenuActionLink::SetHint(const AnsiString& value)
{
    if (IsHintLinked())
        FClient->SetHint(value);
}

void TMenuActionLink::SetShortCut(TShortCut value)
{
    if (IsShortCutLinked())
        FClient->SetShortCut(value);
}

void TMenuActionLink::SetVisible(bool value)
{
    if (IsVisibleLinked())
        FClient->SetVisible(value);
}

void TMenuActionLink::SetOnExecute(const TNotifyEvent& value)
{
    if (IsOnExecuteLinked())
        FClient->OnClick = value;
}
