// Painting: background, tabs with their contents, the cards of the rows and
// their frames, all into the off-screen bitmap, copied to the screen at once.
#include <algorithm>
#include <cstdlib>

#include "components/KitTabButtons.h"
#include "components/KitTabs.h"

namespace {

std::vector<AnsiString> Lines(const AnsiString& caption)
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

// Where `size` sits in [low, high) by an alignment of 0 (start), 1 (centre) or 2 (end).
int Place(int low, int high, int size, int alignment)
{
    switch (alignment) {
    case 0:
        return low;
    case 1:
        return low + (high - low - size) / 2;
    default:
        return high - size;
    }
}

void FillSolid(TCanvas* canvas, const TRect& rect, TColor color)
{
    TGdiHandle<HBRUSH> brush(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(color))));
    ::FillRect(canvas->GetHandle(), &rect, brush.get());
}

}  // namespace

void TKitCustomTabControl::Paint()
{
    FPainted = true;
    UpdateLayout();
    if (FBitmap->GetWidth() != GetWidth() || FBitmap->GetHeight() != GetHeight())
        FBitmap->SetSize(GetWidth(), GetHeight());
    TCanvas* canvas = FBitmap->GetCanvas();
    canvas->GetBrush()->SetColor(clBlack);
    const TRect client(0, 0, GetWidth(), GetHeight());
    if (!DoPaintBackground(canvas, client)) {
        if (FTransparent)
            PaintParentBackground(this, canvas, false);
        else
            FillSolid(canvas, client, FBackgroundColor);
    }
    PlaceButtons();
    PaintTabsAndCards(canvas);
    BitBlt(GetCanvas()->GetHandle(), 0, 0, client.Width(), client.Height(), canvas->GetHandle(), 0, 0, SRCCOPY);
}

// The buttons at the strip's end (the start in the reverse order), 2 pixels
// apart, 2 pixels from the strip's card-side edge.
void TKitCustomTabControl::PlaceButtons()
{
    if (!FCloseButton && !FMenuButton && !FScroller)
        return;
    const bool tabs = FTabs->GetCount() > 0;
    const int b1 = ButtonLength();
    const int b2 = tabs ? ButtonDepth() : 0;
    const TRect s = GetTabAreaRect();
    const bool standard = FTabSequence == tsStandard;
    int distance;
    switch (FTabOrientation) {
    case toTop:
        distance = standard ? FMargin + (FShowShadow ? 1 : -1) : FMargin;
        break;
    case toLeft:
        distance = standard ? FMargin : FMargin - 1;
        break;
    default:
        distance = standard ? FMargin - 1 : FMargin;
        break;
    }
    // Each button's place along the strip: `from` pixels from the end it sits at.
    auto place = [&](TControl* button, int from, int length, bool shown) {
        if (!button)
            return;
        if (!shown) {
            button->SetBounds(-200, -200, length, b2);
            return;
        }
        // Across: 2 pixels from the strip's card-side edge.
        int left, top, width, height;
        if (!IsVertical()) {
            width = length;
            height = b2;
            top = FTabOrientation == toTop ? s.bottom - 2 - b2 : s.top + 2;
            const bool atRight = standard;
            left = atRight ? s.right - from - length : s.left + from;
        } else {
            width = b2;
            height = length;
            left = FTabOrientation == toLeft ? s.right - 2 - b2 : s.left + 2;
            // A left strip ends at the top in the standard order, a right strip at the bottom.
            const bool atTop = (FTabOrientation == toLeft) == standard;
            top = atTop ? s.top + from : s.bottom - from - length;
        }
        button->SetBounds(left, top, width, height);
        button->Invalidate();
    };
    int from = distance;
    const bool closeShown = FShowCloseButton && tabs;
    place(FCloseButton, from, b1, closeShown);
    if (closeShown)
        from += b1 + 2;
    const bool menuShown = FShowMenuButton && tabs;
    place(FMenuButton, from, b1, menuShown);
    if (menuShown)
        from += b1 + 2;
    place(FScroller, from, 2 * b1 - 1, FScrolling);
}

