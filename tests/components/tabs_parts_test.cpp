// The small parts of the tab control: region cache, colour sets, the tab
// list, the scroller's repeat and the tab menu.
#include "components/KitTabButtons.h"
#include "kit_stream.h"
#include "tabs_fixture.h"

namespace {

HRGN Region()
{
    return CreateRectRgn(0, 0, 4, 4);
}

bool Alive(HRGN region)
{
    return GetObjectType(region) == OBJ_REGION;
}

WideString MessageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const EKitTabControlError& e) {
        return e.GetMessage();
    }
    return L"(nothing raised)";
}

}  // namespace

TEST(KitTabRegionCache, KeepsAsManyRegionsAsItsCapacityAndFreesTheRest)
{
    TKitTabRegionCache cache;
    HRGN first = Region(), second = Region(), third = Region();
    cache.Add(TRect(0, 0, 1, 1), first);
    cache.Add(TRect(0, 0, 2, 2), second);
    EXPECT_FALSE(Alive(first)) << "capacity 1: the older region is freed";
    EXPECT_EQ(cache.Find(TRect(0, 0, 2, 2)), second);
    EXPECT_EQ(cache.Find(TRect(0, 0, 1, 1)), nullptr);

    cache.SetCapacity(-1);
    cache.Add(TRect(0, 0, 3, 3), third);
    EXPECT_EQ(cache.GetCount(), 2);
    // Adding a cached rectangle again moves it to the front; trimming to 1 then keeps it.
    HRGN again = Region();
    cache.Add(TRect(0, 0, 2, 2), again);
    EXPECT_FALSE(Alive(again)) << "the region of an already cached rectangle is not kept twice";
    cache.SetCapacity(1);
    EXPECT_EQ(cache.Find(TRect(0, 0, 2, 2)), second);
    EXPECT_FALSE(Alive(third));

    for (int bad : {0, -2})
        EXPECT_EQ(MessageOf([&] { cache.SetCapacity(bad); }),
                  L"Capacity must be -1 (to cache all regions) or > 0")
            << bad;
    EXPECT_EQ(cache.GetCapacity(), 1);
    cache.Clear();
    EXPECT_FALSE(Alive(second));
}

// A whole colour set handed to the control's property copies its three colours.
TEST_F(KitTabsTest, AWholeColourSetIsCopiedAndStreamedColoursArriveOneByOne)
{
    TKitPageControl* pages = AddPageControl(200, 100, {"one"});
    TKitTabColors tabColors(nullptr);
    tabColors.SetHighlightBar(clRed);
    tabColors.SetShadow(clGreen);
    tabColors.SetUnselected(clBlue);
    pages->SetTabColors(&tabColors);
    EXPECT_EQ(pages->GetTabColors()->GetHighlightBar(), clRed);
    EXPECT_EQ(pages->GetTabColors()->GetShadow(), clGreen);
    EXPECT_EQ(pages->GetTabColors()->GetUnselected(), clBlue);
    EXPECT_NE(pages->GetTabColors(), &tabColors);

    TKitTextColors textColors(nullptr);
    textColors.SetDisabled(clAqua);
    textColors.SetSelected(clMaroon);
    textColors.SetUnselected(clNavy);
    pages->SetTextColors(&textColors);
    EXPECT_EQ(pages->GetTextColors()->GetDisabled(), clAqua);
    EXPECT_EQ(pages->GetTextColors()->GetSelected(), clMaroon);
    EXPECT_EQ(pages->GetTextColors()->GetUnselected(), clNavy);
    // The two sets are not of one kind.
    EXPECT_THROW(pages->GetTabColors()->Assign(&textColors), EConvertError);

    RegisterClass(TKitPageControl::ClassInfo());
    auto streamed = ReadComponentText(
        "object Pages: TKitPageControl\n"
        "  TabColors.Shadow = clLime\n"
        "  TextColors.Selected = clPurple\n"
        "end\n");
    auto* read = dynamic_cast<TKitPageControl*>(streamed.get());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->GetTabColors()->GetShadow(), clLime);
    EXPECT_EQ(read->GetTabColors()->GetHighlightBar(), clHighlight);
    EXPECT_EQ(read->GetTextColors()->GetSelected(), clPurple);
    EXPECT_EQ(read->GetTextColors()->GetDisabled(), clGrayText);
}

TEST(KitTabDataList, ACopyTakesTheDescriptionsButNotTheLayout)
{
    TKitTabDataList list;
    TKitTabData* tab = list.Add();
    tab->Caption = "One";
    tab->Color = clRed;
    tab->DisabledIndex = 3;
    tab->Enabled = false;
    tab->Hint = "hint";
    tab->ImageIndex = 2;
    tab->Visible = false;
    tab->Bounds = TRect(1, 2, 3, 4);
    tab->Row = 2;
    TKitTabDataList copy;
    copy.Add()->Caption = "old";
    copy.Assign(&list);
    ASSERT_EQ(copy.GetCount(), 1);
    const TKitTabData* c = copy.GetItem(0);
    EXPECT_NE(c, tab);
    EXPECT_EQ(c->Caption, "One");
    EXPECT_EQ(c->Color, clRed);
    EXPECT_EQ(c->DisabledIndex, 3);
    EXPECT_FALSE(c->Enabled);
    EXPECT_EQ(c->Hint, "hint");
    EXPECT_EQ(c->ImageIndex, 2);
    EXPECT_FALSE(c->Visible);
    EXPECT_EQ(c->Bounds, TRect());
    EXPECT_EQ(c->Row, 0);
}

