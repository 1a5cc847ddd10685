// What the user does with the tabs: clicks, keys, Ctrl+Tab, hot tracking,
// dragging a tab to a new place and the close button.
#include "classlib/StdCtrls.h"
#include "components/KitTabButtons.h"
#include "tabs_fixture.h"

namespace {

// The events of a page control, counted.
struct TEventLog {
    int Changing = 0, Change = 0, PageChange = 0, TabClick = 0;
    std::vector<int> Asked;  // the indexes OnChanging was asked for
    int Refuse = -1;         // the index OnChanging refuses

    void Attach(TKitPageControl* pages)
    {
        pages->OnChanging = TKitTabChangingEvent::FromFunction([this](TObject*, int index, bool& allow) {
            ++Changing;
            Asked.push_back(index);
            if (index == Refuse)
                allow = false;
        });
        pages->OnChange = TNotifyEvent::FromFunction([this](TObject*) { ++Change; });
        pages->OnPageChange = TNotifyEvent::FromFunction([this](TObject*) { ++PageChange; });
        pages->OnTabClick = TNotifyEvent::FromFunction([this](TObject*) { ++TabClick; });
    }
};

class KitTabUseTest : public KitTabsTest {
protected:
    void SetUp() override
    {
        KitTabsTest::SetUp();
        pages = AddPageControl(500, 200, {"First", "Second", "Third", "Fourth"});
        pages->SetActivePage(pages->GetPages(0));
        form->Show();
        Application->ProcessMessages();
        pages->UpdateLayout();
        log.Attach(pages);
    }
    TPoint TabCentre(int tab) { return Centre(pages->GetTabRect(tab)); }

    TKitPageControl* pages = nullptr;
    TEventLog log;
};

}  // namespace

TEST_F(KitTabUseTest, AClickSelectsThePageAndAClickOnTheSelectedTabFocusesTheControl)
{
    Click(pages, TabCentre(2));
    EXPECT_EQ(pages->GetActivePage(), pages->GetPages(2));
    EXPECT_TRUE(pages->GetPages(2)->GetVisible());
    EXPECT_FALSE(pages->GetPages(0)->GetVisible());
    EXPECT_EQ(log.Asked, std::vector<int>{2});
    EXPECT_EQ(log.Change, 1);
    EXPECT_EQ(log.PageChange, 1);
    EXPECT_EQ(log.TabClick, 1);

    Click(pages, TabCentre(2));
    EXPECT_TRUE(pages->Focused());
    EXPECT_EQ(log.TabClick, 2) << "a click on the selected tab is a tab click again";
    EXPECT_EQ(log.Change, 1);

    log.Refuse = 1;
    Click(pages, TabCentre(1));
    EXPECT_EQ(pages->GetTabIndex(), 2);
    EXPECT_EQ(pages->GetActivePage(), pages->GetPages(2)) << "a refused change keeps the page too";
    EXPECT_EQ(log.TabClick, 2);

    // Between the strip and the card nothing is hit.
    EXPECT_EQ(pages->TabAtPoint(pages->GetWidth() - 3, 3), -1);
}

TEST_F(KitTabUseTest, SettingTheIndexItHasOrOneOutsideTheListRaisesNothing)
{
    pages->SetTabIndex(0);
    pages->SetTabIndex(9);
    EXPECT_EQ(pages->GetTabIndex(), -1);
    pages->SetTabIndex(-3);
    EXPECT_EQ(pages->GetTabIndex(), -1);
    EXPECT_EQ(log.Changing + log.Change + log.PageChange, 0);
}

