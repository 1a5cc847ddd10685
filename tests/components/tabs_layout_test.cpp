// The tab layout as data: the rectangles each orientation and style gives a
// row of tabs, worked out here from the layout rules and compared with what
// the control lays out; the scroller exactly when a row does not fit; rows.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "components/KitTabButtons.h"
#include "tabs_fixture.h"

namespace {

struct TFontCase {
    const char* Name;
    int Height;
};

struct TLayoutCase {
    std::vector<AnsiString> Captions;
    int TabWidth;
    int TabHeight;
    TFontCase Font;
};

TSize Extent(TFont* font, const AnsiString& text)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT handle = CreateAngledFont(font, 0);
    HGDIOBJ old = SelectObject(dc, handle);
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    DeleteObject(handle);
    DeleteDC(dc);
    return TSize(size.cx, size.cy);
}

// The rules, one step after the other, for one row in the standard order
// with the first tab selected, no images and no margin.
class TReferenceLayout {
public:
    TReferenceLayout(TKitTabStyle style, TKitTabOrientation orientation, int width, int height)
        : FStyle(style), FOrientation(orientation), FWidth(width), FHeight(height)
    {
    }

    int Overlap(int x) const
    {
        switch (FStyle) {
        case tsSingleSlant:
        case tsBackSlant:
            return x / 2;
        case tsDoubleSlant:
            return x;
        case tsSquareCorners:
            return -1 + 1;
        default:
            return -1;
        }
    }
    bool Rounded() const { return FStyle == tsRoundCorners || FStyle == tsSquareCorners; }
    bool Vertical() const { return FOrientation == toLeft || FOrientation == toRight; }

    std::vector<TRect> Rects(const TLayoutCase& c, TFont* font, int& fixedDimension) const
    {
        struct TSizeAlong {
            int Length, Depth;
        };
        std::vector<TSizeAlong> sizes;
        const int least = Extent(font, Rounded() ? "AAA" : "A").cx;
        for (const AnsiString& caption : c.Captions) {
            const TSize text = Extent(font, caption);
            int w = 2 + text.cx;  // the image margin stands before the text even without an image
            int h = text.cy;
            if (c.TabWidth == 0)
                w = std::max(w, least);
            if (c.TabHeight == 0)
                h = std::max(h, std::abs(c.Font.Height));
            int tabW, tabH;
            switch (FStyle) {
            case tsSingleSlant:
            case tsBackSlant:
                if (!Vertical()) {
                    tabW = 2 * ((h + 6) / 2) + w + 2 + c.TabHeight / 2 + 4;
                    tabH = h + 6;
                } else {
                    tabW = w + 6;
                    tabH = 2 * ((w + 6) / 2) + h + 2 + c.TabHeight / 2 + 4;
                }
                break;
            case tsDoubleSlant:
                if (!Vertical()) {
                    tabW = 2 * (h + 2) + w + 2 + c.TabHeight + 4;
                    tabH = h + 6;
                } else {
                    tabW = w + 6;
                    tabH = 2 * (w + 2) + h + 2 + c.TabHeight + 4;
                }
                break;
            case tsCutCorner:
                if (!Vertical()) {
                    tabW = 2 * 6 + w + 8;
                    tabH = h + 7;
                } else {
                    tabW = w + 2 + 6 + 5;
                    tabH = h + 10;
                }
                break;
            default:
                tabW = w + 6;
                tabH = h + 6;
                break;
            }
            if (c.TabWidth > 0)
                tabW = c.TabWidth;
            if (c.TabHeight > 0)
                tabH = c.TabHeight;
            sizes.push_back(Vertical() ? TSizeAlong{tabH, tabW} : TSizeAlong{tabW, tabH});
        }
        int f = 0;
        for (const TSizeAlong& s : sizes)
            f = std::max(f, s.Depth);
        fixedDimension = f;
        const int depth = f + (Rounded() ? 3 : 0);
        const int offset = Rounded() ? -2 : 0;  // the first tab of an unscrolled row sits 2 further in
        const int w1 = FWidth - 1, h1 = FHeight - 1;
        std::vector<TRect> rects;
        int x = 0;
        for (size_t i = 0; i < sizes.size(); ++i) {
            TRect s(x, depth - f, x + sizes[i].Length, depth);
            if (i == 0 && Rounded())
                s = TRect(s.left - 2, s.top - 2, s.right + 2, s.bottom);
            x += sizes[i].Length - Overlap(f) + 1;
            TRect r;
            switch (FOrientation) {
            case toTop:
                r = TRect(s.left - offset, s.top, s.right - offset, s.bottom);
                break;
            case toBottom:
                r = TRect(s.left - offset, h1 - s.bottom, s.right - offset, h1 - s.top);
                break;
            case toLeft:
                r = TRect(s.top, h1 + offset - s.right, s.bottom, h1 + offset - s.left);
                break;
            default:
                r = TRect(w1 - s.bottom, s.left - offset, w1 - s.top, s.right - offset);
                break;
            }
            rects.push_back(r);
        }
        return rects;
    }

private:
    TKitTabStyle FStyle;
    TKitTabOrientation FOrientation;
    int FWidth, FHeight;
};

