// Wide (UTF-16) captions and hints for actions, and the action links that
// hand them to wide controls and menu items.
//
// An action keeps its wide texts in a helper component it owns; its 8-bit
// texts stay the class library's and are kept in step. A link of a wide
// client still counts as linked while the client shows the action's wide
// text, and it hands the client the new wide text, not its 8-bit form.
#pragma once

#include "classlib/ActnList.h"
#include "classlib/Buttons.h"
#include "classlib/ComCtrls.h"
#include "unicode_controls/UniControls.h"

// The mark of an action with wide texts.
class IWideAction {
public:
    virtual ~IWideAction() = default;
};

// The wide texts of one action, owned by it.
class TCustomActionHelper : public TComponent {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TCustomActionHelper(TComponent* AOwner);

    TCustomAction* GetAction() const { return FAction; }
    WideString GetCaption();
    void SetCaption(const WideString& value);
    WideString GetHint();
    void SetHint(const WideString& value);
    // While the action's 8-bit text is being changed by SetCaption / SetHint:
    // the new wide text, for the links to pass on.
    bool InCaptionUpdate() const;
    bool InHintUpdate() const;
    const WideString& NewCaption() const { return FCaptionText.Wide; }
    const WideString& NewHint() const { return FHintText.Wide; }

private:
    friend TCustomActionHelper* FindActionHelper(TCustomAction* action);

    // One wide text and its update state.
    struct TText {
        WideString Wide;
        bool Updating = false;
        WideString Previous;
        AnsiString NewAnsi;
    };
    WideString Get(TText& text, const AnsiString& ansi);
    void Set(TText& text, const WideString& value, const AnsiString& ansi,
             void (TCustomAction::*setAnsi)(const AnsiString&));

    TCustomAction* FAction = nullptr;
    TText FCaptionText;
    TText FHintText;
};

// The helper of an action with wide texts (made on first need); null for another action.
TCustomActionHelper* FindActionHelper(TCustomAction* action);
WideString GetActionWideCaption(TCustomAction* action);
void SetActionWideCaption(TCustomAction* action, const WideString& value);
WideString GetActionWideHint(TCustomAction* action);
void SetActionWideHint(TCustomAction* action, const WideString& value);

// The link class of a wide control; `inheritedClass`, the class its base
// control would use, must be the chosen class's parent.
TActionLinkClass WideActionLinkClass(TControl* control, const TActionLinkClass& inheritedClass);
// A wide control's share of ActionChange: its wide caption and hint from a
// wide action, with checkDefaults only where the control has its own default.
void ApplyActionText(TControl* control, TBasicAction* action, bool checkDefaults);

class TUniAction : public TAction, public IWideAction {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TAction::TAction;

    // The helper is made on first need, so even reading may add it.
    WideString GetWideCaption() const { return GetActionWideCaption(const_cast<TUniAction*>(this)); }
    void SetWideCaption(const WideString& value) { SetActionWideCaption(this, value); }
    WideString GetWideHint() const { return GetActionWideHint(const_cast<TUniAction*>(this)); }
    void SetWideHint(const WideString& value) { SetActionWideHint(this, value); }

    void DefineProperties(TFiler* filer) override;
    // Takes the wide texts of a source action or control.
    void Assign(TPersistent* source) override;
};

// How the links of the wide clients decide and pass on: one set of rules over
// the client's wide caption and hint.
struct TWideLinkClient {
    WideString (*GetCaption)(TObject* client);
    void (*SetCaption)(TObject* client, const WideString& value);
    WideString (*GetHint)(TObject* client);
    void (*SetHint)(TObject* client, const WideString& value);
    // Captions compared without hot-key marks and case (menu items).
    bool LooseCaption;
};
bool WideCaptionLinked(TBasicAction* action, TObject* client, const TWideLinkClient& rules);
bool WideHintLinked(TBasicAction* action, TObject* client, const TWideLinkClient& rules);
void SetLinkedWideCaption(TBasicAction* action, TObject* client, const TWideLinkClient& rules, const AnsiString& value);
void SetLinkedWideHint(TBasicAction* action, TObject* client, const TWideLinkClient& rules, const AnsiString& value);

// The rules for any control: its wide text and hint.
extern const TWideLinkClient WideControlClient;

// A class library link with the wide rules; Base's client is Base::GetClient().
template <class Base>
class TUniLinkOf : public Base {
public:
    using Base::Base;
    bool IsCaptionLinked() override
    {
        return Base::IsCaptionLinked() && WideCaptionLinked(this->FAction, this->GetClient(), Rules());
    }
    bool IsHintLinked() override
    {
        return Base::IsHintLinked() && WideHintLinked(this->FAction, this->GetClient(), Rules());
    }
    void SetCaption(const AnsiString& value) override
    {
        if (IsCaptionLinked())
            SetLinkedWideCaption(this->FAction, this->GetClient(), Rules(), value);
    }
    void SetHint(const AnsiString& value) override
    {
        if (IsHintLinked())
            SetLinkedWideHint(this->FAction, this->GetClient(), Rules(), value);
    }

protected:
    virtual const TWideLinkClient& Rules() const { return WideControlClient; }
};

#define VARIRUVU_UNI_LINK(Name, Base)                  \
    class Name : public TUniLinkOf<Base> {             \
    public:                                            \
        VARIRUVU_DECLARE_CLASS_INFO                    \
        using TUniLinkOf<Base>::TUniLinkOf;            \
    }

VARIRUVU_UNI_LINK(TUniControlActionLink, TControlActionLink);
VARIRUVU_UNI_LINK(TUniWinControlActionLink, TWinControlActionLink);
VARIRUVU_UNI_LINK(TUniButtonActionLink, TButtonActionLink);
VARIRUVU_UNI_LINK(TUniListViewActionLink, TListViewActionLink);
VARIRUVU_UNI_LINK(TUniSpeedButtonActionLink, TSpeedButtonActionLink);