void TKitCustomTabControl::PaintTabsAndCards(TCanvas* canvas)
{
    const int count = FTabs->GetCount();
    if (count > 0) {
        int s = 0;
        for (int i = 0; i < count; ++i)
            if (FTabs->GetItem(i)->Visible && FTabs->GetItem(i)->Row == 0) {
                s = i;
                break;
            }
        int card = FRowCount - 1;
        for (int k = 1; k <= count; ++k) {
            const int i = (s - k + count) % count;
            const TKitTabData* tab = FTabs->GetItem(i);
            if (!tab->Visible || i == FTabIndex || i < FFirstVisibleTab || !IsTabFullyShown(i))
                continue;
            if (tab->Row < card && card > 0) {
                PaintCard(canvas, card);
                card = tab->Row;
            }
            PaintTab(canvas, i);
        }
        if (card == 1)
            PaintCard(canvas, 1);
        if (FTabIndex >= 0 && FTabIndex >= FFirstVisibleTab && IsTabFullyShown(FTabIndex))
            PaintTab(canvas, FTabIndex);
    }
    PaintCard(canvas, 0);
}

void TKitCustomTabControl::PaintTab(TCanvas* canvas, int index)
{
    const TRect rect = GetTabRect(index);
    TRect clip, meet;
    GetClipBox(canvas->GetHandle(), &clip);
    if (!IntersectRect(&meet, &rect, &clip))
        return;
    if (HRGN region = TabRegion(index)) {
        HDC dc = canvas->GetHandle();
        const int saved = SaveDC(dc);
        if (!saved)
            throw EKitTabControlError("Error saving device context");
        SelectClipRgn(dc, region);
        PaintTabBackground(canvas, index, rect);
        PaintTabContents(canvas, index, rect);
        RestoreDC(dc, saved);
        DrawTabOutline(canvas, index);
    }
}

void TKitCustomTabControl::PaintTabBackground(TCanvas* canvas, int index, const TRect& rect)
{
    if (DoPaintTabBackground(canvas, index, rect))
        return;
    const TKitTabData* tab = FTabs->GetItem(index);
    TColor base, light, dark;
    if (FUseColoredTabs) {
        base = tab->Color;
        light = LightenColor(base, 20);
        dark = ColorsAreClose(light, 0xFFFFFF) ? clBtnFace : DarkenColor(base, 40);
    } else {
        base = GetColor();
        light = FTabColors->GetUnselected();
        dark = FTabColors->GetShadow();
    }
    if (FHotTrack && FHotTrackStyle == htsTab && index == FHotTab) {
        if (FHotTrackColorSource == htcsTabColor) {
            dark = DarkenColor(dark, 30);
        } else if (FHotTrackColorType == htctActual) {
            light = LightenColor(FHotTrackColor, 60);
            dark = FHotTrackColor;
        } else {
            dark = OppositeColor(FHotTrackColor, 140);
            light = LightenColor(dark, 60);
        }
    }
    if (index == FTabIndex) {
        FillSolid(canvas, rect, base);
    } else if (FUseGradients && FullColorSupported) {
        const bool startLight = FTabOrientation == toTop || FTabOrientation == toLeft;
        DrawGradient(canvas, rect, IsVertical() ? gdVerticalEnd : gdHorizontalEnd, startLight ? light : dark,
                     startLight ? dark : light);
    } else {
        FillSolid(canvas, rect, light);
    }
}

