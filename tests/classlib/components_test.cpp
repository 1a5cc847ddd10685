#include <gtest/gtest.h>

#include "test_classes.h"

namespace {

// Records what it is told and when it is freed.
class TProbe : public TComponent {
public:
    TProbe(TComponent* owner, const char* name, std::vector<std::string>* log) : TComponent(owner), FLog(log)
    {
        SetName(name);
    }
    ~TProbe() override { FLog->push_back("free " + GetName()); }

protected:
    void Notification(TComponent* component, TOperation operation) override
    {
        TComponent::Notification(component, operation);
        if (component != this)
            FLog->push_back(GetName() + (operation == opInsert ? " insert " : " remove ") + component->GetName());
    }

private:
    std::vector<std::string>* FLog;
};

}  // namespace

TEST(Components, OwnershipKeepsInsertionOrderAndFreesInReverse)
{
    std::vector<std::string> log;
    {
        TComponent owner(nullptr);
        auto* a = new TProbe(&owner, "a", &log);
        auto* b = new TProbe(&owner, "b", &log);
        new TProbe(&owner, "c", &log);
        EXPECT_EQ(owner.GetComponentCount(), 3);
        EXPECT_EQ(owner.GetComponents(0), a);
        EXPECT_EQ(b->GetComponentIndex(), 1);
        EXPECT_EQ(owner.FindComponent("B"), b);
        EXPECT_EQ(owner.FindComponent("d"), nullptr);
        EXPECT_THROW(owner.GetComponents(3), EListError);
        log.clear();
    }
    // Each removal is told to those still there, before the component goes.
    EXPECT_EQ(log, (std::vector<std::string>{"b remove c", "a remove c", "free c", "a remove b", "free b",
                                             "free a"}));
}

TEST(Components, NamesMustBeUniqueIdentifiers)
{
    TComponent owner(nullptr);
    TComponent a(&owner), b(&owner);
    a.SetName("Button1");
    EXPECT_THROW(b.SetName("button1"), EComponentError);
    try {
        b.SetName("1st");
        FAIL();
    } catch (const EComponentError& e) {
        EXPECT_STREQ(e.what(), "'1st' is not a valid component name");
    }
    for (const char* bad : {"a b", "a-b", "ä", "a.b"})
        EXPECT_THROW(b.SetName(bad), EComponentError) << bad;
    b.SetName("_Button_2");
    b.SetName("");
    EXPECT_EQ(b.GetName(), "");
    TComponent loose(nullptr);
    loose.SetName("Button1");
    EXPECT_THROW(owner.InsertComponent(&loose), EComponentError);
    EXPECT_EQ(loose.GetOwner(), nullptr);
}

TEST(Components, InsertionAndRemovalReachTheOwnedTree)
{
    std::vector<std::string> log;
    TComponent root(nullptr);
    new TProbe(&root, "watcher", &log);
    TComponent loose(nullptr);
    loose.SetName("loose");
    root.InsertComponent(&loose);
    root.RemoveComponent(&loose);
    EXPECT_EQ(log, (std::vector<std::string>{"watcher insert loose", "watcher remove loose"}));
    EXPECT_EQ(loose.GetOwner(), nullptr);
}

TEST(Components, FreeNotificationTellsTheOtherSideOnce)
{
    std::vector<std::string> log;
    auto* a = new TProbe(nullptr, "a", &log);
    auto* b = new TProbe(nullptr, "b", &log);
    auto* c = new TProbe(nullptr, "c", &log);
    a->FreeNotification(b);
    a->FreeNotification(b);
    a->FreeNotification(c);
    a->RemoveFreeNotification(c);
    delete a;
    EXPECT_EQ(log, (std::vector<std::string>{"free a", "b remove a"}));
    delete b;
    delete c;
}

