// Wide text on a canvas, and a picture that loads files by UTF-16 name.
#pragma once

#include "classlib/Graphics.h"

// Writes like TCanvas::TextOut, with UTF-16 text.
void WideCanvasTextOut(TCanvas* canvas, int x, int y, const WideString& text);
// A zero size when the system cannot measure.
TSize WideDCTextExtent(HDC dc, const WideString& text);
TSize WideCanvasTextExtent(TCanvas* canvas, const WideString& text);
int WideCanvasTextWidth(TCanvas* canvas, const WideString& text);
int WideCanvasTextHeight(TCanvas* canvas, const WideString& text);

class TUniPicture : public TPicture {
public:
    using TPicture::LoadFromFile;
    // The class library loads by 8-bit name, so the file goes through its
    // short name, which any code page can spell. The format follows the
    // extension of the name handed on; ".jpeg" has none in a short name of
    // three letters, so it keeps the long name.
    void LoadFromFile(const WideString& fileName);
};