void TKitCustomTabControl::PaintTabContents(TCanvas* canvas, int index, const TRect& tabRect)
{
    const TKitTabData* tab = FTabs->GetItem(index);
    const bool selected = index == FTabIndex;
    const bool hot = FHotTrack && index == FHotTab && tab->Enabled;
    // 1. Clear of slants and cut corners.
    TRect r = tabRect;
    const int c = FCutCornerSize;
    auto inflate = [&r](int dx, int dy) { InflateRect(&r, dx, dy); };
    auto offset = [&r](int dx, int dy) { OffsetRect(&r, dx, dy); };
    auto outerIn = [&](int n) {
        switch (FTabOrientation) {
        case toTop:
            r.top += n;
            break;
        case toBottom:
            r.bottom -= n;
            break;
        case toLeft:
            r.left += n;
            break;
        default:
            r.right -= n;
            break;
        }
    };
    const bool bottom = FTabOrientation == toBottom, right = FTabOrientation == toRight;
    if (!IsVertical()) {
        const int ov = Overlap(tabRect.Height());
        switch (FTabStyle) {
        case tsSingleSlant:
            inflate(-1, -1);
            r.right -= 2 * ov + 2;
            offset(3, 0);
            outerIn(2);
            if (bottom)
                offset(0, 1);
            break;
        case tsDoubleSlant:
            inflate(1, -1);
            r.left += ov - 2;
            r.right -= ov - 2;
            offset(1, 0);
            outerIn(2);
            if (bottom)
                offset(0, 1);
            break;
        case tsCutCorner:
            if (HasVerticalText()) {
                inflate(-4, -1);
                outerIn(c + 3);
            } else {
                inflate(-(c + 3), -1);
                outerIn(3);
            }
            if (bottom)
                offset(0, 1);
            break;
        case tsBackSlant:
            inflate(-1, -1);
            r.left += 2 * ov + 2;
            offset(-3, 0);
            outerIn(2);
            if (bottom)
                offset(0, -1);
            break;
        default:
            inflate(-2, -2);
            break;
        }
    } else {
        const int ov = Overlap(tabRect.Width());
        switch (FTabStyle) {
        case tsSingleSlant:
            inflate(-1, -1);
            if (right) {
                r.bottom -= 2 * ov + 2;
                offset(0, 2);
            } else {
                r.top += 2 * ov + 2;
                offset(0, -2);
            }
            offset(0, 1);
            outerIn(2);
            if (right)
                offset(1, 0);
            break;
        case tsDoubleSlant:
            inflate(-1, 1);
            r.top += ov;
            r.bottom -= ov;
            r.bottom += 2;
            offset(0, 1);
            outerIn(2);
            if (right)
                offset(1, 0);
            break;
        case tsCutCorner:
            if (HasVerticalText()) {
                inflate(-1, -(c + 3));
                outerIn(5);
            } else {
                inflate(-1, -4);
                outerIn(c + 5);
            }
            if (right)
                offset(1, 0);
            break;
        case tsBackSlant:
            inflate(-1, -1);
            if (right) {
                r.top += 2 * ov + 2;
                offset(0, -2);
            } else {
                r.bottom -= 2 * ov + 2;
                offset(0, 2);
            }
            offset(0, -1);
            outerIn(2);
            if (right)
                offset(1, 0);
            break;
        default:
            inflate(-2, -2);
            break;
        }
    }
    const bool focusShown = FocusRectShown() && FShowFocusRect;
    if (focusShown)
        inflate(-1, -1);

    // 2.-4. Image and text rectangles.
    const bool hasImage = FImages && tab->ImageIndex != -1;
    const int iw = hasImage ? FImages->GetWidth() : 0, ih = hasImage ? FImages->GetHeight() : 0;
    const int margin = hasImage ? FImageMargin : 0;
    TRect text = r, image = r;
    switch (FImagePosition) {
    case ipLeft:
        text.left += margin + iw;
        image.right = image.left + iw;
        break;
    case ipTop:
        text.top += margin + ih;
        image.bottom = image.top + ih;
        break;
    case ipRight:
        text.right -= iw + margin;
        image.left = image.right - iw;
        break;
    case ipBottom:
        text.bottom -= ih + margin;
        image.top = image.bottom - ih;
        break;
    default:
        break;
    }
    const bool closeOnTab = selected && FShowCloseButtonOnActiveTab && (IsVertical() == HasVerticalText());
    if (closeOnTab) {
        if (!IsVertical())
            (FTabSequence == tsStandard ? text.right : text.left) += FTabSequence == tsStandard ? -20 : 20;
        else
            (FTabSequence == tsStandard ? text.top : text.bottom) += FTabSequence == tsStandard ? 20 : -20;
    }
    if (hasImage) {
        const int x = Place(image.left, image.right, iw, static_cast<int>(FImageAlignment));
        const int y = Place(image.top, image.bottom, ih, static_cast<int>(FImageAlignmentVertical));
        int dx = 0;
        if (selected && !IsVertical() && FTabSequence == tsStandard && IsRoundOrSquare())
            dx = 2;
        const bool disabled = !tab->Enabled;
        if (tab->DisabledIndex == -1 || !disabled)
            FImages->Draw(canvas, x + dx, y, tab->ImageIndex, !disabled);
        else
            FImages->Draw(canvas, x + dx, y, tab->DisabledIndex, true);
    }

    // 5.-6. Text colour and highlight bar.
    TColor color;
    TKitTabTextStyle style;
    bool bar = false;
    TColor barColor = FTabColors->GetHighlightBar();
    if (!tab->Enabled) {
        style = ttsDisabled;
        color = FTextColors->GetDisabled();
    } else if (hot && !selected) {
        style = ttsHot;
        color = FTextColors->GetSelected();
        if (FHotTrackStyle == htsText)
            color = FHotTrackColorType == htctActual ? FHotTrackColor : OppositeColor(FHotTrackColor, 140);
        if (FHotTrackStyle == htsTabBar) {
            bar = true;
            barColor = FHotTrackColorSource == htcsTabColor ? DarkenColor(tab->Color, 40)
                       : FHotTrackColorType == htctActual   ? FHotTrackColor
                                                            : OppositeColor(FHotTrackColor, 140);
        }
    } else if (selected) {
        style = ttsSelected;
        color = FTextColors->GetSelected();
        bar = FHotTrack && FHotTrackStyle == htsTabBar;
    } else {
        style = ttsUnselected;
        color = FTextColors->GetUnselected();
    }
    bool handled = false;
    TColor custom = color;
    DoGetTextColor(index, style, custom, handled);
    if (handled)
        color = custom;
    if (bar) {
        TRect band = tabRect;
        InflateRect(&band, 1, 1);
        switch (FTabOrientation) {
        case toTop:
            band.bottom = band.top + 6;
            break;
        case toLeft:
            band.right = band.left + 6;
            break;
        case toBottom:
            band.top = band.bottom - 4;
            break;
        default:
            band.left = band.right - 4;
            break;
        }
        FillSolid(canvas, band, barColor);
    }

    // 7. Caption.
    if (!tab->Caption.empty())
        PaintCaption(canvas, index, text, color);

    // 8. The close cross on the active tab.
    if (closeOnTab && FActiveTabCloseButton) {
        const int breadth = IsVertical() ? tabRect.Width() : tabRect.Height();
        const bool small = breadth <= (IsVertical() ? 14 : 12);
        const int w = small ? 10 : 15, h = small ? 9 : 13;
        int x, y;
        if (!IsVertical()) {
            y = tabRect.top + (tabRect.Height() - h) / 2;
            x = FTabSequence == tsStandard ? r.right - w : r.left;
            FActiveTabCloseButton->SetBounds(x, y, w, h);
        } else {
            x = tabRect.left + (tabRect.Width() - h) / 2;
            y = FTabSequence == tsStandard ? r.top : r.bottom - w;
            FActiveTabCloseButton->SetBounds(x, y, h, w);
        }
    }

    // 9. Focus rectangle.
    if (selected && focusShown && Focused()) {
        TRect focus = text;
        if (!IsVertical()) {
            InflateRect(&focus, 1, 0);
            focus.bottom += 1;
            if (IsRoundOrSquare())
                FTabOrientation == toTop ? ++focus.top : --focus.bottom;
        } else {
            InflateRect(&focus, 0, 1);
            if (IsRoundOrSquare())
                FTabOrientation == toLeft ? focus.left += 2 : focus.right -= 2;
        }
        SetTextColor(canvas->GetHandle(), RGB(0, 0, 0));
        DrawFocusRect(canvas->GetHandle(), &focus);
    }
}

