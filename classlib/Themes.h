// Whether windows are drawn with the visual styles of the system's theme.
#pragma once

#include "classlib/Win.h"

// True when the program runs with common controls 6 and an active theme;
// tests may switch it.
bool ThemesEnabled();
void SetThemesEnabled(bool value);

// Draws a part of the active visual style (uxtheme's DrawThemeBackground, loaded
// when first needed); false when the system has no such part or no visual styles.
bool DrawThemePart(HDC dc, const wchar_t* classList, int part, int state, const RECT& rect);
