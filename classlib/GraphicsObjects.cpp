#include "classlib/Graphics.h"

COLORREF ColorToRGB(TColor color)
{
    if (color & clSystemColor)
        return GetSysColor(color & 0xFF);
    return static_cast<COLORREF>(color);
}

VARIRUVU_CLASS_INFO(TGraphicsObject, TPersistent) {}

void TGraphicsObject::Changed()
{
    if (OnChange)
        OnChange(this);
}

// ---- fonts ----

VARIRUVU_CLASS_INFO(TFont, TGraphicsObject)
{
    info.Property("Charset", &TFont::GetCharset, &TFont::SetCharset).Default(DEFAULT_CHARSET);
    info.Property("Color", &TFont::GetColor, &TFont::SetColor).OfType(ColorTypeInfo()).Default(clWindowText);
    info.Property("Height", &TFont::GetHeight, &TFont::SetHeight);
    info.Property("Name", &TFont::GetName, &TFont::SetName);
    info.Property("Pitch", &TFont::GetPitch, &TFont::SetPitch).Default(fpDefault);
    info.Property("Size", &TFont::GetSize, &TFont::SetSize).Stored(false);
    info.Property("Style", &TFont::GetStyle, &TFont::SetStyle).Default(TFontStyles());
}

int TFont::PixelsPerInch()
{
    static const int ppi = [] {
        HDC dc = GetDC(nullptr);
        int value = GetDeviceCaps(dc, LOGPIXELSY);
        ReleaseDC(nullptr, dc);
        return value > 0 ? value : 96;
    }();
    return ppi;
}

TFont::TFont() : FHeight(-MulDiv(8, PixelsPerInch(), 72)) {}

void TFont::Modified()
{
    auto selected = std::move(FHandle);  // deleted once the listeners let go of it
    Changed();
}

void TFont::Assign(TPersistent* source)
{
    auto* font = dynamic_cast<TFont*>(source);
    if (!font) {
        TGraphicsObject::Assign(source);
        return;
    }
    FName = font->FName;
    FHeight = font->FHeight;
    FColor = font->FColor;
    FStyle = font->FStyle;
    FCharset = font->FCharset;
    FPitch = font->FPitch;
    Modified();
}

HFONT TFont::GetHandle()
{
    if (!FHandle) {
        LOGFONTA lf{};
        lf.lfHeight = FHeight;
        lf.lfWeight = FStyle.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = FStyle.Contains(fsItalic);
        lf.lfUnderline = FStyle.Contains(fsUnderline);
        lf.lfStrikeOut = FStyle.Contains(fsStrikeOut);
        lf.lfCharSet = static_cast<BYTE>(FCharset);
        lf.lfPitchAndFamily = FPitch == fpFixed ? FIXED_PITCH : FPitch == fpVariable ? VARIABLE_PITCH : DEFAULT_PITCH;
        lf.lfQuality = DEFAULT_QUALITY;
        lstrcpynA(lf.lfFaceName, FName.c_str(), LF_FACESIZE);
        FHandle.reset(CreateFontIndirectA(&lf));
    }
    return FHandle.get();
}

void TFont::SetName(const AnsiString& value)
{
    if (value.empty() || value == FName)
        return;
    FName = value;
    Modified();
}

int TFont::GetSize() const
{
    return -MulDiv(FHeight, 72, PixelsPerInch());
}

void TFont::SetSize(int value)
{
    SetHeight(-MulDiv(value, PixelsPerInch(), 72));
}

void TFont::SetHeight(int value)
{
    if (value == FHeight)
        return;
    FHeight = value;
    Modified();
}

void TFont::SetColor(TColor value)
{
    if (value == FColor)
        return;
    FColor = value;
    Changed();  // the colour is not part of the handle
}

void TFont::SetStyle(TFontStyles value)
{
    if (value == FStyle)
        return;
    FStyle = value;
    Modified();
}

void TFont::SetCharset(int value)
{
    if (value == FCharset)
        return;
    FCharset = value;
    Modified();
}

