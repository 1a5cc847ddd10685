// Measuring, placing and scrolling the tabs. Everything is laid out in strip
// coordinates of a top strip (x along the strip, y from its outer edge toward
// the card) and mapped to the control by the orientation.
#include <algorithm>
#include <cstdlib>

#include "components/KitTabButtons.h"
#include "components/KitTabs.h"

namespace {

// Splits a caption at CR LF.
std::vector<AnsiString> CaptionLines(const AnsiString& caption)
{
    std::vector<AnsiString> lines;
    size_t start = 0;
    while (true) {
        size_t end = caption.find("\r\n", start);
        lines.push_back(caption.substr(start, end == AnsiString::npos ? AnsiString::npos : end - start));
        if (end == AnsiString::npos)
            return lines;
        start = end + 2;
    }
}

// A font created for the bitmap's DC, the DC saved before and restored after.
class TSelectedFont {
public:
    TSelectedFont(HDC dc, TFont* font, int angle) : FDC(dc)
    {
        FSaved = SaveDC(dc);
        if (!FSaved)
            throw EKitTabControlError("Error saving device context");
        FFont = CreateAngledFont(font, angle);
        SelectObject(dc, FFont);
    }
    ~TSelectedFont()
    {
        RestoreDC(FDC, FSaved);
        DeleteObject(FFont);
    }
    TSelectedFont(const TSelectedFont&) = delete;
    TSelectedFont& operator=(const TSelectedFont&) = delete;

private:
    HDC FDC;
    int FSaved;
    HFONT FFont;
};

TSize TextExtent(HDC dc, const AnsiString& text)
{
    SIZE size{};
    if (!GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size))
        return TSize();
    return TSize(size.cx, size.cy);
}

}  // namespace

int TKitCustomTabControl::Overlap(int x) const
{
    switch (FTabStyle) {
    case tsSingleSlant:
    case tsBackSlant:
        return x / 2;
    case tsDoubleSlant:
        return x;
    case tsSquareCorners:
        return FTabOverlap + 1;
    default:
        return FTabOverlap;
    }
}

// ---- geometry ----

TRect TKitCustomTabControl::GetTabAreaRect() const
{
    const int w = GetWidth() - 1, h = GetHeight() - 1, d = StripDepth();
    switch (FTabOrientation) {
    case toTop:
        return TRect(0, 0, w - (FTabSequence == tsStandard && FShowShadow ? 2 : 0), d);
    case toLeft:
        return TRect(0, 0, d, h);
    case toBottom:
        return TRect(0, h - d, w, h);
    default:
        return TRect(w - d, 0, w, h);
    }
}

int TKitCustomTabControl::StripLength() const
{
    TRect s = GetTabAreaRect();
    return IsVertical() ? s.Height() : s.Width();
}

int TKitCustomTabControl::StripDepth() const
{
    if (!FCardVisible)
        return IsVertical() ? GetWidth() - 1 : GetHeight() - 1;
    return (IsRoundOrSquare() ? 3 : 0) + FFixedDimension + (FFixedDimension - FRowOverlap) * (FRowCount - 1);
}

int TKitCustomTabControl::ScrollOffset() const
{
    if (FFirstVisibleTab < 0 || FFirstVisibleTab >= FTabs->GetCount())
        return 0;
    const TRect& b = FTabs->GetItem(FFirstVisibleTab)->Bounds;
    const int inset = IsRoundOrSquare() ? 2 : 0;
    return FTabSequence == tsStandard ? b.left - FMargin - inset : b.right + FMargin + inset;
}

TPoint TKitCustomTabControl::MapStripPoint(TPoint p) const
{
    const TRect s = GetTabAreaRect();
    const int o = ScrollOffset();
    const bool standard = FTabSequence == tsStandard;
    switch (FTabOrientation) {
    case toTop:
        return TPoint(p.x + (standard ? s.left : s.right) - o, p.y + s.top);
    case toLeft:
        return TPoint(p.y + s.left, standard ? s.bottom + o - p.x : o + s.top - p.x);
    case toBottom:
        return TPoint(p.x + (standard ? s.left : s.right) - o, s.bottom - p.y);
    default:
        return TPoint(s.right - p.y, standard ? p.x + s.top - o : s.bottom + p.x - o);
    }
}

