#include "unicode_controls/UniControls.h"

namespace {

TComponentList& HelperList()
{
    static TComponentList list(true);
    return list;
}

// Whether the control's action link supplies its caption (hint: its hint).
bool IsLinkedByAction(TControl* control, bool hint)
{
    TControlActionLink* link = control->GetActionLink();
    return link && (hint ? link->IsHintLinked() : link->IsCaptionLinked());
}

}  // namespace

VARIRUVU_CLASS_INFO(TWideControlHelper, TWideComponentHelper) {}

TWideControlHelper* WideControlHelper(TControl* control, bool create)
{
    auto* helper = static_cast<TWideControlHelper*>(LookupWideComponentHelper(&HelperList(), control));
    if (!helper && create)
        helper = new TWideControlHelper(control, &HelperList());
    return helper;
}

int WideControlHelperCount()
{
    return HelperList().GetCount();
}

bool IsWideCaptionStored(TControl* control)
{
    return !IsLinkedByAction(control, false);
}

bool IsWideHintStored(TControl* control)
{
    return !IsLinkedByAction(control, true);
}
