// Colours, fonts, pens and brushes, the canvas, and the pictures drawn on it.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "classlib/Classes.h"
#include "classlib/Geometry.h"

VARIRUVU_EXCEPTION(EInvalidGraphic, Exception);
VARIRUVU_EXCEPTION(EInvalidGraphicOperation, Exception);
// Ends a painting in progress without a message; the painter catches it.
VARIRUVU_EXCEPTION(EAbortPaint, Exception);

// An RGB value 0x00BBGGRR, or a system colour: the high bit set and the
// COLOR_ index in the low byte.
using TColor = int32_t;
constexpr TColor clSystemColor = static_cast<TColor>(0x80000000u);
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;
constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF;
constexpr TColor clScrollBar = clSystemColor | COLOR_SCROLLBAR, clBackground = clSystemColor | COLOR_BACKGROUND,
                 clActiveCaption = clSystemColor | COLOR_ACTIVECAPTION,
                 clInactiveCaption = clSystemColor | COLOR_INACTIVECAPTION, clMenu = clSystemColor | COLOR_MENU,
                 clWindow = clSystemColor | COLOR_WINDOW, clWindowFrame = clSystemColor | COLOR_WINDOWFRAME,
                 clMenuText = clSystemColor | COLOR_MENUTEXT, clWindowText = clSystemColor | COLOR_WINDOWTEXT,
                 clCaptionText = clSystemColor | COLOR_CAPTIONTEXT,
                 clActiveBorder = clSystemColor | COLOR_ACTIVEBORDER,
                 clInactiveBorder = clSystemColor | COLOR_INACTIVEBORDER,
                 clAppWorkSpace = clSystemColor | COLOR_APPWORKSPACE, clHighlight = clSystemColor | COLOR_HIGHLIGHT,
                 clHighlightText = clSystemColor | COLOR_HIGHLIGHTTEXT, clBtnFace = clSystemColor | COLOR_BTNFACE,
                 clBtnShadow = clSystemColor | COLOR_BTNSHADOW, clGrayText = clSystemColor | COLOR_GRAYTEXT,
                 clBtnText = clSystemColor | COLOR_BTNTEXT,
                 clInactiveCaptionText = clSystemColor | COLOR_INACTIVECAPTIONTEXT,
                 clBtnHighlight = clSystemColor | COLOR_BTNHIGHLIGHT, cl3DDkShadow = clSystemColor | COLOR_3DDKSHADOW,
                 cl3DLight = clSystemColor | COLOR_3DLIGHT, clInfoText = clSystemColor | COLOR_INFOTEXT,
                 clInfoBk = clSystemColor | COLOR_INFOBK, clHotLight = clSystemColor | COLOR_HOTLIGHT;

// The COLORREF of a colour, system colours resolved.
COLORREF ColorToRGB(TColor color);
// A brush of single pixels in the two colours, alternating like a chess
// board; the library keeps it (made again when the colours change).
HBRUSH PatternBrush(TColor back, TColor fore);
// The type colour properties are published with: form texts name colours (clBtnFace).
const TTypeInfo& ColorTypeInfo();

// A GDI object handle deleted with its owner.
struct TGdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
template <class H>
using TGdiHandle = std::unique_ptr<std::remove_pointer_t<H>, TGdiObjectDeleter>;

// Fonts, pens and brushes: their handle is made on first use and dropped when a value changes.
class TGraphicsObject : public TPersistent {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    TNotifyEvent OnChange;

protected:
    void Changed();
};

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
VARIRUVU_ENUM_INFO(TFontStyle, fsBold, fsItalic, fsUnderline, fsStrikeOut);
using TFontStyles = TSet<TFontStyle>;
enum TFontPitch { fpDefault, fpVariable, fpFixed };
VARIRUVU_ENUM_INFO(TFontPitch, fpDefault, fpVariable, fpFixed);

class TFont : public TGraphicsObject {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    TFont();

    void Assign(TPersistent* source) override;
    HFONT GetHandle();