TRect TKitCustomTabControl::StripTabRect(int index) const
{
    const TKitTabData* tab = FTabs->GetItem(index);
    TRect r = tab->Bounds;
    if (tab->Row > 0) {
        const int shift = tab->Row * FRowIndent * (FTabSequence == tsReverse ? -1 : 1);
        r.left += shift;
        r.right += shift;
    }
    if (IsRoundOrSquare() && index == FTabIndex)
        r = TRect(r.left - 2, r.top - 2, r.right + 2, r.bottom);
    return r;
}

TRect TKitCustomTabControl::GetTabRect(int index) const
{
    const TRect s = StripTabRect(index);
    const TPoint a = MapStripPoint(TPoint(s.left, s.top));
    const TPoint b = MapStripPoint(TPoint(s.right, s.bottom));
    return NormalizedRect(TRect(a.x, a.y, b.x, b.y));
}

TRect TKitCustomTabControl::GetCardRect(int row) const
{
    const int w = GetWidth() - 1, h = GetHeight() - 1;
    if (!FCardVisible) {
        // Only the edge next to the strip can show.
        const int d = StripDepth();
        switch (FTabOrientation) {
        case toTop:
            return TRect(-3, d, w + 3, h + 3);
        case toLeft:
            return TRect(d, -3, w + 3, h + 3);
        case toBottom:
            return TRect(-3, -3, w + 3, h - d);
        default:
            return TRect(-3, -3, w - d, h + 3);
        }
    }
    if (FTabs->GetCount() == 0)
        return TRect(0, 0, w, h);
    const int d = StripDepth();
    const int out = row * (FFixedDimension - FRowOverlap);
    const int startIndent = row * FRowIndent, endIndent = (FRowCount - row - 1) * FRowIndent;
    const bool standard = FTabSequence == tsStandard;
    TRect r;
    switch (FTabOrientation) {
    case toTop:
        r = TRect(0, d - out, w, h - out);
        (standard ? r.left : r.right) += standard ? startIndent : -startIndent;
        (standard ? r.right : r.left) += standard ? -endIndent : endIndent;
        break;
    case toBottom:
        r = TRect(0, out, w, h - d + out);
        (standard ? r.left : r.right) += standard ? startIndent : -startIndent;
        (standard ? r.right : r.left) += standard ? -endIndent : endIndent;
        break;
    case toLeft:
        // A left strip starts at the bottom in the standard order.
        r = TRect(d - out, 0, w - out, h);
        (standard ? r.bottom : r.top) += standard ? -startIndent : startIndent;
        (standard ? r.top : r.bottom) += standard ? endIndent : -endIndent;
        break;
    default:
        r = TRect(out, 0, w - d + out, h);
        (standard ? r.top : r.bottom) += standard ? startIndent : -startIndent;
        (standard ? r.bottom : r.top) += standard ? -endIndent : endIndent;
        break;
    }
    if (r.left > r.right || r.top > r.bottom)
        return TRect();
    return r;
}

TRect TKitCustomTabControl::GetCardClientRect() const
{
    if (!FCardVisible)
        return TRect(-2, -2, -1, -1);
    TRect r = GetCardRect(0);
    if (FShowCardFrame) {
        if (FShowFullFrame) {
            ++r.left;
            ++r.top;
            if (FTabOrientation == toTop && FTabSequence == tsStandard && FShowShadow) {
                r.right -= 2;
                r.bottom -= 2;
            }
        } else {
            if (FTabOrientation == toTop)
                ++r.top;
            ++r.right;
            ++r.bottom;
        }
        return r;
    }
    if (!FShowFullFrame) {
        if (FTabOrientation == toLeft)
            --r.left;
        else if (FTabOrientation == toBottom)
            ++r.bottom;
        else if (FTabOrientation == toRight)
            ++r.right;
    }
    ++r.right;
    ++r.bottom;
    return r;
}

// ---- button sizes ----

