// Tab polygons, their regions and outlines, the card frame and the line
// commands (with the drop shadow) that draw them.
#include <algorithm>

#include "components/KitTabs.h"

namespace {

size_t ExpectedPoints(TKitTabStyle style, bool softCorners)
{
    switch (style) {
    case tsDoubleSlant:
        return softCorners ? 6 : 4;
    case tsCutCorner:
        return 5;
    case tsRoundCorners:
        return 6;
    case tsSquareCorners:
        return 4;
    default:
        return softCorners ? 6 : 5;
    }
}

enum TLineCode { lcFrameColor = 0, lcBegin = 2, lcMoveTo = 3, lcLineTo = 4, lcShadow30 = 5, lcShadow15 = 6 };

}  // namespace

std::vector<TPoint> TKitCustomTabControl::TabPolygon(int index) const
{
    const TRect r = StripTabRect(index);
    const int L = r.left, T = r.top, R = r.right, B = r.bottom, H = B - T, C = FCutCornerSize;
    std::vector<TPoint> strip;
    switch (FTabStyle) {
    case tsSingleSlant:
        strip = FSoftCorners ? std::vector<TPoint>{{L, B}, {L, T + 2}, {L + 2, T}, {R - H - 4, T}, {R - H + 2, T + 2}, {R, B}}
                             : std::vector<TPoint>{{L, B}, {L, T + 2}, {L + 2, T}, {R - H, T}, {R, B}};
        break;
    case tsDoubleSlant:
        strip = FSoftCorners
                    ? std::vector<TPoint>{{L, B}, {L + H - 2, T + 2}, {L + H + 4, T}, {R - H - 4, T}, {R - H + 2, T + 2}, {R, B}}
                    : std::vector<TPoint>{{L, B}, {L + H, T}, {R - H, T}, {R, B}};
        break;
    case tsCutCorner:
        strip = {{L, B}, {L, T}, {R - C, T}, {R, T + C}, {R, B}};
        break;
    case tsRoundCorners:
        strip = {{L, B}, {L, T + 2}, {L + 2, T}, {R - 2, T}, {R, T + 2}, {R, B}};
        break;
    case tsBackSlant:
        strip = FSoftCorners ? std::vector<TPoint>{{L, B}, {L + H - 2, T + 2}, {L + H + 4, T}, {R - 2, T}, {R, T + 2}, {R, B}}
                             : std::vector<TPoint>{{L, B}, {L + H, T}, {R - 2, T}, {R, T + 2}, {R, B}};
        break;
    default:
        strip = {{L, B}, {L, T}, {R, T}, {R, B}};
        break;
    }
    for (TPoint& p : strip)
        p = MapStripPoint(p);
    return strip;
}

HRGN TKitCustomTabControl::TabRegion(int index)
{
    const TRect rect = GetTabRect(index);
    if (HRGN cached = FRegionCache.Find(rect))
        return cached;
    const std::vector<TPoint> polygon = TabPolygon(index);
    if (polygon.size() < 3)
        return nullptr;
    HRGN region = CreatePolygonRgn(polygon.data(), static_cast<int>(polygon.size()), ALTERNATE);
    if (!region)
        throw EKitTabControlError("Error creating region");
    FRegionCache.Add(rect, region);
    return region;
}

void TKitCustomTabControl::DrawTabOutline(TCanvas* canvas, int index)
{
    const std::vector<TPoint> polygon = TabPolygon(index);
    if (polygon.size() != ExpectedPoints(FTabStyle, FSoftCorners))
        throw EKitTabControlError("Incorrect number of points in tab shape");
    std::vector<TLineCommand> commands{{lcBegin, TPoint(0, index)}, {lcMoveTo, polygon.front()}};
    for (size_t i = 1; i < polygon.size(); ++i)
        commands.push_back({lcLineTo, polygon[i]});
    RunLineCommands(canvas, commands);
}

