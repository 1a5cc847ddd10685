#include "SplashImage.h"

#include <string>

namespace {

std::wstring ThreadAnsiToWide(const char* text)
{
    int length = MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, nullptr, 0);
    if (length <= 0)
        return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, wide.data(), length);
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}

}

SplashImage::~SplashImage()
{
    if (FImage)
        gdip::GdipDisposeImage(FImage);
}

bool SplashImage::Load(const char* ansiPath)
{
    if (FImage || !ansiPath)
        return false;
    std::wstring path = ThreadAnsiToWide(ansiPath);
    if (path.empty())
        return false;
    Gdiplus::GpImage* image = nullptr;
    if (gdip::GdipLoadImageFromFile(path.c_str(), &image) != Gdiplus::Ok)
        return false;
    FImage = image;
    return true;
}

UINT SplashImage::GetWidth() const
{
    UINT width = 0;
    if (FImage)
        gdip::GdipGetImageWidth(FImage, &width);
    return width;
}

UINT SplashImage::GetHeight() const
{
    UINT height = 0;
    if (FImage)
        gdip::GdipGetImageHeight(FImage, &height);
    return height;
}

void SplashImage::DrawTo(HDC dc) const
{
    if (!FImage)
        return;
    Gdiplus::GpGraphics* graphics = nullptr;
    if (gdip::GdipCreateFromHDC(dc, &graphics) != Gdiplus::Ok)
        return;
    gdip::GdipDrawImageRectI(graphics, FImage, 0, 0, static_cast<INT>(GetWidth()),
                             static_cast<INT>(GetHeight()));
    gdip::GdipDeleteGraphics(graphics);
}
