#include "GdiplusSession.h"

namespace {
ULONG_PTR g_gdiplusToken = 0;
}

GdiplusSession::GdiplusSession()
{
    if (g_gdiplusToken != 0)
        return;
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok) {
        g_gdiplusToken = token;
        FStartedHere = true;
    }
}

GdiplusSession::~GdiplusSession()
{
    if (!FStartedHere)
        return;
    Gdiplus::GdiplusShutdown(g_gdiplusToken);
    g_gdiplusToken = 0;
}
