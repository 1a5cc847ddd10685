// What the page control paints, read back in pixels: the card with its frame
// and the page's colour, and how selected, hot and disabled tabs differ.
#include "tabs_fixture.h"

namespace {

constexpr TColor SheetColor = 16776176;  // $FFFBF0, the main window's pages

COLORREF Rgb(TColor color)
{
    return static_cast<COLORREF>(ColorToRGB(color));
}

}  // namespace

// The main window's page control: pages without tabs in a white-framed card.
TEST_F(KitTabsTest, APageWithoutTabFillsTheCardInsideItsOneLineFrame)
{
    struct TFrameCase {
        TColor FlatColor;
        int Adjustment;
        bool CardFrame;
    };
    for (const TFrameCase& c : {TFrameCase{clWhite, 0, true}, TFrameCase{clRed, 0, true},
                                TFrameCase{clBlue, 40, true}, TFrameCase{clRed, 0, false}}) {
        TKitPageControl* pages = AddPageControl(240, 160);
        pages->SetColor(clWhite);
        pages->SetUseColoredTabs(true);
        pages->SetFlatColor(c.FlatColor);
        pages->SetFlatColorAdjustment(c.Adjustment);
        pages->SetShowShadow(false);
        pages->SetShowCardFrame(c.CardFrame);
        TKitTabSheet* first = AddPage(pages, "first");
        TKitTabSheet* second = AddPage(pages, "second");
        for (TKitTabSheet* page : {first, second}) {
            page->SetTabVisible(false);
            page->SetColor(SheetColor);
        }
        pages->SetActivePage(second);
        form->Show();
        Application->ProcessMessages();

        const auto picture = Print(pages);
        const COLORREF frame = Rgb(ShiftColor(c.FlatColor, c.Adjustment));
        const int w = pages->GetWidth(), h = pages->GetHeight();
        if (c.CardFrame) {
            // Every pixel of the outermost ring is the frame; inside it the page, to the last pixel.
            EXPECT_EQ(picture->Count(frame, TRect(0, 0, w, 1)), w) << ColorText(frame);
            EXPECT_EQ(picture->Count(frame, TRect(0, h - 1, w, h)), w);
            EXPECT_EQ(picture->Count(frame, TRect(0, 0, 1, h)), h);
            EXPECT_EQ(picture->Count(frame, TRect(w - 1, 0, w, h)), h);
            EXPECT_EQ(picture->Count(Rgb(SheetColor), TRect(1, 1, w - 1, h - 1)), (w - 2) * (h - 2));
            EXPECT_EQ(second->GetBoundsRect(), TRect(1, 1, w - 1, h - 1));
        } else {
            EXPECT_EQ(picture->Count(Rgb(SheetColor)), w * h);
        }
        EXPECT_FALSE(first->GetVisible());
        EXPECT_TRUE(second->GetVisible());
        EXPECT_EQ(pages->GetTabIndex(), -1);
        form->Hide();
        Free(pages);
    }
}

class KitTabPaintTest : public KitTabsTest {
protected:
    void SetUp() override
    {
        KitTabsTest::SetUp();
        pages = AddPageControl(400, 120, {"Selected", "Plain", "Hot", "Disabled"});
        pages->SetTabStyle(tsSquareCorners);
        pages->SetColor(clYellow);
        pages->GetTabColors()->SetUnselected(clWhite);
        pages->GetTabColors()->SetShadow(clGray);
        pages->GetTextColors()->SetDisabled(clRed);
        pages->GetTextColors()->SetUnselected(clBlack);
        pages->SetShowFocusRect(false);
        pages->GetPages(3)->SetTabEnabled(false);
        pages->SetActivePage(pages->GetPages(0));
        form->Show();
        Application->ProcessMessages();
        pages->UpdateLayout();
    }
    // Inside the tab, clear of its outline.
    TRect Inside(int tab) const
    {
        TRect r = pages->GetTabRect(tab);
        return TRect(r.left + 1, r.top + 1, r.right - 1, r.bottom - 1);
    }

    TKitPageControl* pages = nullptr;
};

