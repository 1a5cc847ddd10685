#include "classlib/Graphics.h"

VARIRUVU_CLASS_INFO(TCanvas, TPersistent) {}

TCanvas::TCanvas()
    : FFont(std::make_unique<TFont>()), FPen(std::make_unique<TPen>()), FBrush(std::make_unique<TBrush>())
{
    FFont->OnChange = TNotifyEvent(this, &TCanvas::ObjectChanged);
    FPen->OnChange = TNotifyEvent(this, &TCanvas::ObjectChanged);
    FBrush->OnChange = TNotifyEvent(this, &TCanvas::ObjectChanged);
}

TCanvas::~TCanvas()
{
    SetHandle(nullptr);
}

HDC TCanvas::GetHandle()
{
    RequiredState({csHandleValid});
    return FHandle;
}

void TCanvas::SetHandle(HDC value)
{
    if (value == FHandle)
        return;
    if (FHandle) {
        DeselectHandles();
        FState.Exclude(csHandleValid);
    }
    FHandle = value;
    if (FHandle)
        FState.Include(csHandleValid);
}

void TCanvas::DeselectHandles()
{
    if (!FHandle)
        return;
    if (FSavedFont)
        SelectObject(FHandle, FSavedFont);
    if (FSavedPen)
        SelectObject(FHandle, FSavedPen);
    if (FSavedBrush)
        SelectObject(FHandle, FSavedBrush);
    FSavedFont = FSavedPen = FSavedBrush = nullptr;
    FState = FState - TCanvasState{csFontValid, csPenValid, csBrushValid};
}

// A changed font, pen or brush must be selected again, and its old handle
// may already be gone: put the DC's own objects back first.
void TCanvas::ObjectChanged(TObject* sender)
{
    if (!FHandle)
        return;
    if (sender == FFont.get() && FSavedFont) {
        SelectObject(FHandle, FSavedFont);
        FSavedFont = nullptr;
        FState.Exclude(csFontValid);
    } else if (sender == FPen.get() && FSavedPen) {
        SelectObject(FHandle, FSavedPen);
        FSavedPen = nullptr;
        FState.Exclude(csPenValid);
    } else if (sender == FBrush.get() && FSavedBrush) {
        SelectObject(FHandle, FSavedBrush);
        FSavedBrush = nullptr;
        FState.Exclude(csBrushValid);
    }
}

void TCanvas::RequiredState(TCanvasState required)
{
    TCanvasState needed = required - FState;
    if (needed.Empty())
        return;
    if (needed.Contains(csHandleValid)) {
        CreateHandle();
        if (!FHandle)
            throw EInvalidOperation(L"Canvas does not allow drawing");
    }
    if (needed.Contains(csFontValid)) {
        HGDIOBJ old = SelectObject(FHandle, FFont->GetHandle());
        if (!FSavedFont)
            FSavedFont = old;
        SetTextColor(FHandle, ColorToRGB(FFont->GetColor()));
        FState.Include(csFontValid);
    }
    if (needed.Contains(csPenValid)) {
        HGDIOBJ old = SelectObject(FHandle, FPen->GetHandle());
        if (!FSavedPen)
            FSavedPen = old;
        SetROP2(FHandle, FPen->GetRop2());
        FState.Include(csPenValid);
    }
    if (needed.Contains(csBrushValid)) {
        HGDIOBJ old = SelectObject(FHandle, FBrush->GetHandle());
        if (!FSavedBrush)
            FSavedBrush = old;
        SetBkColor(FHandle, ColorToRGB(FBrush->GetColor()));
        SetBkMode(FHandle, FBrush->GetStyle() == bsSolid ? OPAQUE : TRANSPARENT);
        FState.Include(csBrushValid);
    }
}

void TCanvas::Changing()
{
    if (OnChanging)
        OnChanging(this);
}

void TCanvas::Changed()
{
    if (OnChange)
        OnChange(this);
}

TCanvasOrientation TCanvas::GetCanvasOrientation()
{
    RequiredState({csHandleValid});
    return (GetLayout(FHandle) & LAYOUT_RTL) ? coRightToLeft : coLeftToRight;
}

