// Lists of pointers, of owned objects and of components.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "classlib/Component.h"

enum TListNotification { lnAdded, lnExtracted, lnDeleted };

// A list of untyped pointers. A descendant that acts on Notify (to free its
// entries, say) must call Clear in its own destructor: the base's comes too late.
class TList : public TObject {
public:
    using TListSortCompare = std::function<int(void*, void*)>;

    ~TList() override;

    int Add(void* item);
    void Insert(int index, void* item);
    void Delete(int index);
    // The index the item had, or -1.
    int Remove(void* item);
    // Takes the item out without lnDeleted; gives it back, or null when it was not there.
    void* Extract(void* item);
    virtual void Clear();
    int IndexOf(void* item) const;
    void Exchange(int index1, int index2);
    void Move(int curIndex, int newIndex);
    void Sort(const TListSortCompare& compare);
    void* First() const { return Get(0); }
    void* Last() const { return Get(GetCount() - 1); }

    void* Get(int index) const;
    void Put(int index, void* item);
    int GetCount() const { return static_cast<int>(FItems.size()); }
    void SetCount(int count);
    int GetCapacity() const { return FCapacity; }
    void SetCapacity(int capacity);

protected:
    virtual void Notify(void* item, TListNotification action);
    // EListError "List index out of bounds (%d)".
    [[noreturn]] static void IndexError(int index);

private:
    void CheckIndex(int index) const;
    void Grow();

    std::vector<void*> FItems;
    int FCapacity = 0;
};

// A list of objects that frees the objects it deletes while it owns them.
class TObjectList : public TList {
public:
    explicit TObjectList(bool ownsObjects = true) : FOwnsObjects(ownsObjects) {}
    ~TObjectList() override;

    int Add(TObject* item) { return TList::Add(item); }
    void Insert(int index, TObject* item) { TList::Insert(index, item); }
    int Remove(TObject* item) { return TList::Remove(item); }
    TObject* Extract(TObject* item) { return static_cast<TObject*>(TList::Extract(item)); }
    int IndexOf(TObject* item) const { return TList::IndexOf(item); }
    TObject* GetItem(int index) const { return static_cast<TObject*>(Get(index)); }
    void SetItem(int index, TObject* item) { Put(index, item); }
    bool GetOwnsObjects() const { return FOwnsObjects; }
    void SetOwnsObjects(bool value) { FOwnsObjects = value; }

protected:
    void Notify(void* item, TListNotification action) override;

private:
    bool FOwnsObjects;
};

// A list of components from which an entry leaves by itself when its component is freed.
class TComponentList : public TObjectList {
public:
    explicit TComponentList(bool ownsObjects = true);
    ~TComponentList() override;

    int Add(TComponent* item) { return TObjectList::Add(item); }
    void Insert(int index, TComponent* item) { TObjectList::Insert(index, item); }
    int Remove(TComponent* item) { return TObjectList::Remove(item); }
    TComponent* Extract(TComponent* item) { return static_cast<TComponent*>(TObjectList::Extract(item)); }
    int IndexOf(TComponent* item) const { return TObjectList::IndexOf(item); }
    TComponent* GetItem(int index) const { return static_cast<TComponent*>(Get(index)); }
    void SetItem(int index, TComponent* item) { Put(index, item); }

protected:
    void Notify(void* item, TListNotification action) override;

private:
    class TWatcher;
    std::unique_ptr<TWatcher> FWatcher;
};
