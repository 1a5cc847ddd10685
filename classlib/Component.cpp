#include "classlib/Component.h"

#include <algorithm>
#include <memory>

VARIRUVU_CLASS_INFO(TComponent, TPersistent)
{
    info.Property("Name", &TComponent::GetName, &TComponent::SetName).Stored(false);
    info.Property("Tag", &TComponent::GetTag, &TComponent::SetTag).Default(0);
}

bool IsValidIdent(const AnsiString& name)
{
    auto alpha = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
    if (name.empty() || !alpha(name[0]))
        return false;
    return std::all_of(name.begin() + 1, name.end(), [&](char c) { return alpha(c) || (c >= '0' && c <= '9'); });
}

TComponent::TComponent(TComponent* AOwner)
{
    if (AOwner)
        AOwner->InsertComponent(this);
}

TComponent::~TComponent()
{
    Destroying();
    // Tell the components that asked for it, then free what this one owns.
    while (!FFreeNotifies.empty()) {
        TComponent* other = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        auto& back = other->FFreeNotifies;
        back.erase(std::remove(back.begin(), back.end(), this), back.end());
        other->Notification(this, opRemove);
    }
    DestroyComponents();
    if (FOwner)
        FOwner->RemoveComponent(this);
}

TComponent* TComponent::GetComponents(int index) const
{
    if (index < 0 || index >= GetComponentCount())
        throw EListError(Format("List index out of bounds (%d)", index));
    return FComponents[static_cast<size_t>(index)];
}

int TComponent::GetComponentIndex() const
{
    if (!FOwner)
        return -1;
    auto& list = FOwner->FComponents;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

TComponent* TComponent::FindComponent(const AnsiString& name) const
{
    if (name.empty())
        return nullptr;
    for (TComponent* c : FComponents)
        if (SameText(c->FName, name))
            return c;
    return nullptr;
}

void TComponent::ValidateName(const AnsiString& name, const TComponent* except) const
{
    if (name.empty())
        return;
    TComponent* other = FindComponent(name);
    if (other && other != except)
        throw EComponentError(Format("A component named %s already exists", name));
}

void TComponent::SetName(const AnsiString& name)
{
    if (name == FName)
        return;
    if (!name.empty() && !IsValidIdent(name))
        throw EComponentError(Format("'%s' is not a valid component name", name));
    if (FOwner)
        FOwner->ValidateName(name, this);
    FName = name;
}

void TComponent::SetComponentStateFlag(TComponentStateFlag flag, bool on)
{
    FComponentState = on ? (FComponentState | flag) : (FComponentState & ~flag);
}

void TComponent::SetDesigning(bool value)
{
    SetComponentStateFlag(csDesigning, value);
    for (TComponent* c : FComponents)
        c->SetDesigning(value);
}

void TComponent::Destroying()
{
    if (FComponentState & csDestroying)
        return;
    SetComponentStateFlag(csDestroying, true);
    for (TComponent* c : FComponents)
        c->Destroying();
}

void TComponent::DestroyComponents()
{
    while (!FComponents.empty()) {
        // Taken out first, so that the others hear of its removal while it still exists.
        std::unique_ptr<TComponent> child(FComponents.back());
        RemoveComponent(child.get());
    }
}

void TComponent::InsertComponent(TComponent* component)
{
    ValidateName(component->FName, component);
    if (component->FOwner)
        component->FOwner->RemoveComponent(component);
    Insert(component);
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component)
{
    Notification(component, opRemove);
    Remove(component);
}

void TComponent::Insert(TComponent* component)
{
    FComponents.push_back(component);
    component->FOwner = this;
}

void TComponent::Remove(TComponent* component)
{
    FComponents.erase(std::remove(FComponents.begin(), FComponents.end(), component), FComponents.end());
    component->FOwner = nullptr;
}

void TComponent::FreeNotification(TComponent* component)
{
    if (!component || component == this)
        return;
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component) == FFreeNotifies.end())
        FFreeNotifies.push_back(component);
    if (std::find(component->FFreeNotifies.begin(), component->FFreeNotifies.end(), this) ==
        component->FFreeNotifies.end())
        component->FFreeNotifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component)
{
    if (!component)
        return;
    FFreeNotifies.erase(std::remove(FFreeNotifies.begin(), FFreeNotifies.end(), component), FFreeNotifies.end());
    auto& back = component->FFreeNotifies;
    back.erase(std::remove(back.begin(), back.end(), this), back.end());
}

void TComponent::Notification(TComponent* component, TOperation operation)
{
    if (operation == opRemove && component)
        RemoveFreeNotification(component);
    // Downwards by index: a component may leave the list while it is told.
    for (size_t i = FComponents.size(); i-- > 0;)
        if (i < FComponents.size())
            FComponents[i]->Notification(component, operation);
}

void TComponent::Loaded()
{
    SetComponentStateFlag(csLoading, false);
}

void TComponent::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root)
{
    if (root != this)
        return;
    for (TComponent* c : FComponents)
        proc(c);
}