std::string Text(const TRect& r)
{
    char text[64];
    std::snprintf(text, sizeof(text), "(%ld,%ld,%ld,%ld)", static_cast<long>(r.left), static_cast<long>(r.top),
                  static_cast<long>(r.right), static_cast<long>(r.bottom));
    return text;
}

const TLayoutCase LayoutCases[] = {
    {{"Files"}, 0, 0, {"Tahoma", -11}},
    {{"One", "Second tab", "W"}, 0, 0, {"Tahoma", -11}},
    {{"One", "Second tab", "W", "Fourth"}, 0, 0, {"Arial", -16}},
    {{"Alpha", "Beta", "Gamma"}, 70, 0, {"Tahoma", -11}},
    {{"Alpha", "Beta"}, 0, 24, {"Arial", -13}},
};

}  // namespace

TEST_F(KitTabsTest, EveryOrientationAndStyleLaysTheRowOutByTheRules)
{
    for (TKitTabOrientation orientation : {toTop, toBottom, toLeft, toRight})
        for (TKitTabStyle style :
             {tsSingleSlant, tsDoubleSlant, tsCutCorner, tsRoundCorners, tsBackSlant, tsSquareCorners})
            for (const TLayoutCase& c : LayoutCases) {
                const bool vertical = orientation == toLeft || orientation == toRight;
                TKitPageControl* pages = AddPageControl(vertical ? 300 : 640, vertical ? 480 : 200, c.Captions);
                pages->GetFont()->SetName(c.Font.Name);
                pages->GetFont()->SetHeight(c.Font.Height);
                pages->SetTabOrientation(orientation);
                pages->SetTabStyle(style);
                pages->SetTabWidth(c.TabWidth);
                pages->SetTabHeight(c.TabHeight);
                pages->SetActivePage(pages->GetPages(0));
                pages->UpdateLayout();

                int fixed = 0;
                const TReferenceLayout reference(style, orientation, pages->GetWidth(), pages->GetHeight());
                const std::vector<TRect> expected = reference.Rects(c, pages->GetFont(), fixed);
                const std::string where = std::string(GetEnumName(TTypeInfoOf<TKitTabOrientation>::Get(), orientation)) +
                                          " " + GetEnumName(TTypeInfoOf<TKitTabStyle>::Get(), style) + " " +
                                          c.Captions.back() + " " + c.Font.Name;
                EXPECT_FALSE(pages->GetScrolling()) << where;
                EXPECT_EQ(pages->GetRowCount(), 1) << where;
                EXPECT_EQ(pages->GetFixedDimension(), fixed) << where;
                for (size_t i = 0; i < expected.size(); ++i)
                    EXPECT_EQ(Text(pages->GetTabRect(static_cast<int>(i))), Text(expected[i])) << where << " tab " << i;
                // The card begins where the strip ends.
                const int depth = fixed + (reference.Rounded() ? 3 : 0);
                const TRect card = pages->GetCardRect(0);
                const int cardEdge = orientation == toTop      ? card.top
                                     : orientation == toBottom ? pages->GetHeight() - 1 - card.bottom
                                     : orientation == toLeft   ? card.left
                                                               : pages->GetWidth() - 1 - card.right;
                EXPECT_EQ(cardEdge, depth) << where;
                while (pages->GetPageCount() > 0)
                    Free(pages->GetPages(0));
                Free(pages);
            }
}