TEST_F(KitTabUseTest, KeysStepOverTabsThatCannotBeSelectedAndAskEachCandidateOnce)
{
    pages->GetPages(1)->SetTabEnabled(false);
    log.Refuse = 2;
    pages->Perform(WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(pages->GetTabIndex(), 3);
    EXPECT_EQ(log.Asked, (std::vector<int>{2, 3})) << "the disabled tab is not asked, each candidate once";
    EXPECT_EQ(log.TabClick, 1);

    pages->Perform(WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(pages->GetTabIndex(), 0) << "wrapping at the end";
    pages->Perform(WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ(pages->GetTabIndex(), 3);
    pages->Perform(WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ(pages->GetTabIndex(), 0);
    pages->Perform(WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(pages->GetTabIndex(), 3);

    // With every other tab out of reach an arrow comes back to the current tab and changes nothing.
    pages->GetPages(0)->SetTabEnabled(false);
    log.Asked.clear();
    pages->Perform(WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(pages->GetTabIndex(), 3);
    EXPECT_EQ(log.Asked, std::vector<int>{2});
}

TEST_F(KitTabUseTest, CtrlTabCyclesThePagesFromAControlInsideThem)
{
    auto* button = new TButton(form.get());
    button->SetParent(pages->GetPages(0));
    button->SetFocus();
    ASSERT_EQ(form->GetActiveControl(), button);

    EXPECT_EQ(DialogKey(button, VK_TAB, true, false), 1);
    EXPECT_EQ(pages->GetActivePage(), pages->GetPages(1));
    EXPECT_EQ(DialogKey(pages, VK_TAB, true, true), 1);
    EXPECT_EQ(DialogKey(pages, VK_TAB, true, true), 1);
    EXPECT_EQ(pages->GetActivePage(), pages->GetPages(3)) << "backward past the first page";
    EXPECT_EQ(log.Change, 3);

    // With no tab to show, Ctrl+Tab changes nothing and goes no further.
    pages->SetActivePage(pages->GetPages(0));
    for (int i = 0; i < pages->GetPageCount(); ++i)
        pages->GetPages(i)->SetTabVisible(false);
    button->SetFocus();
    const int changes = log.PageChange;
    EXPECT_EQ(DialogKey(button, VK_TAB, true, false), 1);
    EXPECT_EQ(pages->GetActivePage(), pages->GetPages(0));
    EXPECT_EQ(log.PageChange, changes);
    EXPECT_EQ(form->GetActiveControl(), button);
}

TEST_F(KitTabUseTest, TheHotTabFollowsTheMouseAndTheTimerEndsIt)
{
    MoveMouse(pages, TabCentre(1));
    EXPECT_EQ(pages->GetHotTab(), 1);
    EXPECT_TRUE(pages->GetHotTimerRunning());
    MoveMouse(pages, TabCentre(3));
    EXPECT_EQ(pages->GetHotTab(), 3);

    // The pointer leaves without a message to the control: the 60 ms timer (identifier 0) notices.
    SetCursorPos(1200, 1000);
    const DWORD start = GetTickCount();
    while (pages->GetHotTab() >= 0 && GetTickCount() - start < 2000) {
        Application->ProcessMessages();
        Sleep(10);
    }
    EXPECT_EQ(pages->GetHotTab(), -1);
    EXPECT_FALSE(pages->GetHotTimerRunning());

    pages->SetHotTrack(false);
    MoveMouse(pages, TabCentre(1));
    EXPECT_EQ(pages->GetHotTab(), -1) << "no hot tracking without HotTrack or TabHints";
}

TEST_F(KitTabUseTest, DraggingATabMovesItsPageWhereItIsDropped)
{
    pages->SetAllowTabDragging(true);
    std::vector<std::pair<int, int>> moves;
    pages->OnTabOrderChange =
        TKitTabOrderChangeEvent::FromFunction([&](TObject*, int from, int to) { moves.emplace_back(from, to); });
    TKitTabSheet* dragged = pages->GetPages(0);

    // Onto itself: nothing moves.
    pages->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(TabCentre(0).x, TabCentre(0).y));
    MoveMouse(pages, TPoint(TabCentre(0).x + 8, TabCentre(0).y), true);
    pages->Perform(WM_LBUTTONUP, 0, MAKELPARAM(TabCentre(0).x + 8, TabCentre(0).y));
    EXPECT_EQ(dragged->GetPageIndex(), 0);
    EXPECT_TRUE(moves.empty());

    const TPoint target = TabCentre(2);
    pages->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(TabCentre(0).x, TabCentre(0).y));
    MoveMouse(pages, TPoint(TabCentre(1).x, TabCentre(1).y), true);
    MoveMouse(pages, target, true);
    pages->Perform(WM_LBUTTONUP, 0, MAKELPARAM(target.x, target.y));
    EXPECT_EQ(dragged->GetPageIndex(), 2);
    EXPECT_EQ(pages->GetPages(0)->GetCaption(), "Second");
    EXPECT_EQ(moves, (std::vector<std::pair<int, int>>{{0, 2}}));
    EXPECT_EQ(pages->GetActivePage(), dragged);
    EXPECT_EQ(pages->GetTabIndex(), 2);

    // A refusing OnTabDragging keeps the tab where it is.
    pages->OnTabDragging = TKitTabDraggingEvent::FromFunction([](TObject*, int, bool& allow) { allow = false; });
    pages->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(TabCentre(2).x, TabCentre(2).y));
    MoveMouse(pages, TabCentre(0), true);
    pages->Perform(WM_LBUTTONUP, 0, MAKELPARAM(TabCentre(0).x, TabCentre(0).y));
    EXPECT_EQ(dragged->GetPageIndex(), 2);
}

TEST_F(KitTabUseTest, TheCloseButtonClosesTheActivePageAndSelectsTheOneBefore)
{
    pages->SetShowCloseButton(true);
    pages->UpdateLayout();
    TKitTabControlCloseButton* close = pages->GetCloseButton();
    ASSERT_TRUE(close && close->GetVisible());
    TKitTabSheet* third = pages->GetPages(2);
    pages->SetActivePage(third);
    const TPoint middle(close->GetWidth() / 2, close->GetHeight() / 2);

    // Without an OnClose handler nothing closes.
    Click(close, middle);
    EXPECT_EQ(pages->GetPageCount(), 4);

    int asked = 0;
    pages->OnClose = TKitTabCloseEvent::FromFunction([&](TObject*, bool& allow) {
        ++asked;
        allow = true;
    });
    // A press that leaves the button before its release closes nothing.
    close->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(middle.x, middle.y));
    close->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-20, -20));
    close->Perform(WM_LBUTTONUP, 0, MAKELPARAM(-20, -20));
    EXPECT_EQ(asked, 0);

    Click(close, middle);
    EXPECT_EQ(asked, 1);
    ASSERT_EQ(pages->GetPageCount(), 3);
    EXPECT_EQ(pages->GetTabIndex(), 1) << "the tab before the closed one";
    EXPECT_EQ(pages->GetActivePage(), pages->GetPages(1));
    EXPECT_EQ(pages->GetActivePage()->GetCaption(), "Second");
    EXPECT_TRUE(pages->GetActivePage()->GetVisible());

    pages->SetActivePage(pages->GetPages(0));
    Click(close, middle);
    EXPECT_EQ(pages->GetTabIndex(), 0) << "closing the first tab selects the new first one";
    EXPECT_EQ(pages->GetActivePage()->GetCaption(), "Second");
}
