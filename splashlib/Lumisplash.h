// The four exports an outside host binds by name; all stdcall.
#pragma once

#include "classlib/Win.h"

#include <cstdint>

// Returned when no splash could be shown (image not loadable, window not created).
constexpr uint32_t SplashNotShown = 1;

extern "C" {
uint32_t __stdcall SplashScreen(uint32_t unused, const char* imagePath, uint32_t displayMs);
bool __stdcall OpenConsole();
bool __stdcall CloseConsole();
void __stdcall WriteLn(const char* text);
}
