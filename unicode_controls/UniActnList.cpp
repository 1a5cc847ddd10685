#include "unicode_controls/UniActnList.h"

#include "unicode/UniSystem.h"
#include "unicode_controls/UniMenus.h"

// ---- the helper ----

VARIRUVU_CLASS_INFO(TCustomActionHelper, TComponent) {}

TCustomActionHelper::TCustomActionHelper(TComponent* AOwner) : TComponent(AOwner) {}

// While the 8-bit text has not reached its new form yet, the links must
// still see the wide text the action had.
WideString TCustomActionHelper::Get(TText& text, const AnsiString& ansi)
{
    if (text.Updating && ansi != text.NewAnsi)
        return text.Previous;
    return SyncWideFromAnsi(text.Wide, ansi);
}

void TCustomActionHelper::Set(TText& text, const WideString& value, const AnsiString& ansi,
                              void (TCustomAction::*setAnsi)(const AnsiString&))
{
    text.Previous = Get(text, ansi);
    text.NewAnsi = WideToAnsi(value);
    text.Updating = true;
    try {
        SyncWideToAnsi(value, text.Wide, ansi, [&](const AnsiString& v) {
            // The emptied twin is what the links compare with next.
            if (v.empty() && !text.NewAnsi.empty())
                text.Previous.clear();
            (FAction->*setAnsi)(v);
        });
    } catch (...) {
        text.Updating = false;
        throw;
    }
    text.Updating = false;
}

WideString TCustomActionHelper::GetCaption()
{
    return Get(FCaptionText, FAction->GetCaption());
}

void TCustomActionHelper::SetCaption(const WideString& value)
{
    Set(FCaptionText, value, FAction->GetCaption(), &TCustomAction::SetCaption);
}

WideString TCustomActionHelper::GetHint()
{
    return Get(FHintText, FAction->GetHint());
}

void TCustomActionHelper::SetHint(const WideString& value)
{
    Set(FHintText, value, FAction->GetHint(), &TCustomAction::SetHint);
}

bool TCustomActionHelper::InCaptionUpdate() const
{
    return FCaptionText.Updating && FAction->GetCaption() != FCaptionText.NewAnsi;
}

bool TCustomActionHelper::InHintUpdate() const
{
    return FHintText.Updating && FAction->GetHint() != FHintText.NewAnsi;
}

TCustomActionHelper* FindActionHelper(TCustomAction* action)
{
    if (!action)
        throw EUniInternalError(L"UNI Internal Error: FindActionHelper without an action.");
    if (!dynamic_cast<IWideAction*>(action))
        return nullptr;
    for (int i = 0; i < action->GetComponentCount(); ++i)
        if (auto* helper = dynamic_cast<TCustomActionHelper*>(action->GetComponents(i)))
            return helper;
    auto* helper = new TCustomActionHelper(action);
    helper->FAction = action;
    return helper;
}

WideString GetActionWideCaption(TCustomAction* action)
{
    TCustomActionHelper* helper = FindActionHelper(action);
    return helper ? helper->GetCaption() : AnsiToWide(action->GetCaption());
}

void SetActionWideCaption(TCustomAction* action, const WideString& value)
{
    if (TCustomActionHelper* helper = FindActionHelper(action))
        helper->SetCaption(value);
    else
        action->SetCaption(WideToAnsi(value));
}

WideString GetActionWideHint(TCustomAction* action)
{
    TCustomActionHelper* helper = FindActionHelper(action);
    return helper ? helper->GetHint() : AnsiToWide(action->GetHint());
}

void SetActionWideHint(TCustomAction* action, const WideString& value)
{
    if (TCustomActionHelper* helper = FindActionHelper(action))
        helper->SetHint(value);
    else
        action->SetHint(WideToAnsi(value));
}

// ---- controls ----

TActionLinkClass WideActionLinkClass(TControl* control, const TActionLinkClass& inheritedClass)
{
    TActionLinkClass chosen;
    if (dynamic_cast<TCustomListView*>(control))
        chosen = TActionLinkClass::Of<TUniListViewActionLink>();
    else if (dynamic_cast<TSpeedButton*>(control))
        chosen = TActionLinkClass::Of<TUniSpeedButtonActionLink>();
    else if (dynamic_cast<TButtonControl*>(control))
        chosen = TActionLinkClass::Of<TUniButtonActionLink>();
    else if (dynamic_cast<TWinControl*>(control))
        chosen = TActionLinkClass::Of<TUniWinControlActionLink>();
    else
        chosen = TActionLinkClass::Of<TUniControlActionLink>();
    if (chosen.Info->GetParent() != inheritedClass.Info)
        throw EUniInternalError(L"UNI Internal Error: WideActionLinkClass does not fit the inherited link class.");
    return chosen;
}