void TKitCustomTabControl::PaintCaption(TCanvas* canvas, int index, const TRect& textRect, TColor color)
{
    const TKitTabData* tab = FTabs->GetItem(index);
    TFont font;
    font.Assign(FWorkFont.get());
    if (FBoldCurrentTab && index == FTabIndex)
        font.SetStyle(font.GetStyle().Include(fsBold));
    const int angle = !HasVerticalText() ? 0 : FTabOrientation == toRight ? 270 : 90;
    HDC dc = canvas->GetHandle();
    const int saved = SaveDC(dc);
    if (!saved)
        throw EKitTabControlError("Error saving device context");
    TGdiHandle<HFONT> handle(CreateAngledFont(&font, angle));
    SelectObject(dc, handle.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(color)));
    const bool accelerators = AcceleratorsShown() && !font.GetStyle().Contains(fsUnderline);
    const std::vector<AnsiString> lines = Lines(tab->Caption);
    std::vector<TSize> sizes;
    int total = 0;
    for (const AnsiString& line : lines) {
        SIZE size{};
        const AnsiString shown = StripAccelerators(line);
        GetTextExtentPoint32A(dc, shown.c_str(), static_cast<int>(shown.size()), &size);
        sizes.emplace_back(size.cx, size.cy);
        total += size.cy;
    }
    IntersectClipRect(dc, textRect.left, textRect.top, textRect.right, textRect.bottom);
    if (!HasVerticalText()) {
        int y = Place(textRect.top, textRect.bottom, total, static_cast<int>(FTextAlignmentVertical));
        for (size_t i = 0; i < lines.size(); ++i) {
            const int x = Place(textRect.left, textRect.right, sizes[i].cx, static_cast<int>(FTextAlignment));
            TRect line(x, y, x + sizes[i].cx, y + sizes[i].cy);
            DrawTextA(dc, lines[i].c_str(), -1, &line,
                      DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOCLIP | (accelerators ? 0 : DT_HIDEPREFIX));
            y += sizes[i].cy;
        }
    } else {
        // Lines stack across the tab; each runs along it.
        int across = Place(textRect.left, textRect.right, total, static_cast<int>(FTextAlignment));
        for (size_t i = 0; i < lines.size(); ++i) {
            const AnsiString shown = StripAccelerators(lines[i]);
            const int length = sizes[i].cx, thickness = sizes[i].cy;
            const int along = Place(textRect.top, textRect.bottom, length, static_cast<int>(FTextAlignmentVertical));
            if (angle == 90)
                TextOutA(dc, across, along + length, shown.c_str(), static_cast<int>(shown.size()));
            else
                TextOutA(dc, across + thickness, along, shown.c_str(), static_cast<int>(shown.size()));
            across += thickness;
        }
    }
    RestoreDC(dc, saved);
}

void TKitCustomTabControl::PaintCard(TCanvas* canvas, int row)
{
    TRect rect = GetCardRect(row);
    if (IsEmptyTabRect(rect))
        return;
    if (FCardVisible) {
        ++rect.right;
        ++rect.bottom;
    }
    if (!DoPaintCardBackground(canvas, row, rect)) {
        const TColor color = FUseColoredTabs && FTabIndex >= 0 ? FTabs->GetItem(FTabIndex)->Color : GetColor();
        FillSolid(canvas, rect, color);
    }
    if (FShowCardFrame)
        DrawCardFrame(canvas, row);
}