// The reverse order runs the row from the other end: the first tab sits at
// the strip's end, the later ones toward its start.
TEST_F(KitTabsTest, TheReverseOrderMirrorsTheRowAlongTheStrip)
{
    TKitPageControl* pages = AddPageControl(500, 150, {"One", "Two", "Three"});
    pages->SetShowShadow(false);
    pages->UpdateLayout();
    std::vector<TRect> standard;
    for (int i = 0; i < 3; ++i)
        standard.push_back(pages->GetTabRect(i));
    pages->SetTabSequence(tsReverse);
    pages->UpdateLayout();
    const int end = pages->GetTabAreaRect().right;
    for (int i = 0; i < 3; ++i) {
        const TRect r = pages->GetTabRect(i);
        EXPECT_EQ(end - r.right, standard[static_cast<size_t>(i)].left) << i;
        EXPECT_EQ(r.Width(), standard[static_cast<size_t>(i)].Width()) << i;
    }
}

TEST_F(KitTabsTest, TheScrollerShowsExactlyWhenTheRowDoesNotFit)
{
    TKitPageControl* pages = AddPageControl(400, 150, {"First page", "Second page", "Third page", "Fourth"});
    pages->SetShowShadow(false);
    pages->UpdateLayout();
    const int last = pages->GetTabRect(3).right;
    // The row fits while the strip (one pixel short of the control) reaches the last tab's end.
    for (int width : {last + 3, last + 1, last, last - 1, last - 20, 120}) {
        pages->SetWidth(width);
        pages->UpdateLayout();
        const bool fits = width - 1 >= last;
        EXPECT_EQ(pages->GetScrolling(), !fits) << width;
        TKitTabScroller* scroller = pages->GetScroller();
        EXPECT_EQ(scroller && scroller->GetVisible(), !fits) << width;
        if (!fits) {
            // At the strip's end, twice a button long less one pixel.
            EXPECT_EQ(scroller->GetWidth(), 2 * pages->ButtonLength() - 1);
            EXPECT_LE(scroller->GetLeft() + scroller->GetWidth(), pages->GetWidth());
        }
    }
}

TEST_F(KitTabsTest, ScrollingStopsWhenTheLastTabShowsAndSelectingAHiddenTabBringsItIn)
{
    TKitPageControl* pages = AddPageControl(200, 150, {"Alpha", "Beta", "Gamma", "Delta", "Epsilon", "Zeta"});
    pages->SetActivePage(pages->GetPages(0));
    pages->UpdateLayout();
    ASSERT_TRUE(pages->GetScrolling());
    EXPECT_EQ(pages->GetFirstVisibleTab(), 0);
    EXPECT_FALSE(pages->IsTabFullyShown(5));
    EXPECT_FALSE(pages->CanScroll(false));
    int steps = 0;
    while (pages->CanScroll(true) && steps < 10) {
        pages->ScrollTabs(true);
        ++steps;
    }
    EXPECT_TRUE(pages->IsTabFullyShown(5));
    const int first = pages->GetFirstVisibleTab();
    EXPECT_GT(first, 0);
    pages->ScrollTabs(true);
    EXPECT_EQ(pages->GetFirstVisibleTab(), first) << "nothing further to scroll";

    pages->SetActivePage(pages->GetPages(0));
    EXPECT_EQ(pages->GetFirstVisibleTab(), 0) << "the selected tab scrolled back into view";
    pages->SetActivePage(pages->GetPages(5));
    EXPECT_TRUE(pages->IsTabFullyShown(5));
}