void TFont::SetPitch(TFontPitch value)
{
    if (value == FPitch)
        return;
    FPitch = value;
    Modified();
}

// ---- pens ----

VARIRUVU_CLASS_INFO(TPen, TGraphicsObject)
{
    info.Property("Color", &TPen::GetColor, &TPen::SetColor).OfType(ColorTypeInfo()).Default(clBlack);
    info.Property("Mode", &TPen::GetMode, &TPen::SetMode).Default(pmCopy);
    info.Property("Style", &TPen::GetStyle, &TPen::SetStyle).Default(psSolid);
    info.Property("Width", &TPen::GetWidth, &TPen::SetWidth).Default(1);
}

void TPen::Modified()
{
    auto selected = std::move(FHandle);  // deleted once the listeners let go of it
    Changed();
}

void TPen::Assign(TPersistent* source)
{
    auto* pen = dynamic_cast<TPen*>(source);
    if (!pen) {
        TGraphicsObject::Assign(source);
        return;
    }
    FColor = pen->FColor;
    FWidth = pen->FWidth;
    FStyle = pen->FStyle;
    FMode = pen->FMode;
    Modified();
}

HPEN TPen::GetHandle()
{
    static const int styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
    if (!FHandle)
        FHandle.reset(CreatePen(styles[FStyle], FWidth, ColorToRGB(FColor)));
    return FHandle.get();
}

int TPen::GetRop2() const
{
    static const int rops[] = {R2_BLACK,       R2_WHITE,      R2_NOP,         R2_NOT,
                               R2_COPYPEN,     R2_NOTCOPYPEN, R2_MERGEPENNOT, R2_MASKPENNOT,
                               R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN,    R2_NOTMERGEPEN,
                               R2_MASKPEN,     R2_NOTMASKPEN, R2_XORPEN,      R2_NOTXORPEN};
    return rops[FMode];
}

void TPen::SetColor(TColor value)
{
    if (value != FColor) {
        FColor = value;
        Modified();
    }
}

void TPen::SetWidth(int value)
{
    if (value >= 0 && value != FWidth) {
        FWidth = value;
        Modified();
    }
}

void TPen::SetStyle(TPenStyle value)
{
    if (value != FStyle) {
        FStyle = value;
        Modified();
    }
}

void TPen::SetMode(TPenMode value)
{
    if (value != FMode) {
        FMode = value;
        Changed();
    }
}

// ---- brushes ----

VARIRUVU_CLASS_INFO(TBrush, TGraphicsObject)
{
    info.Property("Color", &TBrush::GetColor, &TBrush::SetColor).OfType(ColorTypeInfo()).Default(clWhite);
    info.Property("Style", &TBrush::GetStyle, &TBrush::SetStyle).Default(bsSolid);
}

void TBrush::Modified()
{
    auto selected = std::move(FHandle);  // deleted once the listeners let go of it
    Changed();
}

void TBrush::Assign(TPersistent* source)
{
    auto* brush = dynamic_cast<TBrush*>(source);
    if (!brush) {
        TGraphicsObject::Assign(source);
        return;
    }
    FColor = brush->FColor;
    FStyle = brush->FStyle;
    Modified();
}

HBRUSH TBrush::GetHandle()
{
    static const int hatches[] = {0, 0, HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL, HS_BDIAGONAL, HS_CROSS, HS_DIAGCROSS};
    if (!FHandle) {
        if (FStyle == bsSolid)
            FHandle.reset(CreateSolidBrush(ColorToRGB(FColor)));
        else if (FStyle == bsClear)
            FHandle.reset(static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
        else
            FHandle.reset(CreateHatchBrush(hatches[FStyle], ColorToRGB(FColor)));
    }
    return FHandle.get();
}

void TBrush::SetColor(TColor value)
{
    if (value != FColor) {
        FColor = value;
        if (FStyle == bsClear)
            FStyle = bsSolid;
        Modified();
    }
}

void TBrush::SetStyle(TBrushStyle value)
{
    if (value != FStyle) {
        FStyle = value;
        Modified();
    }
}
