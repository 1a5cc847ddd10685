#include "classlib/Collections.h"

#include <algorithm>
#include <memory>

VARIRUVU_CLASS_INFO(TCollectionItem, TPersistent) {}
VARIRUVU_CLASS_INFO(TCollection, TPersistent) {}
VARIRUVU_CLASS_INFO(TOwnedCollection, TCollection) {}

// ---- TCollectionItem ----

TCollectionItem::TCollectionItem(TCollection* collection)
{
    SetCollection(collection);
}

TCollectionItem::~TCollectionItem()
{
    SetCollection(nullptr);
}

void TCollectionItem::SetCollection(TCollection* value)
{
    if (value == FCollection)
        return;
    if (FCollection)
        FCollection->RemoveItem(this);
    if (value)
        value->InsertItem(this);
}

int TCollectionItem::GetIndex() const
{
    if (!FCollection)
        return -1;
    auto& items = FCollection->FItems;
    return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int value)
{
    int current = GetIndex();
    if (current < 0 || value == current)
        return;
    FCollection->CheckIndex(value);
    auto& items = FCollection->FItems;
    items.erase(items.begin() + current);
    items.insert(items.begin() + value, this);
    Changed(true);
}

TPersistent* TCollectionItem::GetOwner() const
{
    return FCollection;
}

AnsiString TCollectionItem::GetNamePath() const
{
    return FCollection ? Format("%s[%d]", FCollection->GetNamePath(), GetIndex()) : AnsiString(ClassName());
}

void TCollectionItem::Changed(bool allItems)
{
    if (FCollection && FCollection->FUpdateCount == 0)
        FCollection->Update(allItems ? nullptr : this);
}

// ---- TCollection ----

TCollection::TCollection(const TClassInfo& itemClass) : FItemClass(itemClass) {}

TCollection::~TCollection()
{
    FUpdateCount = 1;
    Clear();
}

void TCollection::CheckIndex(int index) const
{
    if (index < 0 || index >= GetCount())
        throw EListError(Format("List index out of bounds (%d)", index));
}

TCollectionItem* TCollection::Add()
{
    return FItemClass.CreateItem(this);
}

TCollectionItem* TCollection::Insert(int index)
{
    TCollectionItem* item = Add();
    item->SetIndex(index);
    return item;
}

void TCollection::Delete(int index)
{
    CheckIndex(index);
    std::unique_ptr<TCollectionItem> item(FItems[static_cast<size_t>(index)]);
}

void TCollection::Clear()
{
    if (FItems.empty())
        return;
    BeginUpdate();
    while (!FItems.empty())
        Delete(GetCount() - 1);
    EndUpdate();
}

TCollectionItem* TCollection::GetItem(int index) const
{
    CheckIndex(index);
    return FItems[static_cast<size_t>(index)];
}

void TCollection::SetItem(int index, TCollectionItem* value)
{
    GetItem(index)->Assign(value);
}

TCollectionItem* TCollection::FindItemID(int id) const
{
    for (TCollectionItem* item : FItems)
        if (item->FID == id)
            return item;
    return nullptr;
}

void TCollection::EndUpdate()
{
    if (FUpdateCount > 0 && --FUpdateCount == 0)
        Changed();
}

void TCollection::Assign(TPersistent* source)
{
    auto* other = dynamic_cast<TCollection*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    BeginUpdate();
    try {
        Clear();
        for (TCollectionItem* item : other->FItems)
            Add()->Assign(item);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

AnsiString TCollection::GetNamePath() const
{
    TPersistent* owner = GetOwner();
    return owner ? owner->GetNamePath() : AnsiString(ClassName());
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Notify(TCollectionItem*, TCollectionNotification) {}

void TCollection::Changed()
{
    if (FUpdateCount == 0)
        Update(nullptr);
}

void TCollection::InsertItem(TCollectionItem* item)
{
    FItems.push_back(item);
    item->FCollection = this;
    item->FID = FNextID++;
    Notify(item, cnAdded);
    Changed();
}

void TCollection::RemoveItem(TCollectionItem* item)
{
    Notify(item, cnExtracting);
    FItems.erase(std::remove(FItems.begin(), FItems.end(), item), FItems.end());
    item->FCollection = nullptr;
    Changed();
}