int TKitCustomTabControl::ButtonLength() const
{
    HDC dc = FBitmap->GetCanvas()->GetHandle();
    TSelectedFont font(dc, FWorkFont.get(), 0);
    int base = TextExtent(dc, "A").cy + 4 + (HasVerticalText() ? 2 : 0);
    const bool fixed = IsVertical() ? HasVerticalText() && FTabWidth >= 1 : !HasVerticalText() && FTabHeight >= 1;
    return fixed ? std::max(base, FFixedDimension - 2) : base;
}

int TKitCustomTabControl::ButtonDepth() const
{
    HDC dc = FBitmap->GetCanvas()->GetHandle();
    TSelectedFont font(dc, FWorkFont.get(), 0);
    int base = TextExtent(dc, "A").cy + 4 + (HasVerticalText() ? 2 : 0);
    const bool fixed = IsVertical() ? HasVerticalText() && FTabWidth >= 1 : !HasVerticalText() && FTabHeight >= 1;
    return fixed ? std::max(base, FFixedDimension - 2) : std::min(base, FFixedDimension - 2);
}

int TKitCustomTabControl::ButtonsLength() const
{
    const int b1 = ButtonLength();
    return (FShowCloseButton ? b1 + 2 : 0) + (FShowMenuButton ? b1 + 2 : 0);
}

// ---- measuring ----

TSize TKitCustomTabControl::MeasureCaption(const AnsiString& caption)
{
    HDC dc = FBitmap->GetCanvas()->GetHandle();
    const int angle = !HasVerticalText() ? 0 : FTabOrientation == toRight ? 270 : 90;
    TSelectedFont font(dc, FWorkFont.get(), angle);
    int widest = 0, total = 0;
    for (const AnsiString& line : CaptionLines(caption)) {
        TSize size = TextExtent(dc, StripAccelerators(line));
        widest = std::max<int>(widest, size.cx);
        total += size.cy;
    }
    return HasVerticalText() ? TSize(total, widest) : TSize(widest, total);
}

TKitCustomTabControl::TTabSize TKitCustomTabControl::MeasureTab(const TKitTabData& tab)
{
    const TSize text = MeasureCaption(tab.Caption);
    int iw = 0, ih = 0;
    if (FImages && tab.ImageIndex != -1) {
        iw = FImages->GetWidth();
        ih = FImages->GetHeight();
    }
    int w, h;
    switch (FImagePosition) {
    case ipLeft:
    case ipRight:
        w = FImageMargin + iw + text.cx;
        h = std::max<int>(ih, text.cy);
        break;
    case ipTop:
    case ipBottom:
        w = std::max<int>(iw, text.cx);
        h = FImageMargin + ih + text.cy;
        break;
    case ipBack:
        w = std::max<int>(iw, text.cx);
        h = std::max<int>(ih, text.cy);
        break;
    default:
        w = text.cx;
        h = text.cy;
        break;
    }
    {
        HDC dc = FBitmap->GetCanvas()->GetHandle();
        TSelectedFont font(dc, FWorkFont.get(), 0);
        const int least = TextExtent(dc, IsRoundOrSquare() ? "AAA" : "A").cx;
        const int fontHeight = std::abs(FWorkFont->GetHeight());
        if (FTabWidth == 0)
            w = std::max(w, HasVerticalText() ? fontHeight : least);
        if (FTabHeight == 0)
            h = std::max(h, HasVerticalText() ? least : fontHeight);
    }
    if (FShowCloseButtonOnActiveTab) {
        if (!IsVertical() && !HasVerticalText())
            w += 20;
        else if (IsVertical() && HasVerticalText())
            h += 20;
    }
    int width, height;
    const int c = FCutCornerSize;
    if (!IsVertical()) {
        switch (FTabStyle) {
        case tsSingleSlant:
        case tsBackSlant:
            width = 2 * Overlap(h + 6) + w + 2 + FTabHeight / 2 + 4;
            height = h + 6;
            break;
        case tsDoubleSlant:
            width = 2 * Overlap(h + 2) + w + 2 + FTabHeight + 4;
            height = h + 6;
            break;
        case tsCutCorner:
            width = HasVerticalText() ? w + 10 : 2 * c + w + 8;
            height = HasVerticalText() ? h + 2 + c + 5 : h + 7;
            break;
        default:
            width = w + 6;
            height = h + 6;
            break;
        }
    } else {
        switch (FTabStyle) {
        case tsSingleSlant:
        case tsBackSlant:
            width = w + 6;
            height = 2 * Overlap(w + 6) + h + 2 + FTabHeight / 2 + 4;
            break;
        case tsDoubleSlant:
            width = w + 6;
            height = 2 * Overlap(w + 2) + h + 2 + FTabHeight + 4;
            break;
        case tsCutCorner:
            width = HasVerticalText() ? w + 7 : w + 2 + c + 5;
            height = HasVerticalText() ? 2 * c + h + 8 : h + 10;
            break;
        default:
            width = w + 6;
            height = h + 6;
            break;
        }
    }
    if (FTabWidth > 0)
        width = FTabWidth;
    if (FTabHeight > 0)
        height = FTabHeight;
    return IsVertical() ? TTabSize{height, width} : TTabSize{width, height};
}

