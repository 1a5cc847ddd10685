// Collections: owned, ordered items of one class, streamed as <item ... end> lists.
#pragma once

#include <vector>

#include "classlib/Persistent.h"

class TCollection;

class TCollectionItem : public TPersistent {
public:
    VARIRUVU_DECLARE_CLASS_INFO

    explicit TCollectionItem(TCollection* collection);
    // Leaves its collection.
    ~TCollectionItem() override;

    TCollection* GetCollection() const { return FCollection; }
    void SetCollection(TCollection* value);
    int GetIndex() const;
    virtual void SetIndex(int value);
    int GetID() const { return FID; }
    virtual AnsiString GetDisplayName() const { return ClassName(); }
    TPersistent* GetOwner() const override;
    AnsiString GetNamePath() const override;

protected:
    // Tells the collection that this item (or, with allItems, every item) changed.
    void Changed(bool allItems);

private:
    friend class TCollection;

    TCollection* FCollection = nullptr;
    int FID = 0;
};

enum TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

class TCollection : public TPersistent {
public:
    VARIRUVU_DECLARE_CLASS_INFO

    // Items are made by the item class's constructor taking the collection.
    explicit TCollection(const TClassInfo& itemClass);
    ~TCollection() override;

    TCollectionItem* Add();
    TCollectionItem* Insert(int index);
    void Delete(int index);
    void Clear();
    int GetCount() const { return static_cast<int>(FItems.size()); }
    TCollectionItem* GetItem(int index) const;
    // Assigns `value` to the item at index.
    void SetItem(int index, TCollectionItem* value);
    TCollectionItem* FindItemID(int id) const;
    const TClassInfo& GetItemClass() const { return FItemClass; }

    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    int GetUpdateCount() const { return FUpdateCount; }

    // Same item class: clears this collection and assigns a new item per source item.
    void Assign(TPersistent* source) override;
    AnsiString GetNamePath() const override;

protected:
    // One item changed, or (null) all of them; not called inside an update bracket.
    virtual void Update(TCollectionItem* item);
    virtual void Notify(TCollectionItem* item, TCollectionNotification action);
    void Changed();

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* item);
    void RemoveItem(TCollectionItem* item);
    void CheckIndex(int index) const;

    const TClassInfo& FItemClass;
    std::vector<TCollectionItem*> FItems;
    int FNextID = 0;
    int FUpdateCount = 0;
};

// A collection that names the persistent object it belongs to.
class TOwnedCollection : public TCollection {
public:
    VARIRUVU_DECLARE_CLASS_INFO

    TOwnedCollection(TPersistent* owner, const TClassInfo& itemClass) : TCollection(itemClass), FOwner(owner) {}
    TPersistent* GetOwner() const override { return FOwner; }

private:
    TPersistent* FOwner;
};