TEST(Components, StateFlagsAndReferencesClearedWhenFreed)
{
    TComponent root(nullptr);
    auto* w = new TTestWidget(&root);
    auto* buddy = new TTestWidget(&root);
    w->SetBuddy(buddy);
    root.SetDesigning(true);
    EXPECT_TRUE(w->GetComponentState() & csDesigning);
    delete buddy;
    EXPECT_EQ(w->GetBuddy(), nullptr);
    EXPECT_EQ(root.GetComponentCount(), 1);
}

TEST(Lists, ComponentListEntriesLeaveWhenTheirComponentIsFreed)
{
    TComponent root(nullptr);
    auto* a = new TComponent(&root);
    auto* b = new TComponent(&root);
    {
        TComponentList list(false);
        list.Add(a);
        list.Add(b);
        delete a;
        ASSERT_EQ(list.GetCount(), 1);
        EXPECT_EQ(list.GetItem(0), b);
    }
    // A list that owns its components frees them; each leaves its owner.
    {
        TComponentList owning;
        owning.Add(b);
        owning.Delete(0);
    }
    EXPECT_EQ(root.GetComponentCount(), 0);
}

TEST(Lists, ListsGrowMoveAndCheckTheirIndexes)
{
    TList list;
    int values[5] = {0, 1, 2, 3, 4};
    std::vector<int> capacities;
    for (int& v : values) {
        list.Add(&v);
        capacities.push_back(list.GetCapacity());
    }
    EXPECT_EQ(capacities, (std::vector<int>{4, 4, 4, 4, 8}));
    list.Move(0, 4);
    list.Exchange(0, 1);
    EXPECT_EQ(list.Get(0), &values[2]);
    EXPECT_EQ(list.Last(), &values[0]);
    EXPECT_EQ(list.Remove(&values[3]), 2);
    EXPECT_EQ(list.Extract(&values[3]), nullptr);
    try {
        list.Delete(4);
        FAIL();
    } catch (const EListError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (4)");
    }
    list.Sort([](void* x, void* y) { return *static_cast<int*>(x) - *static_cast<int*>(y); });
    EXPECT_EQ(list.First(), &values[0]);

    int freed = 0;
    struct TCounted : TObject {
        explicit TCounted(int* n) : Count(n) {}
        ~TCounted() override { ++*Count; }
        int* Count;
    };
    {
        TObjectList owning;
        owning.Add(new TCounted(&freed));
        auto* kept = new TCounted(&freed);
        owning.Add(kept);
        owning.Extract(kept);
        owning.Add(new TCounted(&freed));
        owning.Delete(0);
        EXPECT_EQ(freed, 1);
        std::unique_ptr<TCounted> release(kept);
    }
    EXPECT_EQ(freed, 3);
}

TEST(Collections, ItemsAreOwnedOrderedAndAssignable)
{
    TCollection items(TTestItem::ClassInfo());
    auto* first = dynamic_cast<TTestItem*>(items.Add());
    first->SetCaption(L"one");
    auto* second = dynamic_cast<TTestItem*>(items.Add());
    second->SetCaption(L"two");
    EXPECT_EQ(second->GetIndex(), 1);
    EXPECT_EQ(items.FindItemID(second->GetID()), second);
    second->SetIndex(0);
    EXPECT_EQ(items.GetItem(0), second);
    auto* inserted = dynamic_cast<TTestItem*>(items.Insert(1));
    EXPECT_EQ(inserted->GetIndex(), 1);
    items.Delete(1);
    EXPECT_EQ(items.GetCount(), 2);
    EXPECT_THROW(items.GetItem(2), EListError);

    TCollection copy(TTestItem::ClassInfo());
    EXPECT_THROW(copy.Assign(&items), EConvertError);  // items cannot assign themselves
    std::unique_ptr<TCollectionItem> gone(items.GetItem(0));
    gone.reset();
    EXPECT_EQ(items.GetCount(), 1);
    EXPECT_EQ(items.GetItem(0), first);
}
