// What the wide standard controls share: Caption and Hint in UTF-16, kept by
// the window plumbing, stored unless an action supplies them; the wide
// pseudo-properties of form data; the wide action link.
#pragma once

#include "unicode/UniClasses.h"
#include "unicode_controls/UniActnList.h"

template <class Base>
class TUniTextControl : public Base {
public:
    using Base::Base;

    // These hide the class library's 8-bit accessors (still reachable as Base::GetCaption()).
    WideString GetCaption() const { return GetWideText(Self()); }
    void SetCaption(const WideString& value) { SetWideText(this, value); }
    WideString GetHint() const { return GetWideHint(Self()); }
    void SetHint(const WideString& value) { SetWideHint(this, value); }
    bool IsCaptionStored() const { return IsWideCaptionStored(Self()); }
    bool IsHintStored() const { return IsWideHintStored(Self()); }

    void DefineProperties(TFiler* filer) override
    {
        Base::DefineProperties(filer);
        WidePropertyFilerHook(filer, this);
    }

protected:
    TActionLinkClass GetActionLinkClass() const override
    {
        return WideActionLinkClass(Self(), Base::GetActionLinkClass());
    }
    // The wide texts go first: the class library then finds its defaults
    // taken and leaves them. Without the defaults check it writes its 8-bit
    // forms over them regardless, so they are given back afterwards.
    void ActionChange(TObject* sender, bool checkDefaults) override
    {
        auto* action = dynamic_cast<TBasicAction*>(sender);
        ApplyActionText(this, action, checkDefaults);
        Base::ActionChange(sender, checkDefaults);
        if (!checkDefaults)
            ApplyActionText(this, action, false);
    }

private:
    // Reading a wide text may make the control's helper, which is not a change.
    TControl* Self() const { return const_cast<TUniTextControl*>(this); }
};
