// The drawing base of the component set: gradients, the blits that grow a
// painted strip or quadrant to a whole bitmap, a transparent stretch and the
// painting of a control's parent behind it.
#pragma once

#include "classlib/Controls.h"
#include "classlib/Graphics.h"

// Horizontal directions give horizontal bands (the colour changes from row to
// row), vertical ones vertical bands (from column to column).
enum TGradientDirection {
    gdDiagonalUp,
    gdDiagonalDown,
    gdHorizontalEnd,
    gdHorizontalCenter,
    gdHorizontalBox,
    gdVerticalEnd,
    gdVerticalCenter,
    gdVerticalBox,
    gdSquareBox,
    gdBigSquareBox
};
VARIRUVU_ENUM_INFO(TGradientDirection, gdDiagonalUp, gdDiagonalDown, gdHorizontalEnd, gdHorizontalCenter,
                   gdHorizontalBox, gdVerticalEnd, gdVerticalCenter, gdVerticalBox, gdSquareBox, gdBigSquareBox);

// Paints the gradient over Rect; a rectangle given with its corners swapped is
// taken by its extent, an empty one draws nothing.
void DrawGradient(TCanvas* Canvas, TRect Rect, TGradientDirection Direction, TColor StartColor, TColor StopColor);

// Paints the parent's background and client area into DC, aligned with the control.
void PaintParentBackground(TControl* Control, HDC DC, bool InvalidateParent);
void PaintParentBackground(TControl* Control, TCanvas* Canvas, bool InvalidateParent);

// Stretches SourceRect of Bitmap into DestRect; pixels of TransparentColor leave the canvas untouched.
void StretchDrawTransparent(TCanvas* Canvas, TBitmap* Bitmap, const TRect& DestRect, TColor TransparentColor,
                            const TRect& SourceRect);

// Grows the block painted at (X, Y) to the whole area by doubling copies.
void ReplicateBlock(HDC DC, int X, int Y, int TotalWidth, int TotalHeight, int BlockWidth, int BlockHeight,
                    DWORD Rop);
// Mirrors the top-left quadrant into the other three.
void MirrorQuadrant(HDC DC, int X, int Y, int Width, int Height, DWORD Rop);