    const AnsiString& GetName() const { return FName; }
    void SetName(const AnsiString& value);
    // Points; a negative height is pixels of the character height.
    int GetSize() const;
    void SetSize(int value);
    int GetHeight() const { return FHeight; }
    void SetHeight(int value);
    TColor GetColor() const { return FColor; }
    void SetColor(TColor value);
    TFontStyles GetStyle() const { return FStyle; }
    void SetStyle(TFontStyles value);
    int GetCharset() const { return FCharset; }
    void SetCharset(int value);
    TFontPitch GetPitch() const { return FPitch; }
    void SetPitch(TFontPitch value);

    static int PixelsPerInch();

private:
    void Modified();

    AnsiString FName = "MS Sans Serif";
    int FHeight;
    TColor FColor = clWindowText;
    TFontStyles FStyle;
    int FCharset = DEFAULT_CHARSET;
    TFontPitch FPitch = fpDefault;
    TGdiHandle<HFONT> FHandle;
};

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
VARIRUVU_ENUM_INFO(TPenStyle, psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame);
enum TPenMode { pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot, pmMergeNotPen,
                pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor };
VARIRUVU_ENUM_INFO(TPenMode, pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
                   pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor);

class TPen : public TGraphicsObject {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    void Assign(TPersistent* source) override;
    HPEN GetHandle();

    TColor GetColor() const { return FColor; }
    void SetColor(TColor value);
    int GetWidth() const { return FWidth; }
    void SetWidth(int value);
    TPenStyle GetStyle() const { return FStyle; }
    void SetStyle(TPenStyle value);
    TPenMode GetMode() const { return FMode; }
    void SetMode(TPenMode value);
    // The raster operation of the mode, for SetROP2.
    int GetRop2() const;

private:
    void Modified();

    TColor FColor = clBlack;
    int FWidth = 1;
    TPenStyle FStyle = psSolid;
    TPenMode FMode = pmCopy;
    TGdiHandle<HPEN> FHandle;
};

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
VARIRUVU_ENUM_INFO(TBrushStyle, bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross,
                   bsDiagCross);

class TBrush : public TGraphicsObject {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    void Assign(TPersistent* source) override;
    HBRUSH GetHandle();

    TColor GetColor() const { return FColor; }
    void SetColor(TColor value);
    TBrushStyle GetStyle() const { return FStyle; }
    void SetStyle(TBrushStyle value);

private:
    void Modified();

    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
    TGdiHandle<HBRUSH> FHandle;
};

class TGraphic;

enum TCanvasStateFlag { csHandleValid, csFontValid, csPenValid, csBrushValid };
using TCanvasState = TSet<TCanvasStateFlag>;
enum TCanvasOrientation { coLeftToRight, coRightToLeft };
// Copy modes are the raster operations of BitBlt.
using TCopyMode = DWORD;

// Drawing on a device context with the canvas's font, pen and brush selected
// as the operation needs them.
class TCanvas : public TPersistent {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    TCanvas();
    ~TCanvas() override;

    HDC GetHandle();
    // Binds an outside device context (null unbinds); the canvas never releases it.
    void SetHandle(HDC value);
    bool HandleAllocated() const { return FHandle != nullptr; }
    TFont* GetFont() const { return FFont.get(); }
    TPen* GetPen() const { return FPen.get(); }
    TBrush* GetBrush() const { return FBrush.get(); }
    TPoint GetPenPos() const { return FPenPos; }
    void SetPenPos(TPoint value);
    TCopyMode GetCopyMode() const { return FCopyMode; }
    void SetCopyMode(TCopyMode value) { FCopyMode = value; }
    // ETO_ flags handed to every text output.
    int GetTextFlags() const { return FTextFlags; }
    void SetTextFlags(int value) { FTextFlags = value; }
    TCanvasOrientation GetCanvasOrientation();
    void Lock() { ++FLockCount; }
    void Unlock() { --FLockCount; }
    int GetLockCount() const { return FLockCount; }

    // Selects what `required` asks for, creating the handle first when needed.
    void RequiredState(TCanvasState required);

