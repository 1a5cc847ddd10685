#include "app/help.h"

#include "classlib/Registry.h"
#include "classlib/SysUtils.h"

HMODULE HtmlHelpModule = nullptr;
THtmlHelpA HtmlHelpA = nullptr;
THtmlHelpW HtmlHelpW = nullptr;
constinit bool LoadHtmlHelpAtStart = true;

namespace {

const char* const ControlLibrary = "hhctrl.ocx";

// The default value of the control's class registration; empty when there is none or it is no text.
AnsiString RegisteredControlPath()
{
    TRegistry registry(KEY_READ);
    registry.SetRootKey(HKEY_CLASSES_ROOT);
    if (!registry.OpenKeyReadOnly("CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32"))
        return AnsiString();
    try {
        return registry.ReadString("");
    } catch (const ERegistryException&) {
        // A value of another type names no file; this runs before the program body, where nothing could report it.
        return AnsiString();
    }
}

AnsiString ExpandEnvironment(const AnsiString& text)
{
    char expanded[4097] = {};
    const DWORD length = ExpandEnvironmentStringsA(text.c_str(), expanded, sizeof(expanded));
    return length == 0 || length > sizeof(expanded) ? AnsiString() : AnsiString(expanded);
}

AnsiString SystemFolderControl()
{
    char folder[261] = {};
    const UINT length = GetSystemDirectoryA(folder, sizeof(folder));
    const AnsiString path = length < sizeof(folder) ? AnsiString(folder, length) : AnsiString();
    return ExcludeTrailingPathDelimiter(path) + "\\" + ControlLibrary;
}

// The unit's start and end.
struct THtmlHelpLifetime {
    THtmlHelpLifetime()
    {
        if (LoadHtmlHelpAtStart)
            LoadHtmlHelp();
    }
    ~THtmlHelpLifetime() { UnloadHtmlHelp(); }
} HtmlHelpLifetime;

}  // namespace

AnsiString FindHtmlHelpPath()
{
    AnsiString path = ExpandEnvironment(RegisteredControlPath());
    if (!path.empty() && !FileExists(path))
        path.clear();
    return path.empty() ? SystemFolderControl() : path;
}

void LoadHtmlHelp()
{
    if (HtmlHelpModule)
        return;
    HtmlHelpModule = LoadLibraryA(ControlLibrary);
    if (!HtmlHelpModule) {
        const AnsiString path = FindHtmlHelpPath();
        if (FileExists(path))
            HtmlHelpModule = LoadLibraryA(path.c_str());
    }
    if (!HtmlHelpModule)
        return;
    HtmlHelpA = reinterpret_cast<THtmlHelpA>(reinterpret_cast<void*>(GetProcAddress(HtmlHelpModule, "HtmlHelpA")));
    HtmlHelpW = reinterpret_cast<THtmlHelpW>(reinterpret_cast<void*>(GetProcAddress(HtmlHelpModule, "HtmlHelpW")));
}

void UnloadHtmlHelp()
{
    if (!HtmlHelpModule)
        return;
    FreeLibrary(HtmlHelpModule);
    HtmlHelpModule = nullptr;
    HtmlHelpA = nullptr;
    HtmlHelpW = nullptr;
}