// ---- rows and places ----

int TKitCustomTabControl::CountRows(const std::vector<int>& lengths)
{
    const int ov = Overlap(FFixedDimension);
    int assumed = 1;
    int available = StripLength() - 2 * FMargin;
    while (true) {
        const int clampTo = available - (IsRoundOrSquare() ? 4 : 0);
        int row = 0, pos = FMargin;
        bool firstInRow = true, nextStartsRow = false, restart = false;
        for (int i = 0; i < FTabs->GetCount() && !restart; ++i) {
            if (!FTabs->GetItem(i)->Visible)
                continue;
            const int len = std::min(lengths[static_cast<size_t>(i)], clampTo);
            if (nextStartsRow || (pos + len >= available && !firstInRow)) {
                if (row + 1 >= assumed) {
                    ++assumed;
                    available -= FRowIndent;
                    restart = true;
                    break;
                }
                ++row;
                pos = FMargin;
                firstInRow = true;
                nextStartsRow = false;
            }
            // A tab first in its row stays there even when it does not fit; the next one moves on.
            if (firstInRow && pos + len >= available)
                nextStartsRow = true;
            pos += len - ov + 1;
            firstInRow = false;
        }
        if (!restart)
            return row + 1;
    }
}

void TKitCustomTabControl::PlaceTabs(const std::vector<int>& lengths)
{
    const int f = FFixedDimension, d = StripDepth(), ov = Overlap(f);
    int available = StripLength() - 2 * FMargin;
    if (FMultiLine)
        available -= (FRowCount - 1) * FRowIndent;
    else
        available -= ButtonsLength() + 2 * ButtonLength() + 2;
    const int clampTo = available - (IsRoundOrSquare() ? 4 : 0);
    const bool standard = FTabSequence == tsStandard;
    int x = standard ? FMargin : -FMargin;
    int row = 0;
    bool firstInRow = true, nextStartsRow = false;
    for (int i = 0; i < FTabs->GetCount(); ++i) {
        TKitTabData* tab = FTabs->GetItem(i);
        if (!tab->Visible) {
            tab->Bounds = TRect();
            tab->Row = 0;
            continue;
        }
        const int len = std::min(lengths[static_cast<size_t>(i)], clampTo);
        if (FMultiLine) {
            const bool past = (standard ? x + len : -x + len) >= available;
            if (nextStartsRow || (past && !firstInRow)) {
                ++row;
                x = standard ? FMargin : -FMargin;
                firstInRow = true;
                nextStartsRow = false;
            }
            if (firstInRow && (standard ? x + len : -x + len) >= available)
                nextStartsRow = true;
        }
        const int bottom = d - row * (f - FRowOverlap);
        tab->Row = row;
        if (standard) {
            tab->Bounds = TRect(x, bottom - f, x + len, bottom);
            x += len - ov + 1;
        } else {
            tab->Bounds = TRect(x - len, bottom - f, x, bottom);
            x += ov - len - 1;
        }
        firstInRow = false;
    }
    if (!standard) {
        const int shift = FMultiLine ? GetWidth() : -x;
        for (int i = 0; i < FTabs->GetCount(); ++i) {
            TKitTabData* tab = FTabs->GetItem(i);
            if (tab->Visible)
                tab->Bounds = TRect(tab->Bounds.left + shift, tab->Bounds.top, tab->Bounds.right + shift,
                                    tab->Bounds.bottom);
        }
    }
}

