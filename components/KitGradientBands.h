// The steps of DrawGradient: colour stepping in 16.16 fixed point and the three
// ways of filling the scratch bitmap with bands of one colour each.
#pragma once

#include "classlib/Graphics.h"

// Walks from one colour toward another in equal 16.16 steps, channel by channel.
class TColorStepper {
public:
    TColorStepper(COLORREF first, COLORREF target, int steps);
    void Step();
    COLORREF Value() const;

private:
    int FChannel[3];
    int FDelta[3];
};

// Lines of one pass of a linear gradient, painted into an 8-pixel strip.
enum class TBandLines { Rows, Columns };

// End mode: line Extent-1 in StopColor, stepping toward StartColor at line 0.
void FillEndBands(HDC DC, TBandLines Lines, int Extent, COLORREF StartColor, COLORREF StopColor);
// Centre mode: StopColor at line Centre, stepping toward StartColor at both ends.
void FillCentreBands(HDC DC, TBandLines Lines, int Extent, int Centre, COLORREF StartColor, COLORREF StopColor);
// The top-left quadrant of a box gradient: StopColor at the centre (flat over the insets), StartColor toward the edges.
void FillBoxBands(HDC DC, int Width, int Height, int InsetX, int InsetY, COLORREF StartColor, COLORREF StopColor);
// Bands parallel to a diagonal: Width > 0 runs from StartColor at the bottom-left corner,
// Width <= 0 (the width negated) from StopColor at the bottom-right corner.
void FillDiagonalBands(HDC DC, int Width, int Height, COLORREF StartColor, COLORREF StopColor);
// One rectangle through a brush made for it.
void FillSolid(HDC DC, const TRect& Rect, COLORREF Color);