class KitTabScrollerTest : public KitTabsTest {
protected:
    void SetUp() override
    {
        KitTabsTest::SetUp();
        form->Show();
        scroller = new TKitTabScroller(form.get());
        scroller->SetParent(form.get());
        scroller->SetBounds(20, 20, 40, 20);
        scroller->OnUpRightClick = TNotifyEvent::FromFunction([this](TObject*) { ++forward; });
        scroller->OnDownLeftClick = TNotifyEvent::FromFunction([this](TObject*) { ++backward; });
        Application->ProcessMessages();
    }
    void Press(int x, int y) { scroller->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }
    void Move(int x, int y) { scroller->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y)); }
    void Release(int x, int y) { scroller->Perform(WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }
    void Hold(DWORD milliseconds)
    {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < milliseconds) {
            Application->ProcessMessages();
            Sleep(5);
        }
    }

    TKitTabScroller* scroller = nullptr;
    int forward = 0, backward = 0;
};

TEST_F(KitTabScrollerTest, AnArrowClicksOnReleaseInsideItAndRepeatsWhileHeld)
{
    Press(30, 10);
    Release(30, 10);
    EXPECT_EQ(forward, 1);
    EXPECT_EQ(backward, 0);

    // Leaving the arrow before the release takes the click back.
    Press(30, 10);
    Move(5, 10);
    EXPECT_FALSE(scroller->GetPressedInside());
    Release(5, 10);
    EXPECT_EQ(forward, 1);
    EXPECT_EQ(backward, 0);

    // Held: nothing before 400 ms, then a click every 100 ms, and the release adds one.
    Press(5, 10);
    Hold(300);
    EXPECT_EQ(backward, 0);
    Hold(450);
    EXPECT_GE(backward, 3);
    EXPECT_LE(backward, 6);
    const int held = backward;
    Release(5, 10);
    EXPECT_EQ(backward, held + 1);
    Hold(250);
    EXPECT_EQ(backward, held + 1) << "the timer stops with the release";
}

TEST_F(KitTabScrollerTest, AVerticalScrollerKeepsTheUpperArrowPressedAnywhereInItsHalf)
{
    scroller->SetOrientation(orVertical);
    scroller->SetBounds(20, 20, 20, 40);
    Press(10, 5);
    for (TPoint p : {TPoint(0, 0), TPoint(19, 20), TPoint(2, 12)}) {
        Move(p.x, p.y);
        EXPECT_TRUE(scroller->GetPressedInside()) << p.x << "," << p.y;
    }
    Move(10, 30);
    EXPECT_FALSE(scroller->GetPressedInside());
    Move(10, 10);
    Release(10, 10);
    EXPECT_EQ(forward, 1) << "the upper half is the second half";
}

TEST_F(KitTabsTest, TheTabMenuListsTheTabsAndItsItemsGoWithIt)
{
    TKitPageControl* pages = AddPageControl(400, 150, {"Charlie", "Alpha", "Bravo"});
    pages->SetShowMenuButton(true);
    pages->SetActivePage(pages->GetPages(1));
    pages->GetPages(1)->SetTabEnabled(false);
    TKitTabMenuButton* button = pages->GetMenuButton();
    ASSERT_TRUE(button);
    const int owned = form->GetComponentCount();
    button->BuildMenu();
    const int inMenu = button->GetMenu()->GetComponentCount();
    button->BuildMenu();
    button->BuildMenu();
    TMenuItem* items = button->GetMenu()->GetItems();
    ASSERT_EQ(items->GetCount(), 3);
    EXPECT_EQ(items->GetItems(0)->GetCaption(), "Alpha");
    EXPECT_FALSE(items->GetItems(0)->GetEnabled());
    EXPECT_TRUE(items->GetItems(0)->GetChecked());
    EXPECT_EQ(items->GetItems(1)->GetCaption(), "Bravo");
    EXPECT_TRUE(items->GetItems(1)->GetEnabled());
    EXPECT_FALSE(items->GetItems(1)->GetChecked());
    EXPECT_EQ(items->GetItems(2)->GetCaption(), "Charlie");
    EXPECT_EQ(form->GetComponentCount(), owned) << "the items belong to the menu, not to the form";
    EXPECT_EQ(button->GetMenu()->GetComponentCount(), inMenu) << "rebuilding frees the old items";

    // Unsorted, the items keep the tab order; an item's click selects its tab.
    pages->SetSortTabMenu(false);
    button->BuildMenu();
    EXPECT_EQ(items->GetItems(0)->GetCaption(), "Charlie");
    items->GetItems(2)->Click();
    EXPECT_EQ(pages->GetActivePage(), pages->GetPages(2));
}
