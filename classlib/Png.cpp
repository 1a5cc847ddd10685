#include <cstring>

#include "classlib/Graphics.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#include <stb_image.h>
#pragma GCC diagnostic pop

VARIRUVU_CLASS_INFO(TPngImage, TGraphic) {}

TPngImage::TPngImage() : FBitmap(std::make_unique<TBitmap>())
{
    FBitmap->SetPixelFormat(pf32bit);
    FBitmap->SetAlphaFormat(afPremultiplied);
}

TPngImage::~TPngImage() = default;

void TPngImage::Assign(TPersistent* source)
{
    auto* png = dynamic_cast<TPngImage*>(source);
    if (!png) {
        TGraphic::Assign(source);
        return;
    }
    if (png == this)
        return;
    FBitmap->Assign(png->FBitmap.get());
    FRgba = png->FRgba;
    FData = png->FData;
    Changed();
}

TColor TPngImage::GetPixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= GetWidth() || y >= GetHeight())
        throw EInvalidGraphicOperation(L"Pixel index out of range");
    const uint8_t* p = &FRgba[(static_cast<size_t>(y) * GetWidth() + x) * 4];
    return RGB(p[0], p[1], p[2]);
}

uint8_t TPngImage::GetAlpha(int x, int y) const
{
    if (x < 0 || y < 0 || x >= GetWidth() || y >= GetHeight())
        throw EInvalidGraphicOperation(L"Pixel index out of range");
    return FRgba[(static_cast<size_t>(y) * GetWidth() + x) * 4 + 3];
}

void TPngImage::LoadFromStream(TStream* stream)
{
    AnsiString data = ReadRestOfStream(stream);
    int width = 0, height = 0, channels = 0;
    stbi_uc* pixels = stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(data.data()),
                                            static_cast<int>(data.size()), &width, &height, &channels, 4);
    if (!pixels) {
        FBitmap->SetSize(0, 0);
        FRgba.clear();
        FData.clear();
        throw EInvalidGraphic(L"PNG image is not valid: " + AnsiToWide(stbi_failure_reason()));
    }
    FRgba.assign(pixels, pixels + static_cast<size_t>(width) * height * 4);
    stbi_image_free(pixels);
    FData = std::move(data);
    FBitmap->SetSize(width, height);
    // The DIB wants blue, green, red, alpha with the colour premultiplied.
    for (int y = 0; y < height; ++y) {
        auto* row = static_cast<uint8_t*>(FBitmap->GetScanLine(y));
        const uint8_t* src = &FRgba[static_cast<size_t>(y) * width * 4];
        for (int x = 0; x < width; ++x, row += 4, src += 4) {
            uint8_t a = src[3];
            row[0] = static_cast<uint8_t>((src[2] * a + 127) / 255);
            row[1] = static_cast<uint8_t>((src[1] * a + 127) / 255);
            row[2] = static_cast<uint8_t>((src[0] * a + 127) / 255);
            row[3] = a;
        }
    }
    GdiFlush();
    Changed();
}

void TPngImage::SaveToStream(TStream* stream)
{
    if (!FData.empty())
        stream->WriteBuffer(FData.data(), static_cast<int32_t>(FData.size()));
}

void TPngImage::Draw(TCanvas* canvas, const TRect& rect)
{
    canvas->StretchDraw(rect, FBitmap.get());
}
