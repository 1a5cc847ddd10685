#include <algorithm>

#include "components/KitGrafx.h"

void ReplicateBlock(HDC DC, int X, int Y, int TotalWidth, int TotalHeight, int BlockWidth, int BlockHeight,
                    DWORD Rop)
{
    int w = BlockWidth, h = BlockHeight;
    bool vertical = h < TotalHeight;
    while (h < TotalHeight || w < TotalWidth) {
        if (vertical) {
            BitBlt(DC, X, Y + h, w, std::min(h, TotalHeight - h), DC, X, Y, Rop);
            h = std::min(2 * h, TotalHeight);
            vertical = w >= TotalWidth;
        } else {
            BitBlt(DC, X + w, Y, std::min(w, TotalWidth - w), h, DC, X, Y, Rop);
            w = std::min(2 * w, TotalWidth);
            vertical = h < TotalHeight;
        }
    }
}

void MirrorQuadrant(HDC DC, int X, int Y, int Width, int Height, DWORD Rop)
{
    // The quadrant holds the centre line of an odd extent; only the halves beyond it are mirrored.
    int hw = Width >> 1, hh = Height >> 1, quadrantWidth = (Width + 1) >> 1;
    StretchBlt(DC, X, Y + Height - 1, quadrantWidth, -hh, DC, X, Y, quadrantWidth, hh, Rop);
    StretchBlt(DC, X + Width - 1, Y, -hw, Height, DC, X, Y, hw, Height, Rop);
}

void StretchDrawTransparent(TCanvas* Canvas, TBitmap* Bitmap, const TRect& DestRect, TColor TransparentColor,
                            const TRect& SourceRect)
{
    int w = DestRect.Width(), h = DestRect.Height();
    if (w <= 0 || h <= 0 || Bitmap->GetEmpty())
        return;
    // Stretched first, so that the transparent colour is matched on the stretched pixels.
    TBitmap stretched;
    stretched.SetSize(w, h);
    HDC dc = stretched.GetCanvas()->GetHandle();
    HDC src = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(src, Bitmap->GetUnselectedHandle());
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, 0, 0, w, h, src, SourceRect.left, SourceRect.top, SourceRect.Width(), SourceRect.Height(),
               SRCCOPY);
    SelectObject(src, old);
    DeleteDC(src);
    GdiTransparentBlt(Canvas->GetHandle(), DestRect.left, DestRect.top, w, h, dc, 0, 0, w, h,
                      ColorToRGB(TransparentColor));
}
