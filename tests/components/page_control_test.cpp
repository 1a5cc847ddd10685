// The page control's pages: switching with and without tabs, loading from a
// form stream, page order, the focus on a switch, and the errors.
#include "classlib/StdCtrls.h"
#include "kit_stream.h"
#include "tabs_fixture.h"

namespace {

WideString MessageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const EKitTabControlError& e) {
        return e.GetMessage();
    }
    return L"(nothing raised)";
}

// A form whose page control and pages come from a form stream, with the events it counts.
class TPagesForm : public TForm {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TForm::TForm;

    void PagesChange(TObject*) { ++Changes; }
    void PagesChanging(TObject*, int, bool&) { ++Changings; }
    void PagesPageChange(TObject*)
    {
        ++PageChanges;
        // A page change in the middle of loading would see the page control still reading.
        if (auto* pages = dynamic_cast<TKitPageControl*>(FindComponent("Pages")))
            LoadingWhenChanged |= (pages->GetComponentState() & (csLoading | csReading)) != 0;
    }

    int Changes = 0, Changings = 0, PageChanges = 0;
    bool LoadingWhenChanged = false;
};

VARIRUVU_CLASS_INFO(TPagesForm, TForm)
{
    info.Method("PagesChange", &TPagesForm::PagesChange);
    info.Method("PagesChanging", &TPagesForm::PagesChanging);
    info.Method("PagesPageChange", &TPagesForm::PagesPageChange);
}

AnsiString PagesText(const char* extra, bool tabs)
{
    const AnsiString tabVisible = tabs ? "" : "      TabVisible = False\n";
    return AnsiString("object PagesForm: TPagesForm\n"
                      "  object Pages: TKitPageControl\n"
                      "    Width = 300\n"
                      "    Height = 200\n"
                      "    ActivePage = Two\n"
                      "    OnChange = PagesChange\n"
                      "    OnChanging = PagesChanging\n"
                      "    OnPageChange = PagesPageChange\n") +
           extra +
           "    object One: TKitTabSheet\n      Caption = 'One'\n" + tabVisible + "    end\n"
           "    object Two: TKitTabSheet\n      Caption = 'Two'\n" + tabVisible + "    end\n"
           "    object Three: TKitTabSheet\n      Caption = 'Three'\n" + tabVisible + "    end\n"
           "  end\n"
           "end\n";
}

std::unique_ptr<TPagesForm> ReadPagesForm(const char* extra, bool tabs)
{
    RegisterClasses({&TPagesForm::ClassInfo(), &TKitPageControl::ClassInfo(), &TKitTabSheet::ClassInfo()});
    auto form = std::make_unique<TPagesForm>(nullptr);
    ReadComponentTextInto(form.get(), PagesText(extra, tabs));
    return form;
}

TKitTabSheet* Sheet(TComponent* root, const char* name)
{
    return dynamic_cast<TKitTabSheet*>(root->FindComponent(name));
}

}  // namespace

TEST(KitPageControlLoading, PagesWithoutTabsShowTheStreamedPageWithoutAnyEvent)
{
    auto form = ReadPagesForm("", false);
    auto* pages = dynamic_cast<TKitPageControl*>(form->FindComponent("Pages"));
    ASSERT_TRUE(pages);
    EXPECT_EQ(pages->GetPageCount(), 3);
    EXPECT_EQ(pages->GetActivePage(), Sheet(form.get(), "Two"));
    EXPECT_TRUE(Sheet(form.get(), "Two")->GetVisible());
    EXPECT_FALSE(Sheet(form.get(), "One")->GetVisible());
    EXPECT_FALSE(Sheet(form.get(), "Three")->GetVisible());
    EXPECT_EQ(pages->GetTabIndex(), -1);
    EXPECT_EQ(pages->GetTabs()->GetCount(), 0);
    EXPECT_EQ(form->Changes + form->Changings + form->PageChanges, 0);
    EXPECT_FALSE(form->LoadingWhenChanged);

    // Afterwards a switch to a page without tab is a page change only, also to the page on show.
    pages->SetActivePage(Sheet(form.get(), "Three"));
    EXPECT_TRUE(Sheet(form.get(), "Three")->GetVisible());
    EXPECT_FALSE(Sheet(form.get(), "Two")->GetVisible());
    EXPECT_EQ(form->PageChanges, 1);
    pages->SetActivePage(Sheet(form.get(), "Three"));
    EXPECT_EQ(form->PageChanges, 2);
    EXPECT_EQ(form->Changes + form->Changings, 0);
    EXPECT_EQ(pages->GetTabIndex(), -1);
}