TEST_F(KitTabPaintTest, SelectedHotAndDisabledTabsDifferWhereTheyShould)
{
    MoveMouse(pages, Centre(pages->GetTabRect(2)));
    ASSERT_EQ(pages->GetHotTab(), 2);
    const auto picture = Print(pages);

    // The selected tab is filled with the control's colour and joins the card.
    const TRect selected = Inside(0);
    EXPECT_GT(picture->Count(Rgb(clYellow), selected), selected.Width() * selected.Height() / 2);
    EXPECT_EQ(picture->Pixel(selected.left + 2, pages->GetTabRect(0).bottom), Rgb(clYellow));

    // An unselected tab runs from the unselected colour at its outer edge to the shadow at the card.
    const TRect plain = pages->GetTabRect(1);
    EXPECT_EQ(picture->Count(Rgb(clYellow), Inside(1)), 0);
    EXPECT_EQ(picture->Pixel(plain.left + 3, plain.bottom - 1), Rgb(clGray));
    EXPECT_NE(picture->Pixel(plain.left + 3, plain.top + 1), Rgb(clGray));

    // The hot tab's shadow end is darker.
    const TRect hot = pages->GetTabRect(2);
    EXPECT_EQ(picture->Pixel(hot.left + 3, hot.bottom - 1), Rgb(DarkenColor(clGray, 30)));

    // Only the disabled tab writes in the disabled colour.
    EXPECT_GT(picture->Count(Rgb(clRed), Inside(3)), 0);
    for (int tab : {0, 1, 2})
        EXPECT_EQ(picture->Count(Rgb(clRed), Inside(tab)), 0) << tab;

    // Leaving the tabs takes the highlight away again.
    MoveMouse(pages, TPoint(200, 100));
    const auto after = Print(pages);
    EXPECT_EQ(after->Pixel(hot.left + 3, hot.bottom - 1), Rgb(clGray));
}

TEST_F(KitTabPaintTest, TheCardFrameOpensUnderTheSelectedTabOnly)
{
    pages->SetFlatColor(clBlue);
    const auto picture = Print(pages);
    const int cardTop = pages->GetCardRect(0).top;
    const TRect selected = pages->GetTabRect(0), plain = pages->GetTabRect(1);
    // Under the selected tab the card's top edge is the card's colour; under the others the frame.
    EXPECT_EQ(picture->Pixel(Centre(selected).x, cardTop), Rgb(clYellow));
    EXPECT_EQ(picture->Pixel(Centre(plain).x, cardTop), Rgb(clBlue));
    // The tabs' outlines are in the frame colour too.
    EXPECT_EQ(picture->Pixel(plain.right, Centre(plain).y), Rgb(clBlue));
    EXPECT_EQ(picture->Pixel(Centre(plain).x, plain.top), Rgb(clBlue));
}

TEST_F(KitTabPaintTest, TheShadowFallsOnTheParentRightAndBelowTheCard)
{
    pages->SetShowShadow(true);
    const auto picture = Print(pages);
    const TRect card = pages->GetCardRect(0);
    // The frame stands 2 pixels in; the two pixels outside it darken the form's colour.
    const COLORREF strong = Rgb(MixColors(clBlack, FormColor, 30)), light = Rgb(MixColors(clBlack, FormColor, 15));
    EXPECT_EQ(picture->Pixel(card.right - 1, (card.top + card.bottom) / 2), strong);
    EXPECT_EQ(picture->Pixel(card.right, (card.top + card.bottom) / 2), light);
    EXPECT_EQ(picture->Pixel((card.left + card.right) / 2, card.bottom - 1), strong);
    EXPECT_EQ(picture->Pixel((card.left + card.right) / 2, card.bottom), light);
    EXPECT_EQ(pages->GetCardClientRect(), TRect(card.left + 1, card.top + 1, card.right - 2, card.bottom - 2));
}

// A coloured tab gives the card its colour.
TEST_F(KitTabPaintTest, ColouredTabsColourTheCard)
{
    pages->GetPages(0)->SetColor(clAqua);
    EXPECT_TRUE(pages->GetUseColoredTabs()) << "a page colour of its own turns coloured tabs on";
    const auto picture = Print(pages);
    const TRect card = pages->GetCardClientRect();
    // The page covers the card; the card shows its colour where the page leaves the frame's gap.
    EXPECT_EQ(picture->Pixel(Centre(pages->GetTabRect(0)).x, pages->GetCardRect(0).top), Rgb(clAqua));
    EXPECT_EQ(picture->Pixel(card.left + 5, card.top + 5), Rgb(clAqua));
}