    void TextOut(int x, int y, const AnsiString& text);
    void TextRect(const TRect& rect, int x, int y, const AnsiString& text);
    TSize TextExtent(const AnsiString& text);
    int TextWidth(const AnsiString& text) { return TextExtent(text).cx; }
    int TextHeight(const AnsiString& text) { return TextExtent(text).cy; }
    void FillRect(const TRect& rect);
    void FrameRect(const TRect& rect);
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const TRect& rect) { Rectangle(rect.left, rect.top, rect.right, rect.bottom); }
    void Polygon(const std::vector<TPoint>& points);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    TColor GetPixels(int x, int y);
    void SetPixels(int x, int y, TColor color);
    void Draw(int x, int y, TGraphic* graphic);
    void StretchDraw(const TRect& rect, TGraphic* graphic);
    void CopyRect(const TRect& dest, TCanvas* source, const TRect& sourceRect);
    void DrawFocusRect(const TRect& rect);

    // The notifications around a drawing; public for drawing routines outside the class.
    void Changing();
    void Changed();

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    virtual void CreateHandle() {}
    // Drops the handle (a descendant's CreateHandle made it and releases it here).
    virtual void FreeHandle() { SetHandle(nullptr); }

private:
    void DeselectHandles();
    void ObjectChanged(TObject* sender);

    HDC FHandle = nullptr;
    TCanvasState FState;
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TPen> FPen;
    std::unique_ptr<TBrush> FBrush;
    TPoint FPenPos;
    TCopyMode FCopyMode = SRCCOPY;
    int FTextFlags = 0;
    int FLockCount = 0;
    HGDIOBJ FSavedFont = nullptr, FSavedPen = nullptr, FSavedBrush = nullptr;
};

// A picture of any kind that draws itself on a canvas.
class TGraphic : public TPersistent {
public:
    VARIRUVU_DECLARE_CLASS_INFO

    virtual bool GetEmpty() const = 0;
    virtual int GetWidth() const = 0;
    virtual int GetHeight() const = 0;
    bool GetTransparent() const { return FTransparent; }
    virtual void SetTransparent(bool value);
    // A format error raises EInvalidGraphic; the picture is then empty.
    virtual void LoadFromStream(TStream* stream) = 0;
    virtual void SaveToStream(TStream* stream) = 0;
    void LoadFromFile(const AnsiString& fileName);
    void SaveToFile(const AnsiString& fileName);

    // A form carries the picture as its file's bytes ("Glyph.Data = {...}").
    void DefineProperties(TFiler* filer) override;

    TNotifyEvent OnChange;

protected:
    friend class TCanvas;
    virtual void Draw(TCanvas* canvas, const TRect& rect) = 0;
    void Changed();

    bool FTransparent = false;
};

enum TPixelFormat { pfDevice, pf1bit, pf24bit, pf32bit };
enum TAlphaFormat { afIgnored, afPremultiplied };

class TBitmap;

class TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(TBitmap* bitmap) : FBitmap(bitmap) {}
    ~TBitmapCanvas() override;
    // Lets the bitmap change its DIB: the memory DC lets go of it.
    void Release() { FreeHandle(); }

protected:
    void CreateHandle() override;
    void FreeHandle() override;

private:
    TBitmap* FBitmap;
    HDC FMemDC = nullptr;
    HGDIOBJ FSavedBitmap = nullptr;
};

// A picture on a top-down DIB section (1, 24 or 32 bits a pixel).
class TBitmap : public TGraphic {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    TBitmap();
    ~TBitmap() override;

    void Assign(TPersistent* source) override;
    bool GetEmpty() const override { return !FHandle; }
    int GetWidth() const override { return FWidth; }
    int GetHeight() const override { return FHeight; }
    void SetWidth(int value) { SetSize(value, FHeight); }
    void SetHeight(int value) { SetSize(FWidth, value); }
    // Keeps the pixels that still fit; new pixels are white.
    void SetSize(int width, int height);
    TPixelFormat GetPixelFormat() const { return FPixelFormat; }
    void SetPixelFormat(TPixelFormat value);
    // Premultiplied 32-bit pixels are drawn with their alpha.
    TAlphaFormat GetAlphaFormat() const { return FAlphaFormat; }
    void SetAlphaFormat(TAlphaFormat value) { FAlphaFormat = value; }
    TColor GetTransparentColor() const;
    void SetTransparentColor(TColor value) { FTransparentColor = value; }
    TCanvas* GetCanvas();
    HBITMAP GetHandle() const { return FHandle.get(); }
    // The DIB, once the canvas has let go of it: a bitmap is selected into one
    // device context at a time, so code that selects it elsewhere takes it from here.
    HBITMAP GetUnselectedHandle() const;
    // The bytes of row y (rows are DWORD-aligned, top row first).
    void* GetScanLine(int y) const;
    int GetRowBytes() const;