void ApplyActionText(TControl* control, TBasicAction* action, bool checkDefaults)
{
    auto* custom = dynamic_cast<TCustomAction*>(action);
    if (!custom || !dynamic_cast<IWideAction*>(action))
        return;
    WideString caption = GetWideText(control);
    if (!checkDefaults || caption.empty() || caption == AnsiToWide(control->GetName()))
        SetWideText(control, GetActionWideCaption(custom));
    if (!checkDefaults || GetWideHint(control).empty())
        SetWideHint(control, GetActionWideHint(custom));
}

// ---- the links ----

namespace {
TCustomActionHelper* HelperOf(TBasicAction* action)
{
    auto* custom = dynamic_cast<TCustomAction*>(action);
    return custom ? FindActionHelper(custom) : nullptr;
}
}  // namespace

const TWideLinkClient WideControlClient = {
    [](TObject* client) { return GetWideText(static_cast<TControl*>(client)); },
    [](TObject* client, const WideString& value) { SetWideText(static_cast<TControl*>(client), value); },
    [](TObject* client) { return GetWideHint(static_cast<TControl*>(client)); },
    [](TObject* client, const WideString& value) { SetWideHint(static_cast<TControl*>(client), value); },
    false,
};

bool WideCaptionLinked(TBasicAction* action, TObject* client, const TWideLinkClient& rules)
{
    WideString ours = GetActionWideCaption(static_cast<TCustomAction*>(action));
    WideString theirs = rules.GetCaption(client);
    return rules.LooseCaption ? SameCaptionText(ours, theirs) : ours == theirs;
}

bool WideHintLinked(TBasicAction* action, TObject* client, const TWideLinkClient& rules)
{
    return GetActionWideHint(static_cast<TCustomAction*>(action)) == rules.GetHint(client);
}

void SetLinkedWideCaption(TBasicAction* action, TObject* client, const TWideLinkClient& rules, const AnsiString& value)
{
    TCustomActionHelper* helper = HelperOf(action);
    rules.SetCaption(client, helper && helper->InCaptionUpdate() ? helper->NewCaption() : AnsiToWide(value));
}

void SetLinkedWideHint(TBasicAction* action, TObject* client, const TWideLinkClient& rules, const AnsiString& value)
{
    TCustomActionHelper* helper = HelperOf(action);
    rules.SetHint(client, helper && helper->InHintUpdate() ? helper->NewHint() : AnsiToWide(value));
}

VARIRUVU_CLASS_INFO(TUniControlActionLink, TControlActionLink) {}
VARIRUVU_CLASS_INFO(TUniWinControlActionLink, TWinControlActionLink) {}
VARIRUVU_CLASS_INFO(TUniButtonActionLink, TButtonActionLink) {}
VARIRUVU_CLASS_INFO(TUniListViewActionLink, TListViewActionLink) {}
VARIRUVU_CLASS_INFO(TUniSpeedButtonActionLink, TSpeedButtonActionLink) {}

// ---- the action ----

VARIRUVU_CLASS_INFO(TUniAction, TAction)
{
    info.Property("Caption", &TUniAction::GetWideCaption, &TUniAction::SetWideCaption);
    info.Property("Hint", &TUniAction::GetWideHint, &TUniAction::SetWideHint);
}

void TUniAction::DefineProperties(TFiler* filer)
{
    TAction::DefineProperties(filer);
    WidePropertyFilerHook(filer, this);
}

void TUniAction::Assign(TPersistent* source)
{
    if (auto* action = dynamic_cast<TCustomAction*>(source)) {
        SetWideCaption(GetActionWideCaption(action));
        SetWideHint(GetActionWideHint(action));
        return;
    }
    if (auto* control = dynamic_cast<TControl*>(source)) {
        SetWideCaption(GetWideText(control));
        SetWideHint(::GetWideHint(control));
        return;
    }
    TAction::Assign(source);
}