void TKitCustomTabControl::AlignRows()
{
    if (!FMultiLine || !FAlignTabs || (IsVertical() ? FTabHeight : FTabWidth) != 0)
        return;
    const bool standard = FTabSequence == tsStandard;
    for (int row = 0; row < FRowCount; ++row) {
        std::vector<TKitTabData*> tabs;
        for (int i = 0; i < FTabs->GetCount(); ++i)
            if (FTabs->GetItem(i)->Visible && FTabs->GetItem(i)->Row == row)
                tabs.push_back(FTabs->GetItem(i));
        if (tabs.empty())
            continue;
        const int span = standard ? tabs.back()->Bounds.right - tabs.front()->Bounds.left
                                  : tabs.front()->Bounds.right - tabs.back()->Bounds.left;
        const int spare = StripLength() - 2 * FMargin - (FRowCount - 1) * FRowIndent - span -
                          (IsRoundOrSquare() ? 4 : 0);
        if (spare <= 0)
            continue;
        const int count = static_cast<int>(tabs.size());
        int gained = 0;
        for (int k = 0; k < count; ++k) {
            const int gain = spare / count + (k < spare % count ? 1 : 0);
            TRect& b = tabs[static_cast<size_t>(k)]->Bounds;
            if (standard) {
                b.left += gained;
                b.right += gained + gain;
            } else {
                b.right -= gained;
                b.left -= gained + gain;
            }
            gained += gain;
        }
    }
}

void TKitCustomTabControl::BringRowToFront(int selectedRow)
{
    if (!FMultiLine || selectedRow <= 0)
        return;
    const int highest = FRowCount - 1, f = FFixedDimension, d = StripDepth();
    for (int i = 0; i < FTabs->GetCount(); ++i) {
        TKitTabData* tab = FTabs->GetItem(i);
        if (!tab->Visible)
            continue;
        tab->Row = (tab->Row + highest - selectedRow + 1) % (highest + 1);
        const int bottom = d - tab->Row * (f - FRowOverlap);
        tab->Bounds.top = bottom - f;
        tab->Bounds.bottom = bottom;
    }
    FRegionCache.Clear();
}

// ---- scrolling ----

int TKitCustomTabControl::FirstVisibleIndex() const
{
    for (int i = 0; i < FTabs->GetCount(); ++i)
        if (FTabs->GetItem(i)->Visible)
            return i;
    return -1;
}

int TKitCustomTabControl::LastVisibleTab() const
{
    for (int i = FTabs->GetCount() - 1; i >= 0; --i)
        if (FTabs->GetItem(i)->Visible)
            return i;
    return -1;
}

bool TKitCustomTabControl::IsTabFullyShown(int index) const
{
    if (index < 0 || index >= FTabs->GetCount() || !FTabs->GetItem(index)->Visible)
        return false;
    if (!FScrolling)
        return true;
    const int room = StripLength() - 2 * ButtonLength() - 2 * FMargin - ButtonsLength();
    const int o = ScrollOffset();
    const TRect& b = FTabs->GetItem(index)->Bounds;
    if (FTabSequence == tsStandard)
        return b.left >= o && b.right - o <= room;
    return b.right <= o && o - b.left <= room;
}

void TKitCustomTabControl::KeepFirstVisibleTab()
{
    if (!FScrolling) {
        FFirstVisibleTab = FirstVisibleIndex();
        return;
    }
    const int old = std::max(FFirstVisibleTab, 0);
    for (FFirstVisibleTab = old; FFirstVisibleTab < FTabs->GetCount(); ++FFirstVisibleTab)
        if (IsTabFullyShown(FFirstVisibleTab))
            return;
    for (FFirstVisibleTab = old - 1; FFirstVisibleTab >= 0; --FFirstVisibleTab)
        if (IsTabFullyShown(FFirstVisibleTab))
            return;
    FFirstVisibleTab = FirstVisibleIndex();
}

