// Actions: commands with a text, a hint, a shortcut and states, shown by every
// control and menu item linked to them.
//
// A client (control or menu item) holds an action link of the class it asks
// for; the action tells its links of each new value before it takes the value,
// so a link can still see whether its client showed the old one.
#pragma once

#include <vector>

#include "classlib/Classes.h"

class TBasicAction;
class TBasicActionLink;
class TCustomActionList;

// A keyboard shortcut: the virtual key in the low byte, modifier flags above.
using TShortCut = uint16_t;
constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000, scNone = 0;

// A link class as a value: its class information and a way to make one for a client.
struct TActionLinkClass {
    const TClassInfo* Info = nullptr;
    TBasicActionLink* (*Create)(TObject* client) = nullptr;

    template <class L>
    static TActionLinkClass Of()
    {
        return {&L::ClassInfo(), [](TObject* client) -> TBasicActionLink* { return new L(client); }};
    }
    bool operator==(const TActionLinkClass& other) const { return Info == other.Info; }
};

class TBasicActionLink : public TObject {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TBasicActionLink(TObject* client);
    ~TBasicActionLink() override;

    TBasicAction* GetAction() const { return FAction; }
    void SetAction(TBasicAction* value);
    // The action carried out for `target` (the client); false when nothing ran.
    virtual bool Execute(TComponent* target = nullptr);
    virtual bool Update();
    virtual bool IsOnExecuteLinked() { return true; }
    virtual void SetOnExecute(const TNotifyEvent& value) { (void)value; }

protected:
    friend class TBasicAction;

    TBasicAction* FAction = nullptr;
};

class TBasicAction : public TComponent {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TBasicAction(TComponent* AOwner);
    ~TBasicAction() override;

    // OnExecute when assigned; false when nothing ran.
    virtual bool Execute();
    // OnUpdate when assigned; false when nothing ran.
    virtual bool Update();
    virtual bool HandlesTarget(TObject* target) { (void)target; return false; }
    virtual void ExecuteTarget(TObject* target) { (void)target; }
    virtual void UpdateTarget(TObject* target) { (void)target; }

    // The client that is carrying the action out now.
    TComponent* GetActionComponent() const { return FActionComponent; }
    void SetActionComponent(TComponent* value) { FActionComponent = value; }

    const TNotifyEvent& GetOnExecute() const { return FOnExecute; }
    void SetOnExecute(TNotifyEvent value);
    const TNotifyEvent& GetOnUpdate() const { return FOnUpdate; }
    void SetOnUpdate(TNotifyEvent value);

    void RegisterChanges(TBasicActionLink* link);
    void UnRegisterChanges(TBasicActionLink* link);
    int GetClientCount() const { return static_cast<int>(FClients.size()); }
    TBasicActionLink* GetClients(int index) const { return FClients.at(static_cast<size_t>(index)); }

    TNotifyEvent OnChange;

protected:
    // OnChange; the links have been told of the new value already.
    virtual void Change();

private:
    std::vector<TBasicActionLink*> FClients;
    TComponent* FActionComponent = nullptr;
    TNotifyEvent FOnExecute;
    TNotifyEvent FOnUpdate;
};

// A client's click: its own OnClick, unless that is only its action's
// OnExecute; then, as for a client without OnClick, the action runs for it.
void ClickClient(TComponent* client, const TNotifyEvent& onClick, TBasicActionLink* link);

// An action kept in an action list.
class TContainedAction : public TBasicAction {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TBasicAction::TBasicAction;
    ~TContainedAction() override;

    TCustomActionList* GetActionList() const { return FActionList; }
    void SetActionList(TCustomActionList* value);
    const AnsiString& GetCategory() const { return FCategory; }
    void SetCategory(const AnsiString& value) { FCategory = value; }
    int GetIndex() const;

    // The list's OnExecute, then the action's own, then the forms through
    // the application window (CM_ACTIONEXECUTE).
    bool Execute() override;
    // The same order with OnUpdate and CM_ACTIONUPDATE.
    bool Update() override;

    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* value) override;

private:
    friend class TCustomActionList;
    TCustomActionList* FActionList = nullptr;
    AnsiString FCategory;
};

class TCustomAction : public TContainedAction {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TCustomAction(TComponent* AOwner);

    const AnsiString& GetCaption() const { return FCaption; }
    void SetCaption(const AnsiString& value);
    bool GetChecked() const { return FChecked; }
    void SetChecked(bool value);
    bool GetEnabled() const { return FEnabled; }
    void SetEnabled(bool value);
    const AnsiString& GetHint() const { return FHint; }
    void SetHint(const AnsiString& value);
    TShortCut GetShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut value);
    bool GetVisible() const { return FVisible; }
    void SetVisible(bool value);

    // Runs only while enabled (after an update).
    bool Execute() override;

private:
    // Tells every link of the new value (while the old one still stands), then takes it.
    template <class T, class Tell>
    void Take(T& field, const T& value, Tell tell);

    AnsiString FCaption;
    bool FChecked = false;
    bool FEnabled = true;
    AnsiString FHint;
    TShortCut FShortCut = scNone;
    bool FVisible = true;
};

class TAction : public TCustomAction {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TCustomAction::TCustomAction;
};

// The link of a client to a custom action: which of the client's values
// follow the action, and how a new value reaches the client.
class TActionLink : public TBasicActionLink {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TBasicActionLink::TBasicActionLink;

    // The base: the action is a custom action; clients add whether they still show its value.
    virtual bool IsCaptionLinked();
    virtual bool IsCheckedLinked();
    virtual bool IsEnabledLinked();
    virtual bool IsHintLinked();
    virtual bool IsShortCutLinked();
    virtual bool IsVisibleLinked();
    virtual void SetCaption(const AnsiString& value) { (void)value; }
    virtual void SetChecked(bool value) { (void)value; }
    virtual void SetEnabled(bool value) { (void)value; }
    virtual void SetHint(const AnsiString& value) { (void)value; }
    virtual void SetShortCut(TShortCut value) { (void)value; }
    virtual void SetVisible(bool value) { (void)value; }

protected:
    TCustomAction* CustomAction() const;
};

using TActionEvent = TEvent<TBasicAction*, bool&>;

class TCustomActionList : public TComponent {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TComponent::TComponent;
    ~TCustomActionList() override;

    int GetActionCount() const { return static_cast<int>(FActions.size()); }
    TContainedAction* GetActions(int index) const { return FActions.at(static_cast<size_t>(index)); }
    int IndexOfAction(const TContainedAction* action) const;
    void AddAction(TContainedAction* action);
    void RemoveAction(TContainedAction* action);

    // OnExecute / OnUpdate of the list; true when they handled the action.
    virtual bool ExecuteAction(TBasicAction* action);
    virtual bool UpdateAction(TBasicAction* action);

    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;

    TActionEvent OnExecute;
    TActionEvent OnUpdate;

private:
    std::vector<TContainedAction*> FActions;
};

class TActionList : public TCustomActionList {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TCustomActionList::TCustomActionList;
};
