// The base look of an owner-drawn menu item.
#include <algorithm>

#include "classlib/Menus.h"

namespace {
constexpr int ShortCutMargin = 10;

int CheckWidth()
{
    return GetSystemMetrics(SM_CXMENUCHECK) + 4;
}

std::function<void(HDC, RECT&, UINT)> AnsiDraw(const AnsiString& text)
{
    return [text](HDC dc, RECT& r, UINT flags) { DrawTextA(dc, text.c_str(), -1, &r, flags); };
}
}  // namespace

void TMenuItem::PrepareCanvas(TCanvas* canvas)
{
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        return;
    const LOGFONTA& lf = metrics.lfMenuFont;
    canvas->GetFont()->SetName(lf.lfFaceName);
    canvas->GetFont()->SetHeight(lf.lfHeight);
    canvas->GetFont()->SetCharset(lf.lfCharSet);
}

TMenuItem::TTextPlace TMenuItem::TextPlace(const TRect& rect, TOwnerDrawState state, bool topLevel) const
{
    TTextPlace place;
    place.CaptionRect = rect;
    place.ShortCutRect = TRect();
    if (topLevel) {
        place.CaptionFlags = DT_CENTER;
    } else {
        place.CaptionRect.left += CheckWidth();
        place.ShortCutRect = rect;
        place.ShortCutRect.right -= ShortCutMargin;
        place.CaptionFlags = DT_LEFT;
    }
    bool selected = state.Contains(odSelected);
    place.Color = selected ? clHighlightText : clMenuText;
    place.Embossed = !FEnabled || state.Contains(odDisabled) || state.Contains(odGrayed);
    return place;
}

void TMenuItem::DrawMenuText(TCanvas* canvas, TRect rect, UINT flags, const TTextPlace& place,
                             const std::function<void(HDC, RECT&, UINT)>& draw)
{
    HDC dc = canvas->GetHandle();
    SelectObject(dc, canvas->GetFont()->GetHandle());
    SetBkMode(dc, TRANSPARENT);
    flags |= DT_SINGLELINE | DT_VCENTER;
    if (place.Embossed) {
        RECT raised = rect;
        OffsetRect(&raised, 1, 1);
        SetTextColor(dc, ColorToRGB(clBtnHighlight));
        draw(dc, raised, flags);
        SetTextColor(dc, ColorToRGB(clGrayText));
    } else {
        SetTextColor(dc, ColorToRGB(place.Color));
    }
    RECT r = rect;
    draw(dc, r, flags);
}

void TMenuItem::AdvancedDrawItem(TCanvas* canvas, TRect rect, TOwnerDrawState state, bool topLevel)
{
    if (OnAdvancedDrawItem) {
        OnAdvancedDrawItem(this, canvas, rect, state);
        return;
    }
    if (OnDrawItem) {
        OnDrawItem(this, canvas, rect, state.Contains(odSelected));
        return;
    }
    PrepareCanvas(canvas);
    canvas->GetBrush()->SetColor(state.Contains(odSelected) ? clHighlight : clMenu);
    canvas->FillRect(rect);
    HDC dc = canvas->GetHandle();
    if (IsLine()) {
        RECT line = rect;
        line.top += (rect.Height() - 2) / 2;
        DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
        return;
    }
    if (FChecked && !topLevel) {
        int size = GetSystemMetrics(SM_CXMENUCHECK);
        RECT check{rect.left + 2, rect.top + (rect.Height() - size) / 2, 0, 0};
        check.right = check.left + size;
        check.bottom = check.top + size;
        DrawFrameControl(dc, &check, DFC_MENU, DFCS_MENUCHECK | DFCS_TRANSPARENT);
    }
    TTextPlace place = TextPlace(rect, state, topLevel);
    if (!FCaption.empty())
        DrawMenuText(canvas, place.CaptionRect, place.CaptionFlags, place, AnsiDraw(FCaption));
    if (FShortCut != scNone && !topLevel)
        DrawMenuText(canvas, place.ShortCutRect, DT_RIGHT, place, AnsiDraw(ShortCutToText(FShortCut)));
}

void TMenuItem::MeasureItem(TCanvas* canvas, int& width, int& height)
{
    PrepareCanvas(canvas);
    if (IsLine()) {
        width = 10;
        height = GetSystemMetrics(SM_CYMENU) / 2;
    } else {
        bool topLevel = IsTopLevel() && GetParentMenu() && GetParentMenu()->IsBar();
        width = canvas->TextWidth(FCaption);
        if (!topLevel) {
            width += CheckWidth();
            if (FShortCut != scNone)
                width += canvas->TextWidth(ShortCutToText(FShortCut)) + 2 * ShortCutMargin;
        }
        height = std::max(canvas->TextHeight("Wg") + 6, GetSystemMetrics(SM_CYMENU));
    }
    if (OnMeasureItem)
        OnMeasureItem(this, canvas, width, height);
}