void TKitCustomTabControl::ScrollTabs(bool forward)
{
    const int old = FFirstVisibleTab;
    if (forward) {
        if (FFirstVisibleTab < FTabs->GetCount() - 1 && !IsTabFullyShown(LastVisibleTab())) {
            do
                ++FFirstVisibleTab;
            while (FFirstVisibleTab < FTabs->GetCount() && !IsTabFullyShown(FFirstVisibleTab));
            if (FFirstVisibleTab >= FTabs->GetCount())
                FFirstVisibleTab = old;
        }
    } else if (FFirstVisibleTab > 0 && !IsTabFullyShown(FirstVisibleIndex())) {
        do
            --FFirstVisibleTab;
        while (FFirstVisibleTab >= 0 && !IsTabFullyShown(FFirstVisibleTab));
        if (FFirstVisibleTab < 0)
            FFirstVisibleTab = old;
    }
    if (FFirstVisibleTab != old) {
        FRegionCache.Clear();
        InvalidateTabs();
    }
    ShowButtons();
    if (OnScrolledTabs)
        OnScrolledTabs(this);
}

void TKitCustomTabControl::ScrollIntoView(int index)
{
    if (!FScrolling || FMultiLine)
        return;
    if (index < FFirstVisibleTab) {
        FFirstVisibleTab = index;
        FRegionCache.Clear();
        return;
    }
    while (!IsTabFullyShown(index) && FFirstVisibleTab < index) {
        ++FFirstVisibleTab;
        FRegionCache.Clear();
    }
}

// ---- the whole layout ----

void TKitCustomTabControl::UpdateLayout()
{
    if (FLayoutDirty && !FInLayout)
        Relayout();
}

void TKitCustomTabControl::Relayout()
{
    FInLayout = true;
    try {
        FLayoutDirty = false;
        const int count = FTabs->GetCount();
        std::vector<int> lengths(static_cast<size_t>(count));
        int depth = 0;
        for (int i = 0; i < count; ++i) {
            const TKitTabData* tab = FTabs->GetItem(i);
            if (!tab->Visible)
                continue;
            const TTabSize size = MeasureTab(*tab);
            lengths[static_cast<size_t>(i)] = size.Length;
            depth = std::max(depth, size.Depth);
        }
        FFixedDimension = depth;
        FRowCount = FMultiLine && count > 0 ? CountRows(lengths) : 1;
        PlaceTabs(lengths);
        AlignRows();
        FRegionCache.Clear();
        const int last = LastVisibleTab(), first = FirstVisibleIndex();
        FScrolling = false;
        if (!FMultiLine && last >= 0) {
            const int room = StripLength() - 2 * FMargin - ButtonsLength();
            FScrolling = FTabSequence == tsStandard ? room < FTabs->GetItem(last)->Bounds.right
                                                    : room < FTabs->GetItem(first)->Bounds.right;
        }
        KeepFirstVisibleTab();
        KeepSelectionValid();
    } catch (...) {
        FInLayout = false;
        throw;
    }
    FInLayout = false;
    ShowButtons();
    if (HandleAllocated() && GetCardClientRect() != FLastClientRect)
        Realign();
}

void TKitCustomTabControl::KeepSelectionValid()
{
    if (FTabIndex < 0 || FirstVisibleIndex() < 0)
        return;
    const int count = FTabs->GetCount();
    int found = -1;
    for (int i = std::min(FTabIndex, count); i < count && found < 0; ++i)
        if (PassesSelectionTest(i, i != FTabIndex))
            found = i;
    for (int i = std::min(FTabIndex, count) - 1; i >= 0 && found < 0; --i)
        if (PassesSelectionTest(i, true))
            found = i;
    if (found < 0) {
        FTabIndex = -1;
        return;
    }
    SelectTab(found, true);
}
