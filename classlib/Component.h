// Components: owners of components, names, state, loading and free notification.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "classlib/Persistent.h"

class TReader;
class TWriter;

enum TOperation { opInsert, opRemove };

enum TComponentStateFlag : uint32_t {
    csLoading = 1u << 0,
    csReading = 1u << 1,
    csWriting = 1u << 2,
    csDesigning = 1u << 3,
    csDestroying = 1u << 4,
};
using TComponentState = uint32_t;

// A component owns the components created with it as owner, in insertion
// order, and frees them, the last one first, when it is freed itself.
class TComponent : public TPersistent {
public:
    VARIRUVU_DECLARE_CLASS_INFO

    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;

    TComponent* GetOwner() const override { return FOwner; }
    const AnsiString& GetName() const { return FName; }
    // Empty, or an identifier no other component of the owner bears (case ignored);
    // otherwise EComponentError.
    virtual void SetName(const AnsiString& name);
    int32_t GetTag() const { return FTag; }
    void SetTag(int32_t value) { FTag = value; }
    TComponentState GetComponentState() const { return FComponentState; }
    AnsiString GetNamePath() const override { return FName; }

    int GetComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* GetComponents(int index) const;
    int GetComponentIndex() const;
    // An owned component by name, case ignored; null when there is none.
    TComponent* FindComponent(const AnsiString& name) const;

    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    // Frees the owned components, the last one first.
    void DestroyComponents();
    // Marks this component and everything it owns as being destroyed.
    void Destroying();
    void SetDesigning(bool value);

    // Asks to be told (by Notification with opRemove) when `component` is freed;
    // `component` is told likewise when this one is.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    // Called on every component a reader built, after the whole stream was read.
    virtual void Loaded();
    // For the writer: the components stored inside this one, in order.
    // The base gives the owned components when this is the root.
    virtual void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root);
    // For the reader: the owner and parent of the components stored inside this one.
    virtual TComponent* GetChildOwner() { return nullptr; }
    virtual TComponent* GetChildParent() { return this; }
    virtual void SetParentComponent(TComponent*) {}
    // The component this one is stored inside (a control's parent, an action's
    // list, a menu item's menu), or null; such a component is not stored by its owner.
    virtual TComponent* GetParentComponent() const { return nullptr; }

protected:
    // Tells this component of an insertion or removal; the base passes it on
    // to every owned component.
    virtual void Notification(TComponent* component, TOperation operation);
    void SetComponentStateFlag(TComponentStateFlag flag, bool on);

private:
    friend class TReader;
    friend class TWriter;

    void Insert(TComponent* component);
    void Remove(TComponent* component);
    void ValidateName(const AnsiString& name, const TComponent* except) const;

    TComponent* FOwner = nullptr;
    AnsiString FName;
    int32_t FTag = 0;
    TComponentState FComponentState = 0;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
};

// An identifier: a letter or '_', then letters, digits or '_' (ASCII).
bool IsValidIdent(const AnsiString& name);
