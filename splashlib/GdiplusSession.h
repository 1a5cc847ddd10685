#pragma once

#include "GdiplusFlat.h"

// GDI+ for the length of one splash call. A call nested inside another one
// (through its message loop) finds GDI+ running and leaves the shutdown to
// the call that started it.
class GdiplusSession {
public:
    GdiplusSession();
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

private:
    bool FStartedHere = false;
};
