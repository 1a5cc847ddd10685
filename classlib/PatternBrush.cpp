#include "classlib/Graphics.h"

namespace {

HBRUSH MakePatternBrush(COLORREF back, COLORREF fore)
{
    struct {
        BITMAPINFOHEADER Header;
        uint32_t Pixels[64];
    } dib{};
    dib.Header.biSize = sizeof(dib.Header);
    dib.Header.biWidth = 8;
    dib.Header.biHeight = 8;
    dib.Header.biPlanes = 1;
    dib.Header.biBitCount = 32;
    dib.Header.biCompression = BI_RGB;
    // DIB pixels are 0x00RRGGBB, COLORREFs 0x00BBGGRR.
    auto pixel = [](COLORREF c) { return uint32_t{GetRValue(c)} << 16 | uint32_t{GetGValue(c)} << 8 | GetBValue(c); };
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            dib.Pixels[y * 8 + x] = pixel((x + y) % 2 ? fore : back);
    return CreateDIBPatternBrushPt(&dib, DIB_RGB_COLORS);
}

struct TPattern {
    COLORREF Back = CLR_INVALID;
    COLORREF Fore = CLR_INVALID;
    HBRUSH Brush = nullptr;

    ~TPattern()
    {
        if (Brush)
            DeleteObject(Brush);
    }
};

}  // namespace

HBRUSH PatternBrush(TColor back, TColor fore)
{
    static TPattern pattern;
    COLORREF backRGB = ColorToRGB(back);
    COLORREF foreRGB = ColorToRGB(fore);
    if (!pattern.Brush || pattern.Back != backRGB || pattern.Fore != foreRGB) {
        if (pattern.Brush)
            DeleteObject(pattern.Brush);
        pattern.Brush = MakePatternBrush(backRGB, foreRGB);
        pattern.Back = backRGB;
        pattern.Fore = foreRGB;
    }
    return pattern.Brush;
}
