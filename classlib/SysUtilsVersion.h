// The system's version, read once at start; tests may set it.
#pragma once

// VER_PLATFORM_WIN32_WINDOWS (1) for the 9x family, VER_PLATFORM_WIN32_NT (2) for NT.
extern int Win32Platform;
extern int Win32MajorVersion;
extern int Win32MinorVersion;
