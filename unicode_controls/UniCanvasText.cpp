#include "unicode_controls/UniGraphics.h"

void WideCanvasTextOut(TCanvas* canvas, int x, int y, const WideString& text)
{
    canvas->Changing();
    canvas->RequiredState({csHandleValid, csFontValid, csBrushValid});
    HDC dc = canvas->GetHandle();
    int width = WideDCTextExtent(dc, text).cx;
    if (canvas->GetCanvasOrientation() == coRightToLeft)
        x += width + 1;
    ExtTextOutW(dc, x, y, static_cast<UINT>(canvas->GetTextFlags()), nullptr, text.c_str(),
                static_cast<UINT>(text.size()), nullptr);
    canvas->MoveTo(x + width, y);
    canvas->Changed();
}

TSize WideDCTextExtent(HDC dc, const WideString& text)
{
    TSize size;
    if (!GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size))
        size = TSize();
    return size;
}

TSize WideCanvasTextExtent(TCanvas* canvas, const WideString& text)
{
    canvas->RequiredState({csHandleValid, csFontValid});
    return WideDCTextExtent(canvas->GetHandle(), text);
}

int WideCanvasTextWidth(TCanvas* canvas, const WideString& text)
{
    return WideCanvasTextExtent(canvas, text).cx;
}

int WideCanvasTextHeight(TCanvas* canvas, const WideString& text)
{
    return WideCanvasTextExtent(canvas, text).cy;
}
