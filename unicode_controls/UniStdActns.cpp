#include "unicode_controls/UniStdActns.h"

VARIRUVU_CLASS_INFO(TUniHintAction, THintAction)
{
    info.Property("Hint", &TUniHintAction::GetWideHint, &TUniHintAction::SetWideHint);
}

void TUniHintAction::DefineProperties(TFiler* filer)
{
    THintAction::DefineProperties(filer);
    WidePropertyFilerHook(filer, this);
}

void TUniHintAction::Assign(TPersistent* source)
{
    if (auto* action = dynamic_cast<TCustomAction*>(source))
        SetWideHint(GetActionWideHint(action));
    else if (auto* control = dynamic_cast<TControl*>(source))
        SetWideHint(::GetWideHint(control));
    else
        THintAction::Assign(source);
}
