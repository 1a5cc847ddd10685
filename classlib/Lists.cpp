#include "classlib/Lists.h"

#include <algorithm>

// ---- TList ----

TList::~TList()
{
    Clear();
}

void TList::IndexError(int index)
{
    throw EListError(Format("List index out of bounds (%d)", index));
}

void TList::CheckIndex(int index) const
{
    if (index < 0 || index >= GetCount())
        IndexError(index);
}

void TList::Grow()
{
    int delta = FCapacity > 64 ? FCapacity / 4 : FCapacity > 8 ? 16 : 4;
    SetCapacity(FCapacity + delta);
}

int TList::Add(void* item)
{
    int index = GetCount();
    Insert(index, item);
    return index;
}

void TList::Insert(int index, void* item)
{
    if (index < 0 || index > GetCount())
        IndexError(index);
    if (GetCount() == FCapacity)
        Grow();
    FItems.insert(FItems.begin() + index, item);
    if (item)
        Notify(item, lnAdded);
}

void TList::Delete(int index)
{
    CheckIndex(index);
    void* item = FItems[static_cast<size_t>(index)];
    FItems.erase(FItems.begin() + index);
    if (item)
        Notify(item, lnDeleted);
}

int TList::Remove(void* item)
{
    int index = IndexOf(item);
    if (index >= 0)
        Delete(index);
    return index;
}

void* TList::Extract(void* item)
{
    int index = IndexOf(item);
    if (index < 0)
        return nullptr;
    FItems.erase(FItems.begin() + index);
    Notify(item, lnExtracted);
    return item;
}

void TList::Clear()
{
    while (!FItems.empty())
        Delete(GetCount() - 1);
    SetCapacity(0);
}

int TList::IndexOf(void* item) const
{
    auto found = std::find(FItems.begin(), FItems.end(), item);
    return found == FItems.end() ? -1 : static_cast<int>(found - FItems.begin());
}

void TList::Exchange(int index1, int index2)
{
    CheckIndex(index1);
    CheckIndex(index2);
    std::swap(FItems[static_cast<size_t>(index1)], FItems[static_cast<size_t>(index2)]);
}

void TList::Move(int curIndex, int newIndex)
{
    if (curIndex == newIndex)
        return;
    CheckIndex(curIndex);
    CheckIndex(newIndex);
    void* item = FItems[static_cast<size_t>(curIndex)];
    FItems.erase(FItems.begin() + curIndex);
    FItems.insert(FItems.begin() + newIndex, item);
}

void TList::Sort(const TListSortCompare& compare)
{
    std::stable_sort(FItems.begin(), FItems.end(), [&](void* a, void* b) { return compare(a, b) < 0; });
}

void* TList::Get(int index) const
{
    CheckIndex(index);
    return FItems[static_cast<size_t>(index)];
}

void TList::Put(int index, void* item)
{
    CheckIndex(index);
    void* old = FItems[static_cast<size_t>(index)];
    if (old == item)
        return;
    FItems[static_cast<size_t>(index)] = item;
    if (old)
        Notify(old, lnDeleted);
    if (item)
        Notify(item, lnAdded);
}

void TList::SetCount(int count)
{
    if (count < 0)
        throw EListError(Format("List count out of bounds (%d)", count));
    if (count > FCapacity)
        SetCapacity(count);
    while (GetCount() > count)
        Delete(GetCount() - 1);
    FItems.resize(static_cast<size_t>(count), nullptr);
}

void TList::SetCapacity(int capacity)
{
    if (capacity < GetCount())
        throw EListError(Format("List capacity out of bounds (%d)", capacity));
    FCapacity = capacity;
    FItems.reserve(static_cast<size_t>(capacity));
}

void TList::Notify(void*, TListNotification) {}

// ---- TObjectList ----

TObjectList::~TObjectList()
{
    Clear();
}

void TObjectList::Notify(void* item, TListNotification action)
{
    if (FOwnsObjects && action == lnDeleted)
        std::unique_ptr<TObject> release(static_cast<TObject*>(item));
}

// ---- TComponentList ----

// Hears of the listed components' end and takes them out of the list.
class TComponentList::TWatcher : public TComponent {
public:
    explicit TWatcher(TComponentList* list) : TComponent(nullptr), FList(list) {}

protected:
    void Notification(TComponent* component, TOperation operation) override
    {
        if (operation == opRemove)
            while (FList->TObjectList::Extract(component)) {
            }
        TComponent::Notification(component, operation);
    }

private:
    TComponentList* FList;
};

TComponentList::TComponentList(bool ownsObjects) : TObjectList(ownsObjects), FWatcher(std::make_unique<TWatcher>(this))
{
}

TComponentList::~TComponentList()
{
    Clear();
}

void TComponentList::Notify(void* item, TListNotification action)
{
    auto* component = static_cast<TComponent*>(item);
    if (action == lnAdded)
        FWatcher->FreeNotification(component);
    else if (IndexOf(component) < 0)
        FWatcher->RemoveFreeNotification(component);
    TObjectList::Notify(item, action);
}