TEST(KitPageControlLoading, TheDefaultPageWinsOverTheStreamedOne)
{
    for (bool tabs : {false, true}) {
        auto form = ReadPagesForm("    ActivePageDefault = Three\n", tabs);
        auto* pages = dynamic_cast<TKitPageControl*>(form->FindComponent("Pages"));
        EXPECT_EQ(pages->GetActivePage(), Sheet(form.get(), "Three")) << tabs;
        EXPECT_FALSE(Sheet(form.get(), "Two")->GetVisible()) << tabs;
        EXPECT_TRUE(Sheet(form.get(), "Three")->GetVisible()) << tabs;
        EXPECT_EQ(pages->GetTabIndex(), tabs ? 2 : -1);
        EXPECT_FALSE(form->LoadingWhenChanged) << tabs;
        // The page is known by reference and forgotten with it.
        std::unique_ptr<TComponent> release(Sheet(form.get(), "Three"));
        release.reset();
        EXPECT_EQ(pages->GetActivePageDefault(), nullptr);
    }
}

TEST_F(KitTabsTest, ATabIndexCountsOnlyPagesWithATab)
{
    TKitPageControl* pages = AddPageControl(300, 150, {"hidden", "second", "third"});
    pages->GetPages(0)->SetTabVisible(false);
    EXPECT_EQ(pages->GetPages(0)->GetTabIndex(), -1);
    EXPECT_EQ(pages->GetPages(1)->GetTabIndex(), 0);
    EXPECT_EQ(pages->GetPages(1)->GetPageIndex(), 1);
    pages->SetActivePage(pages->GetPages(2));
    pages->UpdateLayout();
    Click(pages, Centre(pages->GetTabRect(0)));
    EXPECT_EQ(pages->GetActivePage(), pages->GetPages(1));
    pages->SetActivePageIndex(5);
    EXPECT_EQ(pages->GetTabIndex(), -1);
    EXPECT_EQ(pages->GetActivePage(), pages->GetPages(1)) << "an index outside the pages leaves the page";
    pages->SetActivePageIndex(0);
    EXPECT_EQ(pages->GetActivePage(), pages->GetPages(0));
}

TEST_F(KitTabsTest, PageIndexAndVisibleRefuseWhatTheyCannotDo)
{
    TKitPageControl* pages = AddPageControl(300, 150, {"a", "b", "c"});
    TKitTabSheet* b = pages->GetPages(1);
    for (int bad : {3, -1})
        EXPECT_EQ(MessageOf([&] { b->SetPageIndex(bad); }),
                  WideString(L"") + (bad == 3 ? L"3" : L"-1") +
                      L" is an invalid PageIndex value. PageIndex must be between 0 and 2");
    EXPECT_EQ(b->GetPageIndex(), 1);
    EXPECT_EQ(MessageOf([&] { b->SetVisible(true); }), L"You cannot change the Visible property of a page");

    std::vector<std::pair<int, int>> moves;
    pages->OnTabOrderChange =
        TKitTabOrderChangeEvent::FromFunction([&](TObject*, int from, int to) { moves.emplace_back(from, to); });
    b->SetPageIndex(0);
    b->SetPageIndex(0);
    EXPECT_EQ(pages->GetPages(0), b);
    EXPECT_EQ(pages->GetTabs()->GetItem(0)->Caption, "b");
    EXPECT_EQ(moves, (std::vector<std::pair<int, int>>{{1, 0}, {0, 0}})) << "raised even without a move";
}

// Switching away from a page that holds the focus gives it to the new page's first control.
TEST_F(KitTabsTest, ThePageSwitchMovesTheFocusOnlyWhenItWasInTheOldPage)
{
    TKitPageControl* pages = AddPageControl(300, 150, {"one", "two", "three"});
    for (int i = 0; i < 3; ++i)
        pages->GetPages(i)->SetTabVisible(false);
    auto* outside = new TButton(form.get());
    outside->SetParent(form.get());
    outside->SetBounds(400, 10, 80, 24);
    std::vector<TButton*> inside;
    for (int i = 0; i < 3; ++i) {
        auto* button = new TButton(form.get());
        button->SetParent(pages->GetPages(i));
        button->SetTabStop(true);
        inside.push_back(button);
    }
    pages->SetActivePage(pages->GetPages(0));
    form->Show();
    Application->ProcessMessages();

    inside[0]->SetFocus();
    pages->SetActivePage(pages->GetPages(1));
    EXPECT_TRUE(inside[1]->Focused());
    EXPECT_EQ(form->GetActiveControl(), inside[1]);

    outside->SetFocus();
    pages->SetActivePage(pages->GetPages(2));
    EXPECT_TRUE(outside->Focused()) << "the focus elsewhere stays where it is";

    // Focusing the page control itself hands the focus to the tabless page's first control.
    pages->SetFocus();
    EXPECT_TRUE(inside[2]->Focused());
}

TEST_F(KitTabsTest, AnOnChangingThatRefusesKeepsTabAndPage)
{
    TKitPageControl* pages = AddPageControl(300, 150, {"one", "two"});
    pages->SetActivePage(pages->GetPages(0));
    pages->OnChanging = TKitTabChangingEvent::FromFunction([](TObject*, int, bool& allow) { allow = false; });
    pages->SetActivePage(pages->GetPages(1));
    EXPECT_EQ(pages->GetTabIndex(), 0);
    EXPECT_EQ(pages->GetActivePage(), pages->GetPages(0));
    EXPECT_FALSE(pages->GetPages(1)->GetVisible());
}
