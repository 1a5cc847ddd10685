// Controls printed into a memory bitmap, and where given colours landed.
#pragma once

#include <algorithm>
#include <ostream>

#include "classlib/Controls.h"

// The smallest rectangle of `area` that holds every pixel for which `match`
// holds; empty when there is none.
template <class Match>
TRect PixelBounds(TCanvas* canvas, const TRect& area, Match match)
{
    TRect found(area.right, area.bottom, area.left, area.top);
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (match(canvas->GetPixels(x, y))) {
                found.left = std::min<int>(found.left, x);
                found.top = std::min<int>(found.top, y);
                found.right = std::max<int>(found.right, x + 1);
                found.bottom = std::max<int>(found.bottom, y + 1);
            }
    return found.left < found.right ? found : TRect();
}

// How many pixels of `area` are exactly `color`.
inline int PixelCount(TCanvas* canvas, const TRect& area, TColor color)
{
    TColor rgb = ColorToRGB(color);
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += canvas->GetPixels(x, y) == rgb;
    return count;
}

// A white bitmap the size of the control with the control painted into it.
class TPrintout {
public:
    explicit TPrintout(TControl* control);
    TCanvas* Canvas() { return FBitmap.GetCanvas(); }
    TRect Area() const { return TRect(0, 0, FBitmap.GetWidth(), FBitmap.GetHeight()); }
    TRect ColorBounds(const TRect& area, TColor color)
    {
        TColor rgb = ColorToRGB(color);
        return PixelBounds(Canvas(), area, [rgb](TColor pixel) { return pixel == rgb; });
    }
    TRect InkBounds(const TRect& area, TColor background)
    {
        TColor rgb = ColorToRGB(background);
        return PixelBounds(Canvas(), area, [rgb](TColor pixel) { return pixel != rgb; });
    }

private:
    TBitmap FBitmap;
};

inline void PrintTo(const TRect& r, std::ostream* os)
{
    *os << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}
