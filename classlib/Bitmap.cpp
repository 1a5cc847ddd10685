#include <cstring>

#include "classlib/Graphics.h"

AnsiString ReadRestOfStream(TStream* stream)
{
    int64_t count = stream->GetSize() - stream->GetPosition();
    AnsiString data(static_cast<size_t>(count > 0 ? count : 0), '\0');
    if (!data.empty())
        stream->ReadBuffer(data.data(), static_cast<int32_t>(data.size()));
    return data;
}

// ---- graphics in general ----

VARIRUVU_CLASS_INFO(TGraphic, TPersistent) {}

void TGraphic::SetTransparent(bool value)
{
    if (value != FTransparent) {
        FTransparent = value;
        Changed();
    }
}

void TGraphic::DefineProperties(TFiler* filer)
{
    TPersistent::DefineProperties(filer);
    filer->DefineBinaryProperty(
        "Data", [this](TStream* stream) { LoadFromStream(stream); }, [this](TStream* stream) { SaveToStream(stream); },
        !GetEmpty());
}

void TGraphic::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TGraphic::LoadFromFile(const AnsiString& fileName)
{
    TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&stream);
}

void TGraphic::SaveToFile(const AnsiString& fileName)
{
    TFileStream stream(fileName, fmCreate);
    SaveToStream(&stream);
}

// ---- the bitmap's canvas ----

TBitmapCanvas::~TBitmapCanvas()
{
    FreeHandle();
}

void TBitmapCanvas::CreateHandle()
{
    FMemDC = CreateCompatibleDC(nullptr);
    if (FBitmap->GetHandle())
        FSavedBitmap = SelectObject(FMemDC, FBitmap->GetHandle());
    SetHandle(FMemDC);
}

void TBitmapCanvas::FreeHandle()
{
    if (!FMemDC)
        return;
    SetHandle(nullptr);
    if (FSavedBitmap)
        SelectObject(FMemDC, FSavedBitmap);
    DeleteDC(FMemDC);
    FMemDC = nullptr;
    FSavedBitmap = nullptr;
}

// ---- bitmaps ----

VARIRUVU_CLASS_INFO(TBitmap, TGraphic) {}

TBitmap::TBitmap() = default;

TBitmap::~TBitmap()
{
    FCanvas.reset();
}

int TBitmap::BitsPerPixel() const
{
    switch (FPixelFormat) {
    case pf1bit:
        return 1;
    case pf32bit:
        return 32;
    default:
        return 24;
    }
}

int TBitmap::GetRowBytes() const
{
    return ((FWidth * BitsPerPixel() + 31) / 32) * 4;
}

void* TBitmap::GetScanLine(int y) const
{
    if (!FBits || y < 0 || y >= FHeight)
        throw EInvalidGraphicOperation(L"Scan line index out of range");
    return static_cast<uint8_t*>(FBits) + static_cast<size_t>(y) * GetRowBytes();
}

// Makes the DIB anew; `bits`, when given, are rows of the new format and size.
void TBitmap::Recreate(int width, int height, TPixelFormat format, const void* bits)
{
    if (width < 0 || height < 0)
        throw EInvalidGraphic(L"Invalid bitmap size");
    if (FCanvas)
        FCanvas->Release();
    FPixelFormat = format == pfDevice ? pf24bit : format;
    FWidth = width;
    FHeight = height;
    FHandle.reset();
    FBits = nullptr;
    if (width > 0 && height > 0) {
        struct {
            BITMAPINFOHEADER header;
            RGBQUAD colors[2];
        } info{};
        info.header.biSize = sizeof(BITMAPINFOHEADER);
        info.header.biWidth = width;
        info.header.biHeight = -height;
        info.header.biPlanes = 1;
        info.header.biBitCount = static_cast<WORD>(BitsPerPixel());
        info.header.biCompression = BI_RGB;
        info.colors[1] = RGBQUAD{255, 255, 255, 0};
        FHandle.reset(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &FBits, nullptr, 0));
        if (!FHandle)
            throw EOutOfResources(L"Out of system resources");
        size_t size = static_cast<size_t>(GetRowBytes()) * height;
        if (bits)
            std::memcpy(FBits, bits, size);
        else
            std::memset(FBits, 0xFF, size);
    }
    Changed();
}

void TBitmap::SetSize(int width, int height)
{
    if (width == FWidth && height == FHeight)
        return;
    TGdiHandle<HBITMAP> old(FHandle.release());
    int oldWidth = FWidth, oldHeight = FHeight;
    Recreate(width, height, FPixelFormat, nullptr);
    if (old && FHandle) {
        HDC src = CreateCompatibleDC(nullptr);
        HDC dst = CreateCompatibleDC(nullptr);
        HGDIOBJ s = SelectObject(src, old.get());
        HGDIOBJ d = SelectObject(dst, FHandle.get());
        BitBlt(dst, 0, 0, std::min(oldWidth, width), std::min(oldHeight, height), src, 0, 0, SRCCOPY);
        SelectObject(src, s);
        SelectObject(dst, d);
        DeleteDC(src);
        DeleteDC(dst);
    }
}

void TBitmap::SetPixelFormat(TPixelFormat value)
{
    if (value == FPixelFormat)
        return;
    TBitmap copy;
    copy.Assign(this);
    Recreate(FWidth, FHeight, value, nullptr);
    if (FHandle)
        GetCanvas()->Draw(0, 0, &copy);
}

TColor TBitmap::GetTransparentColor() const
{
    if (FTransparentColor != clDefault)
        return FTransparentColor;
    if (!FBits)
        return clDefault;
    // the bottom-left pixel, as the classic rule has it
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, GetUnselectedHandle());
    TColor color = static_cast<TColor>(GetPixel(dc, 0, FHeight - 1));
    SelectObject(dc, old);
    DeleteDC(dc);
    return color;
}