void TCanvas::SetPenPos(TPoint value)
{
    MoveTo(value.x, value.y);
}

void TCanvas::TextOut(int x, int y, const AnsiString& text)
{
    Changing();
    RequiredState({csHandleValid, csFontValid, csBrushValid});
    if (GetCanvasOrientation() == coRightToLeft)
        x += TextWidth(text) + 1;
    ExtTextOutA(FHandle, x, y, FTextFlags, nullptr, text.c_str(), static_cast<UINT>(text.size()), nullptr);
    FPenPos = TPoint(x + TextWidth(text), y);
    MoveToEx(FHandle, FPenPos.x, FPenPos.y, nullptr);
    Changed();
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const AnsiString& text)
{
    Changing();
    RequiredState({csHandleValid, csFontValid, csBrushValid});
    UINT options = FTextFlags | ETO_CLIPPED;
    if (FBrush->GetStyle() != bsClear)
        options |= ETO_OPAQUE;
    ExtTextOutA(FHandle, x, y, options, &rect, text.c_str(), static_cast<UINT>(text.size()), nullptr);
    Changed();
}

TSize TCanvas::TextExtent(const AnsiString& text)
{
    RequiredState({csHandleValid, csFontValid});
    TSize size;
    if (!GetTextExtentPoint32A(FHandle, text.c_str(), static_cast<int>(text.size()), &size))
        size = TSize();
    return size;
}

void TCanvas::FillRect(const TRect& rect)
{
    Changing();
    RequiredState({csHandleValid, csBrushValid});
    ::FillRect(FHandle, &rect, FBrush->GetHandle());
    Changed();
}

void TCanvas::FrameRect(const TRect& rect)
{
    Changing();
    RequiredState({csHandleValid, csBrushValid});
    ::FrameRect(FHandle, &rect, FBrush->GetHandle());
    Changed();
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    ::Rectangle(FHandle, x1, y1, x2, y2);
    Changed();
}

void TCanvas::Polygon(const std::vector<TPoint>& points)
{
    if (points.empty())
        return;
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    ::Polygon(FHandle, points.data(), static_cast<int>(points.size()));
    Changed();
}

void TCanvas::MoveTo(int x, int y)
{
    RequiredState({csHandleValid});
    MoveToEx(FHandle, x, y, nullptr);
    FPenPos = TPoint(x, y);
}

void TCanvas::LineTo(int x, int y)
{
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    ::LineTo(FHandle, x, y);
    FPenPos = TPoint(x, y);
    Changed();
}

TColor TCanvas::GetPixels(int x, int y)
{
    RequiredState({csHandleValid});
    return static_cast<TColor>(GetPixel(FHandle, x, y));
}

void TCanvas::SetPixels(int x, int y, TColor color)
{
    Changing();
    RequiredState({csHandleValid, csPenValid});
    SetPixel(FHandle, x, y, ColorToRGB(color));
    Changed();
}

void TCanvas::Draw(int x, int y, TGraphic* graphic)
{
    if (graphic && !graphic->GetEmpty())
        StretchDraw(Bounds(x, y, graphic->GetWidth(), graphic->GetHeight()), graphic);
}

void TCanvas::StretchDraw(const TRect& rect, TGraphic* graphic)
{
    if (!graphic || graphic->GetEmpty())
        return;
    Changing();
    RequiredState({csHandleValid});
    graphic->Draw(this, rect);
    Changed();
}

void TCanvas::CopyRect(const TRect& dest, TCanvas* source, const TRect& sourceRect)
{
    Changing();
    RequiredState({csHandleValid, csBrushValid});
    source->RequiredState({csHandleValid});
    StretchBlt(FHandle, dest.left, dest.top, dest.Width(), dest.Height(), source->FHandle, sourceRect.left,
               sourceRect.top, sourceRect.Width(), sourceRect.Height(), FCopyMode);
    Changed();
}

void TCanvas::DrawFocusRect(const TRect& rect)
{
    Changing();
    RequiredState({csHandleValid, csBrushValid});
    ::DrawFocusRect(FHandle, &rect);
    Changed();
}