    void LoadFromStream(TStream* stream) override;
    void SaveToStream(TStream* stream) override;
    // A BITMAP resource of the module; EResNotFound when it has none of that name.
    void LoadFromResourceName(HINSTANCE instance, const AnsiString& name);

protected:
    void Draw(TCanvas* canvas, const TRect& rect) override;

private:
    friend class TBitmapCanvas;
    void Recreate(int width, int height, TPixelFormat format, const void* bits);
    int BitsPerPixel() const;

    int FWidth = 0;
    int FHeight = 0;
    TPixelFormat FPixelFormat = pf24bit;
    TAlphaFormat FAlphaFormat = afIgnored;
    TColor FTransparentColor = clDefault;
    TGdiHandle<HBITMAP> FHandle;
    void* FBits = nullptr;
    std::unique_ptr<TBitmapCanvas> FCanvas;
};

// An icon or cursor image.
class TIcon : public TGraphic {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    TIcon() = default;
    ~TIcon() override;

    void Assign(TPersistent* source) override;
    bool GetEmpty() const override { return !FHandle; }
    int GetWidth() const override { return FWidth; }
    int GetHeight() const override { return FHeight; }
    HICON GetHandle() const { return FHandle; }
    // Takes the icon over; it is destroyed with this picture.
    void SetHandle(HICON value);
    void LoadFromResourceName(HINSTANCE instance, const AnsiString& name);
    // An .ico file: the image closest to the system's icon size.
    void LoadFromStream(TStream* stream) override;
    void SaveToStream(TStream* stream) override;

protected:
    void Draw(TCanvas* canvas, const TRect& rect) override;

private:
    HICON FHandle = nullptr;
    int FWidth = 0;
    int FHeight = 0;
    AnsiString FData;  // the file the icon came from, for saving
};

// A PNG picture with its alpha channel; decoded once, drawn alpha-blended.
class TPngImage : public TGraphic {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    TPngImage();
    ~TPngImage() override;

    void Assign(TPersistent* source) override;
    bool GetEmpty() const override { return FBitmap->GetEmpty(); }
    int GetWidth() const override { return FBitmap->GetWidth(); }
    int GetHeight() const override { return FBitmap->GetHeight(); }
    // The decoded pixel as stored in the file, before premultiplication.
    TColor GetPixel(int x, int y) const;
    uint8_t GetAlpha(int x, int y) const;
    void LoadFromStream(TStream* stream) override;
    // Writes the file the picture was read from.
    void SaveToStream(TStream* stream) override;

protected:
    void Draw(TCanvas* canvas, const TRect& rect) override;

private:
    std::unique_ptr<TBitmap> FBitmap;
    std::vector<uint8_t> FRgba;
    AnsiString FData;
};

// Holds one graphic of whichever format a file or stream brings.
class TPicture : public TPersistent {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    TPicture();
    ~TPicture() override;

    TGraphic* GetGraphic() const { return FGraphic.get(); }
    // A copy of `value` (null empties the picture).
    void SetGraphic(TGraphic* value);
    // The graphic as a bitmap; an empty bitmap replaces another format.
    TBitmap* GetBitmap();
    int GetWidth() const { return FGraphic ? FGraphic->GetWidth() : 0; }
    int GetHeight() const { return FGraphic ? FGraphic->GetHeight() : 0; }

    void Assign(TPersistent* source) override;
    // The format follows the extension (.bmp, .png, .ico); another raises EInvalidGraphic.
    void LoadFromFile(const AnsiString& fileName);
    void SaveToFile(const AnsiString& fileName);
    // The format follows the stream's signature.
    void LoadFromStream(TStream* stream);
    void SaveToStream(TStream* stream);

    // A form carries the picture with its format ("Picture.Data = {...}").
    void DefineProperties(TFiler* filer) override;

    TNotifyEvent OnChange;

private:
    void Install(std::unique_ptr<TGraphic> graphic);
    void ReadData(TStream* stream);
    void WriteData(TStream* stream);
    void GraphicChanged(TObject* sender);

    std::unique_ptr<TGraphic> FGraphic;
};

// The bytes from the stream's position to its end.
AnsiString ReadRestOfStream(TStream* stream);