HBITMAP TBitmap::GetUnselectedHandle() const
{
    if (FCanvas)
        FCanvas->Release();
    return FHandle.get();
}

TCanvas* TBitmap::GetCanvas()
{
    if (!FCanvas)
        FCanvas = std::make_unique<TBitmapCanvas>(this);
    return FCanvas.get();
}

void TBitmap::Assign(TPersistent* source)
{
    auto* bitmap = dynamic_cast<TBitmap*>(source);
    if (!bitmap) {
        TGraphic::Assign(source);
        return;
    }
    if (bitmap == this)
        return;
    FAlphaFormat = bitmap->FAlphaFormat;
    FTransparentColor = bitmap->FTransparentColor;
    FTransparent = bitmap->FTransparent;
    Recreate(bitmap->FWidth, bitmap->FHeight, bitmap->FPixelFormat, bitmap->FBits);
}

void TBitmap::Draw(TCanvas* canvas, const TRect& rect)
{
    if (!FHandle)
        return;
    HBITMAP bitmap = GetUnselectedHandle();
    HDC dest = canvas->GetHandle();
    HDC src = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(src, bitmap);
    if (FPixelFormat == pf32bit && FAlphaFormat == afPremultiplied) {
        BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        GdiAlphaBlend(dest, rect.left, rect.top, rect.Width(), rect.Height(), src, 0, 0, FWidth, FHeight, blend);
    } else if (FTransparent) {
        GdiTransparentBlt(dest, rect.left, rect.top, rect.Width(), rect.Height(), src, 0, 0, FWidth, FHeight,
                          ColorToRGB(GetTransparentColor()));
    } else {
        SetStretchBltMode(dest, COLORONCOLOR);
        StretchBlt(dest, rect.left, rect.top, rect.Width(), rect.Height(), src, 0, 0, FWidth, FHeight,
                   canvas->GetCopyMode());
    }
    SelectObject(src, old);
    DeleteDC(src);
}

// A BITMAP resource is the file without its file header: put one in front.
void TBitmap::LoadFromResourceName(HINSTANCE instance, const AnsiString& name)
{
    TResourceStream resource(instance, name, RT_BITMAP);
    AnsiString data = ReadRestOfStream(&resource);
    if (data.size() < sizeof(BITMAPINFOHEADER))
        throw EInvalidGraphic(L"Bitmap image is not valid");
    const auto* info = reinterpret_cast<const BITMAPINFOHEADER*>(data.data());
    DWORD colours = info->biClrUsed ? info->biClrUsed : info->biBitCount <= 8 ? 1u << info->biBitCount : 0;
    DWORD masks = info->biCompression == BI_BITFIELDS && info->biSize == sizeof(BITMAPINFOHEADER) ? 12 : 0;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfSize = static_cast<DWORD>(sizeof(file) + data.size());
    file.bfOffBits = static_cast<DWORD>(sizeof(file) + info->biSize + masks + colours * sizeof(RGBQUAD));
    TMemoryStream stream;
    stream.WriteBuffer(&file, sizeof(file));
    stream.WriteBuffer(data.data(), static_cast<int32_t>(data.size()));
    stream.SetPosition(0);
    LoadFromStream(&stream);
}

void TBitmap::LoadFromStream(TStream* stream)
{
    AnsiString data = ReadRestOfStream(stream);
    const auto* file = reinterpret_cast<const BITMAPFILEHEADER*>(data.data());
    if (data.size() < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) || file->bfType != 0x4D42)
        throw EInvalidGraphic(L"Bitmap image is not valid");
    const auto* info = reinterpret_cast<const BITMAPINFO*>(data.data() + sizeof(BITMAPFILEHEADER));
    if (file->bfOffBits >= data.size() || info->bmiHeader.biWidth <= 0 || info->bmiHeader.biHeight == 0)
        throw EInvalidGraphic(L"Bitmap image is not valid");
    int width = info->bmiHeader.biWidth;
    int height = std::abs(info->bmiHeader.biHeight);
    TPixelFormat format = info->bmiHeader.biBitCount == 32 ? pf32bit
                          : info->bmiHeader.biBitCount == 1 ? pf1bit
                                                            : pf24bit;
    Recreate(width, height, format, nullptr);
    HDC dc = GetDC(nullptr);
    // SetDIBits converts any depth and orientation into our top-down DIB.
    int lines = SetDIBits(dc, FHandle.get(), 0, height, data.data() + file->bfOffBits, info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    if (lines == 0) {
        Recreate(0, 0, format, nullptr);
        throw EInvalidGraphic(L"Bitmap image is not valid");
    }
}

void TBitmap::SaveToStream(TStream* stream)
{
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = FWidth;
    header.biHeight = -FHeight;
    header.biPlanes = 1;
    header.biBitCount = static_cast<WORD>(BitsPerPixel());
    header.biCompression = BI_RGB;
    RGBQUAD palette[2] = {{0, 0, 0, 0}, {255, 255, 255, 0}};
    DWORD paletteSize = FPixelFormat == pf1bit ? sizeof(palette) : 0;
    DWORD imageSize = static_cast<DWORD>(GetRowBytes()) * FHeight;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(header) + paletteSize;
    file.bfSize = file.bfOffBits + imageSize;
    stream->WriteBuffer(&file, sizeof(file));
    stream->WriteBuffer(&header, sizeof(header));
    if (paletteSize)
        stream->WriteBuffer(palette, paletteSize);
    if (imageSize)
        stream->WriteBuffer(FBits, static_cast<int32_t>(imageSize));
}
