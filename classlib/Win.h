// The one way into the Windows headers: strict handles, no min/max macros,
// 8-bit defaults, and none of the generic A/W name macros, so that our own
// methods may use those names. Call the explicit ...A or ...W function.
#pragma once

#ifndef STRICT
#define STRICT
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#undef UNICODE
#undef _UNICODE

#include <windows.h>
// The common controls, common dialogs, rich edit and shell browser the standard controls use.
#include <commctrl.h>
#include <commdlg.h>
#include <richedit.h>
#include <shlobj.h>

#undef CallWindowProc
#undef CopyFile
#undef CreateDirectory
#undef CreateEvent
#undef CreateFile
#undef CreateFont
#undef CreateHardLink
#undef CreateMutex
#undef CreateProcess
#undef CreateWindow
#undef CreateWindowEx
#undef DefWindowProc
#undef DeleteFile
#undef DispatchMessage
#undef DrawText
#undef ExpandEnvironmentStrings
#undef FindFirstFile
#undef FindNextFile
#undef FindResource
#undef FormatMessage
#undef GetClassInfo
#undef GetClassName
#undef GetCommandLine
#undef GetCurrentDirectory
#undef GetDiskFreeSpace
#undef GetFileAttributes
#undef GetFullPathName
#undef GetMessage
#undef GetModuleFileName
#undef GetModuleHandle
#undef GetObject
#undef GetTempFileName
#undef GetTempPath
#undef GetVolumePathName
#undef GetWindowText
#undef LoadBitmap
#undef LoadCursor
#undef LoadIcon
#undef LoadImage
#undef LoadString
#undef MessageBox
#undef MoveFile
#undef OpenEvent
#undef PeekMessage
#undef PostMessage
#undef RegisterClass
#undef RegisterClassEx
#undef RemoveDirectory
#undef SendMessage
#undef SetFileAttributes
#undef SetWindowText
#undef TextOut
#undef UnregisterClass
