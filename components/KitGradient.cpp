#include <algorithm>
#include <cstdlib>

#include "components/KitGradientBands.h"
#include "components/KitGrafx.h"

namespace {

void FillScratch(HDC dc, int w, int h, TGradientDirection direction, COLORREF start, COLORREF stop)
{
    switch (direction) {
    case gdDiagonalUp:
    case gdDiagonalDown:
        if (start == stop)
            FillSolid(dc, TRect(0, 0, w, h), start);
        else
            FillDiagonalBands(dc, direction == gdDiagonalUp ? w : -w, h, start, stop);
        break;
    case gdHorizontalEnd:
        FillEndBands(dc, TBandLines::Rows, h, start, stop);
        ReplicateBlock(dc, 0, 0, w, h, 8, h, SRCCOPY);
        break;
    case gdHorizontalCenter:
        FillCentreBands(dc, TBandLines::Rows, h, h / 2, start, stop);
        ReplicateBlock(dc, 0, 0, w, h, 8, h, SRCCOPY);
        break;
    case gdVerticalEnd:
        FillEndBands(dc, TBandLines::Columns, w, start, stop);
        ReplicateBlock(dc, 0, 0, w, h, w, 8, SRCCOPY);
        break;
    case gdVerticalCenter:
        FillCentreBands(dc, TBandLines::Columns, w, w / 2, start, stop);
        ReplicateBlock(dc, 0, 0, w, h, w, 8, SRCCOPY);
        break;
    case gdHorizontalBox:
    case gdVerticalBox:
    case gdSquareBox:
    case gdBigSquareBox: {
        // Every box direction starts from the edge colour: the outermost band of
        // the quadrant is never painted by the bands themselves.
        FillSolid(dc, TRect(0, 0, w, h), start);
        bool insetX = direction == gdHorizontalBox || direction == gdBigSquareBox;
        bool insetY = direction == gdVerticalBox || direction == gdBigSquareBox;
        FillBoxBands(dc, w, h, insetX ? w >> 2 : 0, insetY ? h >> 2 : 0, start, stop);
        MirrorQuadrant(dc, 0, 0, w, h, SRCCOPY);
        break;
    }
    }
}

}  // namespace

void DrawGradient(TCanvas* Canvas, TRect Rect, TGradientDirection Direction, TColor StartColor, TColor StopColor)
{
    COLORREF start = ColorToRGB(StartColor), stop = ColorToRGB(StopColor);
    int w = std::abs(Rect.right - Rect.left), h = std::abs(Rect.bottom - Rect.top);
    if (w == 0 || h == 0)
        return;
    TBitmap scratch;
    scratch.SetSize(w, h);
    TCanvas* canvas = scratch.GetCanvas();
    canvas->GetPen()->SetWidth(1);
    canvas->GetPen()->SetStyle(psClear);
    canvas->GetPen()->SetMode(pmCopy);
    canvas->GetBrush()->SetStyle(bsSolid);
    canvas->RequiredState({csHandleValid, csPenValid, csBrushValid});
    FillScratch(canvas->GetHandle(), w, h, Direction, start, stop);
    // A rectangle given with its corners swapped covers the same pixels.
    Canvas->Draw(std::min(Rect.left, Rect.right), std::min(Rect.top, Rect.bottom), &scratch);
}
