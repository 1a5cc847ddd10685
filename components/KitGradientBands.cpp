#include "components/KitGradientBands.h"

#include <algorithm>
#include <cmath>

namespace {

int Channel(COLORREF color, int index)
{
    return (color >> (8 * index)) & 0xFF;
}

void FillPolygon(HDC DC, const POINT (&points)[4], COLORREF color)
{
    HBRUSH brush = CreateSolidBrush(color);
    HGDIOBJ old = SelectObject(DC, brush);
    Polygon(DC, points, 4);
    SelectObject(DC, old);
    DeleteObject(brush);
}

// One pass over lines First down to Last (at least line First is painted).
void FillPass(HDC DC, TBandLines lines, int first, int last, COLORREF firstColor, COLORREF target, int steps)
{
    auto fill = [&](int lowest, int highest, COLORREF color) {
        TRect r = lines == TBandLines::Rows ? TRect(0, lowest, 8, highest + 1) : TRect(lowest, 0, highest + 1, 8);
        FillSolid(DC, r, color);
    };
    TColorStepper colour(firstColor, target, steps);
    COLORREF band = colour.Value();
    int bandStart = first, line = first;
    while (line > last) {
        --line;
        colour.Step();
        if (colour.Value() != band) {
            fill(line + 1, bandStart, band);
            band = colour.Value();
            bandStart = line;
        }
    }
    fill(line, bandStart, band);
}

}  // namespace

TColorStepper::TColorStepper(COLORREF first, COLORREF target, int steps)
{
    for (int i = 0; i < 3; ++i) {
        FChannel[i] = Channel(first, i) << 16;
        FDelta[i] = steps > 0 ? ((Channel(target, i) << 16) - FChannel[i]) / steps : 0;
    }
}

void TColorStepper::Step()
{
    for (int i = 0; i < 3; ++i)
        FChannel[i] += FDelta[i];
}

COLORREF TColorStepper::Value() const
{
    return RGB(FChannel[0] >> 16, FChannel[1] >> 16, FChannel[2] >> 16);
}

void FillSolid(HDC DC, const TRect& Rect, COLORREF Color)
{
    HBRUSH brush = CreateSolidBrush(Color);
    FillRect(DC, &Rect, brush);
    DeleteObject(brush);
}

void FillEndBands(HDC DC, TBandLines Lines, int Extent, COLORREF StartColor, COLORREF StopColor)
{
    FillPass(DC, Lines, Extent - 1, 0, StopColor, StartColor, Extent);
}

void FillCentreBands(HDC DC, TBandLines Lines, int Extent, int Centre, COLORREF StartColor, COLORREF StopColor)
{
    FillPass(DC, Lines, Centre, 0, StopColor, StartColor, Centre + 1);
    FillPass(DC, Lines, Extent - 1, Centre + 1, StartColor, StopColor, Extent - Centre - 1);
}

void FillBoxBands(HDC DC, int Width, int Height, int InsetX, int InsetY, COLORREF StartColor, COLORREF StopColor)
{
    if (StartColor == StopColor || Width <= 4 || Height <= 4) {
        FillSolid(DC, TRect(0, 0, Width + 1, Height + 1), StartColor);
        return;
    }
    int cx = (Width - 1) >> 1, cy = (Height - 1) >> 1;
    int x0 = cx - InsetX, y0 = cy - InsetY;
    int steps = std::max(x0, y0) + 1;
    int xa = x0 << 16, ya = y0 << 16;
    int xStep = x0 * 65536 / steps, yStep = y0 * 65536 / steps;
    TColorStepper colour(StopColor, StartColor, steps);
    COLORREF band = colour.Value();
    int xPrev = cx + 1, yPrev = cy + 1;
    while (xa >= 0 || ya >= 0) {
        int x = xa >> 16, y = ya >> 16;
        xa -= xStep;
        ya -= yStep;
        colour.Step();
        bool outside = xa < 0 && ya < 0;
        if (colour.Value() == band && !outside)
            continue;
        // The band's last line ends here: an L from the previous edges out to (x, y).
        if (!outside) {
            if (y != yPrev)
                FillSolid(DC, TRect(x, y, cx + 1, yPrev), band);
            if (x != xPrev)
                FillSolid(DC, TRect(x, yPrev, xPrev, cy + 1), band);
            xPrev = x;
            yPrev = y;
        }
        band = colour.Value();
    }
}

void FillDiagonalBands(HDC DC, int Width, int Height, COLORREF StartColor, COLORREF StopColor)
{
    int span = std::abs(Width);
    int steps = static_cast<int>(std::sqrt(static_cast<double>(Width) * Width + static_cast<double>(Height) * Height)) + 1;
    int half = std::max(steps >> 1, 1);
    bool rising = Width > 0;
    int x0 = rising ? 0 : span, xFar = rising ? span : 0;
    int dx = static_cast<int>(static_cast<int64_t>(Width) * 65536 / half);
    int dy = static_cast<int>(static_cast<int64_t>(Height) * 65536 / half);
    TColorStepper colour(rising ? StartColor : StopColor, rising ? StopColor : StartColor, steps);
    COLORREF band = colour.Value();

    // Sweep 1 fills the triangle at x0's side, sweep 2 the far one; each band lies
    // between two lines parallel to the diagonal from (x0, 0) to (xFar, Height).
    for (int sweep = 1; sweep <= 2; ++sweep) {
        int xa = x0 << 16, ya = Height << 16;
        int xPrev = x0, yPrev = Height;
        auto paint = [&](int x, int y) {
            if (x == xPrev && y == yPrev)
                return;
            if (sweep == 1)
                FillPolygon(DC, {{x0, y}, {x0, yPrev}, {xPrev, Height}, {x, Height}}, band);
            else
                FillPolygon(DC, {{x, 0}, {xPrev, 0}, {xFar, yPrev}, {xFar, y}}, band);
            xPrev = x;
            yPrev = y;
        };
        for (;;) {
            xa += dx;
            ya -= dy;
            colour.Step();
            if (ya < 0) {
                paint(xFar, 0);
                break;
            }
            if (colour.Value() != band) {
                paint(xa >> 16, ya >> 16);
                band = colour.Value();
            }
        }
    }
}
