// Whether windows are drawn with the visual styles of the system's theme.
#pragma once

// True when the program runs with common controls 6 and an active theme;
// tests may switch it.
bool ThemesEnabled();
void SetThemesEnabled(bool value);
