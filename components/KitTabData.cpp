#include "components/KitTabData.h"

#include "components/KitTabs.h"

VARIRUVU_CLASS_INFO(TKitTabData, TPersistent) {}

void TKitTabData::Assign(TPersistent* source)
{
    auto* other = dynamic_cast<TKitTabData*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    Caption = other->Caption;
    Color = other->Color;
    DisabledIndex = other->DisabledIndex;
    Enabled = other->Enabled;
    Hint = other->Hint;
    ImageIndex = other->ImageIndex;
    Visible = other->Visible;
}

VARIRUVU_CLASS_INFO(TKitTabDataList, TPersistent) {}

TKitTabData* TKitTabDataList::Add()
{
    FItems.push_back(std::make_unique<TKitTabData>());
    return FItems.back().get();
}

void TKitTabDataList::Replace(int index, std::unique_ptr<TKitTabData> item)
{
    FItems.at(static_cast<size_t>(index)) = std::move(item);
}

void TKitTabDataList::Assign(TPersistent* source)
{
    auto* other = dynamic_cast<TKitTabDataList*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this)
        return;
    Clear();
    for (int i = 0; i < other->GetCount(); ++i)
        Add()->Assign(other->GetItem(i));
}

VARIRUVU_CLASS_INFO(TKitColorSet, TPersistent) {}

void TKitColorSet::Change(TColor& field, TColor value)
{
    if (field == value)
        return;
    field = value;
    if (FControl)
        FControl->InvalidateTabs();
}

// A whole set assigned to the control's property copies its three colours
// (one repaint for the lot), so that code may hand over a prepared set.
bool TKitColorSet::AssignColors(TPersistent* source)
{
    auto* other = dynamic_cast<TKitColorSet*>(source);
    if (!other || &other->ClassType() != &ClassType())
        return false;
    TColor* mine = Colors();
    const TColor* theirs = other->Colors();
    bool changed = false;
    for (int i = 0; i < 3; ++i) {
        changed |= mine[i] != theirs[i];
        mine[i] = theirs[i];
    }
    if (changed && FControl)
        FControl->InvalidateTabs();
    return true;
}

VARIRUVU_CLASS_INFO(TKitTabColors, TKitColorSet)
{
    using P = TKitTabColors;
    info.Property("HighlightBar", &P::GetHighlightBar, &P::SetHighlightBar).OfType(ColorTypeInfo()).Default(clHighlight);
    info.Property("Shadow", &P::GetShadow, &P::SetShadow).OfType(ColorTypeInfo()).Default(clBtnFace);
    info.Property("Unselected", &P::GetUnselected, &P::SetUnselected).OfType(ColorTypeInfo()).Default(clWindow);
}

void TKitTabColors::Assign(TPersistent* source)
{
    if (!AssignColors(source))
        TKitColorSet::Assign(source);
}

VARIRUVU_CLASS_INFO(TKitTextColors, TKitColorSet)
{
    using P = TKitTextColors;
    info.Property("Disabled", &P::GetDisabled, &P::SetDisabled).OfType(ColorTypeInfo()).Default(clGrayText);
    info.Property("Selected", &P::GetSelected, &P::SetSelected).OfType(ColorTypeInfo()).Default(clBtnText);
    info.Property("Unselected", &P::GetUnselected, &P::SetUnselected).OfType(ColorTypeInfo()).Default(clBtnText);
}

void TKitTextColors::Assign(TPersistent* source)
{
    if (!AssignColors(source))
        TKitColorSet::Assign(source);
}