TEST_F(KitTabsTest, MultiLineRowsWrapAlignAndBringTheSelectedRowToTheFront)
{
    TKitPageControl* pages = AddPageControl(260, 200, {"First page", "Second page", "Third", "Fourth page",
                                                       "A tab whose caption is longer than the whole strip", "Six"});
    pages->SetMultiLine(true);
    pages->SetActivePage(pages->GetPages(0));
    pages->UpdateLayout();
    ASSERT_GE(pages->GetRowCount(), 3);
    EXPECT_FALSE(pages->GetScrolling());
    TKitTabDataList* tabs = pages->GetTabs();
    // The long tab stands alone in its row, cut to the row's length.
    const TKitTabData* longTab = tabs->GetItem(4);
    for (int i = 0; i < tabs->GetCount(); ++i) {
        if (i != 4) {
            EXPECT_NE(tabs->GetItem(i)->Row, longTab->Row) << i;
        }
    }
    EXPECT_LE(longTab->Bounds.Width(), pages->GetTabAreaRect().Width() - (pages->GetRowCount() - 1) * 5);
    EXPECT_EQ(tabs->GetItem(0)->Row, 0);

    // Aligned rows all end at the same place.
    pages->SetAlignTabs(true);
    pages->UpdateLayout();
    std::vector<int> ends(static_cast<size_t>(pages->GetRowCount()), 0);
    for (int i = 0; i < tabs->GetCount(); ++i)
        ends[static_cast<size_t>(tabs->GetItem(i)->Row)] =
            std::max<int>(ends[static_cast<size_t>(tabs->GetItem(i)->Row)], tabs->GetItem(i)->Bounds.right);
    for (int end : ends)
        EXPECT_EQ(end, ends[0]);

    // A tab of a back row comes to the front with its row; the rows keep their cyclic order.
    int back = 0;
    while (back < tabs->GetCount() && tabs->GetItem(back)->Row == 0)
        ++back;
    ASSERT_LT(back, tabs->GetCount());
    const int secondRow = tabs->GetItem(back)->Row;
    std::vector<int> before;
    for (int i = 0; i < tabs->GetCount(); ++i)
        before.push_back(tabs->GetItem(i)->Row);
    pages->SetActivePage(pages->GetPages(back));
    const int rows = pages->GetRowCount();
    for (int i = 0; i < tabs->GetCount(); ++i)
        EXPECT_EQ(tabs->GetItem(i)->Row, (before[static_cast<size_t>(i)] + rows - 1 - secondRow + 1) % rows) << i;
    EXPECT_EQ(tabs->GetItem(back)->Row, 0);
    EXPECT_EQ(pages->GetTabRect(back).bottom, pages->GetCardRect(0).top);
}

TEST_F(KitTabsTest, WithoutTabsTheCardFillsTheControlAndNothingIsHit)
{
    TKitPageControl* pages = AddPageControl(300, 200);
    pages->UpdateLayout();
    EXPECT_EQ(pages->GetCardRect(0), TRect(0, 0, 299, 199));
    // Inside the frame, which stands 2 pixels in on the right and below for the shadow.
    EXPECT_EQ(pages->GetCardClientRect(), TRect(1, 1, 297, 197));
    pages->SetShowShadow(false);
    EXPECT_EQ(pages->GetCardClientRect(), TRect(1, 1, 299, 199));
    EXPECT_EQ(pages->GetTabIndex(), -1);
    EXPECT_EQ(pages->TabAtPoint(10, 5), -1);
    EXPECT_EQ(DialogKey(pages, VK_RIGHT, false, false), 0);

    // Pages without tabs are no tabs: the strip has no depth (3 for the corner styles).
    AddPage(pages, "one")->SetTabVisible(false);
    pages->SetTabStyle(tsRoundCorners);
    pages->UpdateLayout();
    EXPECT_EQ(pages->GetFixedDimension(), 0);
    EXPECT_EQ(pages->GetCardRect(0), TRect(0, 0, 299, 199));
}

// The default TabOverlap of -1: cut and round corners stand 2 pixels apart,
// square ones 1, single slants overlap by half the depth, double slants by all of it.
TEST_F(KitTabsTest, TabsStandApartOrOverlapAsTheirStyleSays)
{
    for (TKitTabStyle style : {tsCutCorner, tsRoundCorners, tsSquareCorners, tsSingleSlant, tsDoubleSlant}) {
        TKitPageControl* pages = AddPageControl(600, 150, {"One", "Two"});
        pages->SetTabStyle(style);
        pages->UpdateLayout();
        const TRect a = pages->GetTabs()->GetItem(0)->Bounds, b = pages->GetTabs()->GetItem(1)->Bounds;
        const int f = pages->GetFixedDimension();
        const int gap = b.left - a.right;  // positive: apart; negative: overlapping
        switch (style) {
        case tsCutCorner:
        case tsRoundCorners:
            EXPECT_EQ(gap, 2) << style;
            break;
        case tsSquareCorners:
            EXPECT_EQ(gap, 1) << style;
            break;
        case tsSingleSlant:
            EXPECT_EQ(gap, 1 - f / 2) << style;
            break;
        default:
            EXPECT_EQ(gap, 1 - f) << style;
            break;
        }
        Free(pages);
    }
}