void TKitCustomTabControl::DrawCardFrame(TCanvas* canvas, int row)
{
    const TRect card = GetCardRect(row);
    const TPoint TL(card.left, card.top), TR(card.right, card.top), BR(card.right, card.bottom),
        BL(card.left, card.bottom);
    std::vector<TLineCommand> c{{lcBegin, TPoint(1, row)}};
    auto move = [&](TPoint p) { c.push_back({lcMoveTo, p}); };
    auto line = [&](TPoint p) { c.push_back({lcLineTo, p}); };
    auto shift = [](TPoint p, int dx, int dy) { return TPoint(p.x + dx, p.y + dy); };

    const bool gap = row == 0 && FTabIndex >= 0 && FTabIndex >= FFirstVisibleTab && IsTabFullyShown(FTabIndex);
    const bool shadowed = FTabOrientation == toTop && FTabSequence == tsStandard && FShowShadow;
    const bool enlarged = IsRoundOrSquare();
    TPoint G1, G2;
    if (gap) {
        const TRect s = StripTabRect(FTabIndex);
        G1 = MapStripPoint(TPoint(s.left + 1, s.bottom));
        G2 = MapStripPoint(TPoint(s.right, s.bottom));
        if (enlarged && FTabOrientation == toBottom) {
            G1.x -= 1;
            G2.x -= 1;
        } else if (enlarged && FTabOrientation == toRight) {
            G1.y -= 1;
        }
    }

    if (shadowed) {
        const TPoint TR2 = shift(TR, -2, 0), BR2 = shift(BR, -2, -2), BL2 = shift(BL, 0, -2);
        if (gap && enlarged) {
            move(BL2);
            line(TL);
        } else {
            move(TL);
        }
        if (gap) {
            line(G1);
            move(G2);
            if (enlarged)
                line(shift(G2, 1, 0));
        }
        line(TR2);
        line(BR2);
        line(BL2);
        line(gap ? shift(TL, 0, -1) : TL);
        if (!FHotTrackRepaint) {
            c.push_back({lcMoveTo, TPoint(TR.x - 1, TR.y + 1)});
            c.push_back({lcShadow30, TPoint(TR.x - 1, BR.y - 1)});
            c.push_back({lcMoveTo, TPoint(BL.x, BR.y - 1)});
            c.push_back({lcShadow30, TPoint(BR.x - 1, BR.y - 1)});
            c.push_back({lcMoveTo, TPoint(TR.x, TR.y)});
            c.push_back({lcShadow15, TPoint(TR.x, BR.y)});
            c.push_back({lcMoveTo, TPoint(BL.x, BR.y)});
            c.push_back({lcShadow15, TPoint(BR.x, BR.y)});
            c.push_back({lcMoveTo, TPoint(TR.x - 1, TR.y)});
            c.push_back({lcShadow15, TPoint(TR.x - 1, TR.y)});
            c.push_back({lcMoveTo, TPoint(BL.x, BL.y - 1)});
            c.push_back({lcShadow15, TPoint(BL.x, BL.y - 1)});
        }
        RunLineCommands(canvas, c);
        return;
    }

    if (!gap) {
        move(TL);
        line(TR);
        if (FShowFullFrame) {
            line(BR);
            line(BL);
            line(TL);
        }
        RunLineCommands(canvas, c);
        return;
    }

    if (!FShowFullFrame) {
        // Only the edge next to the strip, with its gap; off the card except on a top strip.
        switch (FTabOrientation) {
        case toTop:
            move(TL);
            line(G1);
            move(G2);
            line(shift(TR, 1, 0));
            break;
        case toLeft:
            move(shift(BL, -1, 0));
            line(TPoint(BL.x - 1, G1.y));
            move(TPoint(TL.x - 1, G2.y));
            line(shift(TL, -1, -1));
            break;
        case toBottom:
            move(shift(BL, 0, 1));
            line(TPoint(G1.x, BL.y + 1));
            move(TPoint(G2.x, BR.y + 1));
            line(shift(BR, 1, 1));
            break;
        default:
            move(shift(TR, 1, 0));
            line(TPoint(TR.x + 1, G1.y));
            move(TPoint(TR.x + 1, G2.y));
            line(shift(BR, 1, 1));
            break;
        }
        RunLineCommands(canvas, c);
        return;
    }

    // The whole frame with the gap where the selected tab joins the card; the
    // enlarged tabs start at the bottom-left corner.
    std::vector<TPoint> path;
    switch (FTabOrientation) {
    case toTop:
        path = {TL, G1, G2, TR, BR, BL, TL};
        break;
    case toLeft:
        path = {TL, TR, BR, BL, G1, G2, TL};
        break;
    case toBottom:
        path = {TL, TR, BR, G2, G1, BL, TL};
        break;
    default:
        path = {TL, TR, G1, G2, BR, BL, TL};
        break;
    }
    if (enlarged) {
        // The same closed path begun at BL.
        path.pop_back();
        auto start = std::find(path.begin(), path.end(), BL);
        std::rotate(path.begin(), start, path.end());
        path.push_back(BL);
    }
    const auto gapStart = std::find(path.begin(), path.end(), FTabOrientation == toBottom ? G2 : G1);
    move(path.front());
    for (auto it = path.begin() + 1; it != path.end(); ++it) {
        if (it - 1 == gapStart)
            move(*it);
        else
            line(*it);
    }
    if (enlarged && FTabOrientation == toTop) {
        move(G2);
        line(shift(G2, 1, 0));
    }
    RunLineCommands(canvas, c);
}

void TKitCustomTabControl::RunLineCommands(TCanvas* canvas, const std::vector<TLineCommand>& commands)
{
    const bool shadows = std::any_of(commands.begin(), commands.end(),
                                     [](const TLineCommand& c) { return c.Code == lcShadow30 || c.Code == lcShadow15; });
    std::unique_ptr<TBitmap> parentImage;
    if (shadows) {
        parentImage = std::make_unique<TBitmap>();
        parentImage->SetSize(GetWidth(), GetHeight());
        PaintParentBackground(this, parentImage->GetCanvas(), false);
    }
    HDC dc = canvas->GetHandle();
    TPoint pen;
    const TColor frame = FrameColor();
    for (const TLineCommand& command : commands) {
        switch (command.Code) {
        case lcFrameColor:
        case lcBegin:
            canvas->GetPen()->SetColor(frame);
            canvas->GetPen()->SetStyle(psSolid);
            break;
        case lcMoveTo:
            canvas->MoveTo(command.Point.x, command.Point.y);
            pen = command.Point;
            break;
        case lcLineTo:
            canvas->LineTo(command.Point.x, command.Point.y);
            pen = command.Point;
            break;
        default: {
            const uint8_t strength = command.Code == lcShadow30 ? 30 : 15;
            const bool vertical = pen.x == command.Point.x;
            const int from = vertical ? std::min(pen.y, command.Point.y) : std::min(pen.x, command.Point.x);
            const int to = vertical ? std::max(pen.y, command.Point.y) : std::max(pen.x, command.Point.x);
            for (int i = from; i <= to; ++i) {
                const int x = vertical ? pen.x : i, y = vertical ? i : pen.y;
                const COLORREF under = GetPixel(parentImage->GetCanvas()->GetHandle(), x, y);
                SetPixel(dc, x, y, static_cast<COLORREF>(MixColors(clBlack, static_cast<TColor>(under), strength)));
            }
            pen = command.Point;
            canvas->MoveTo(pen.x, pen.y);
            break;
        }
        }
    }
}
