#include <optional>

#include "unicode/UniSystem.h"
#include "unicode_controls/UniComCtrls.h"

// ---- columns ----

VARIRUVU_CLASS_INFO(TUniListColumn, TListColumn)
{
    info.Property("Caption", &TUniListColumn::GetCaption, &TUniListColumn::SetCaption);
}

void TUniListColumn::SetCaption(const WideString& value)
{
    FWideCaption = value;
    TListColumn::SetCaption(WideToAnsi(value));
}

void TUniListColumn::DefineProperties(TFiler* filer)
{
    TListColumn::DefineProperties(filer);
    WidePropertyFilerHook(filer, this);
}

void TUniListColumn::Assign(TPersistent* source)
{
    TListColumn::Assign(source);
    if (auto* wide = dynamic_cast<TUniListColumn*>(source))
        SetCaption(wide->GetCaption());
    else if (auto* plain = dynamic_cast<TListColumn*>(source))
        FWideCaption = AnsiToWide(plain->GetCaption());
}

VARIRUVU_CLASS_INFO(TUniListColumns, TListColumns) {}

// ---- sub-items ----

TStrings* TWideSubItems::AnsiItems() const
{
    return static_cast<TListItem*>(FOwner)->GetSubItems();
}

template <class Wide, class Ansi>
void TWideSubItems::Mirror(Wide wide, Ansi ansi)
{
    std::optional<TUniCustomListView::TChanging> changing;
    if (TUniCustomListView* view = FOwner->GetListView())
        changing.emplace(view);
    wide();
    if (!FIgnoreAnsi)
        ansi(AnsiItems());
}

TObject* TWideSubItems::GetObject(int index) const
{
    return AnsiItems()->GetObject(index);
}

void TWideSubItems::PutObject(int index, TObject* object)
{
    AnsiItems()->PutObject(index, object);
}

void TWideSubItems::Put(int index, const WideString& s)
{
    Mirror([&] { TUniStringList::Put(index, s); }, [&](TStrings* ansi) { ansi->Put(index, WideToAnsi(s)); });
}

int TWideSubItems::AddObject(const WideString& s, TObject* object)
{
    int index = -1;
    Mirror([&] { index = TUniStringList::AddObject(s, object); },
           [&](TStrings* ansi) { ansi->AddObject(WideToAnsi(s), object); });
    return index;
}

void TWideSubItems::Clear()
{
    Mirror([&] { TUniStringList::Clear(); }, [](TStrings* ansi) { ansi->Clear(); });
}

void TWideSubItems::Delete(int index)
{
    Mirror([&] { TUniStringList::Delete(index); }, [&](TStrings* ansi) { ansi->Delete(index); });
}

void TWideSubItems::Insert(int index, const WideString& s)
{
    Mirror([&] { TUniStringList::Insert(index, s); }, [&](TStrings* ansi) { ansi->Insert(index, WideToAnsi(s)); });
}

void TWideSubItems::SetUpdateState(bool updating)
{
    TUniStringList::SetUpdateState(updating);
    if (updating)
        AnsiItems()->BeginUpdate();
    else
        AnsiItems()->EndUpdate();
}

// ---- items ----

VARIRUVU_CLASS_INFO(TUniListItem, TListItem) {}
VARIRUVU_CLASS_INFO(TUniListItems, TListItems) {}

TUniListItem::TUniListItem(TListItems* owner) : TListItem(owner), FWideSubItems(std::make_unique<TWideSubItems>(this))
{
}

TUniCustomListView* TUniListItem::GetListView() const
{
    return dynamic_cast<TUniCustomListView*>(TListItem::GetListView());
}

void TUniListItem::SetCaption(const WideString& value)
{
    std::optional<TUniCustomListView::TChanging> changing;
    if (TUniCustomListView* view = GetListView())
        changing.emplace(view);
    FWideCaption = value;
    TListItem::SetCaption(WideToAnsi(value));
}

void TUniListItem::Assign(TPersistent* source)
{
    auto* other = dynamic_cast<TUniListItem*>(source);
    if (!other) {
        TListItem::Assign(source);
        return;
    }
    SetCaption(other->GetCaption());
    SetData(other->GetData());
    SetImageIndex(other->GetImageIndex());
    SetIndent(other->GetIndent());
    FWideSubItems->Assign(other->FWideSubItems.get());
    SetChecked(other->GetChecked());
}
