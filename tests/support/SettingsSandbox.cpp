#include "tests/support/SettingsSandbox.h"

#include "app/datafolders.h"
#include "app/settingsstore.h"
#include "app/specialfolders.h"
#include "classlib/IniFiles.h"
#include "classlib/Registry.h"
#include "classlib/SysUtils.h"
#include "tests/support/ScratchFolder.h"
#include <shlobj.h>

void TSettingsSandbox::Wipe()
{
    for (const AnsiString& folder : {GetShellFolderPath(CSIDL_APPDATA) + "brevant",
                                     GetShellFolderPath(CSIDL_PERSONAL) + "Clearvane"}) {
        SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFile(folder);
        RemoveFolderTree(AnsiToWide(folder));
    }
    TRegistry registry(KEY_ALL_ACCESS);
    registry.DeleteKey("\\Software\\BREVANT");
    registry.SetRootKey(HKEY_CLASSES_ROOT);
    registry.DeleteKey("\\*\\shell\\Quon file variruvu");
    registry.DeleteKey("\\Folder\\shell\\Quon file variruvu");
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    if (registry.OpenKey("\\Software\\Microsoft\\Windows\\CurrentVersion\\Run", false))
        registry.DeleteValue("QUON Variruvu");
}

void TSettingsSandbox::TurnOffStartWindows()
{
    ForceDirectories(DataFolder());
    TIniFile ini(ConfigFileName());
    ini.WriteBool("LastChoice", "Splash", false);
    ini.WriteBool("LastChoice", "License", false);
}

void TSettingsSandbox::WriteQuietConfig(const AnsiString& text)
{
    ForceDirectories(DataFolder());
    WriteFileBytes(ConfigFileName(), text);
    TurnOffStartWindows();
}
