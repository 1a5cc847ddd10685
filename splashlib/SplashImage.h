#pragma once

#include "GdiplusFlat.h"

// An image file loaded through GDI+. It is disposed with this object, which
// also lets go of the file; it must therefore die before GDI+ shuts down.
class SplashImage {
public:
    SplashImage() = default;
    ~SplashImage();
    SplashImage(const SplashImage&) = delete;
    SplashImage& operator=(const SplashImage&) = delete;

    // The path is ANSI text in the thread's code page. False when the file
    // is missing or no image.
    bool Load(const char* ansiPath);
    UINT GetWidth() const;
    UINT GetHeight() const;
    // At (0, 0) in the image's own size.
    void DrawTo(HDC dc) const;

private:
    Gdiplus::GpImage* FImage = nullptr;
};
