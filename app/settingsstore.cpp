#include "app/settingsstore.h"

#include "app/datafolders.h"
#include "app/productinfo.h"
#include "app/programversion.h"
#include "app/registrysettings.h"
#include "classlib/IniFiles.h"
#include "engine/variruvu.h"

AnsiString ConfigFileName()
{
    return DataFolder() + "config.ini";
}

namespace {

bool IsMethod(int index)
{
    return index >= sdmZero && index <= sdmGutmann;
}

void WriteProgram(TIniFile& ini)
{
    ini.WriteString("App", "Program", ProgramName);
    ini.WriteString("App", "Version", GetProgramVersion());
}

}  // namespace

void WriteConfigSettings(const TConfigSettings& settings)
{
    TIniFile ini(ConfigFileName());
    WriteProgram(ini);
    ini.WriteString("App", "Info", settings.Info);
    ini.WriteBool("LastChoice", "Splash", settings.Splash);
    ini.WriteBool("LastChoice", "License", settings.License);
    ini.WriteBool("Settings", "ContextMenu", settings.ContextMenu);
    ini.WriteBool("Startup", "AutoRun", settings.AutoRun);
    ini.WriteInteger("Settings", "EraseMethod", settings.EraseMethod);
    ini.WriteInteger("Settings", "Language", settings.Language);
}

TStoredChoices ReadStoredChoices(const TStoredChoices& defaults)
{
    TIniFile ini(ConfigFileName());
    TStoredChoices stored;
    const int language = ini.ReadInteger("Settings", "Language", defaults.Language);
    // A language identifier is 16 bits wide; anything else is no language at all.
    stored.Language = language >= 0 && language <= 0xFFFF ? static_cast<uint16_t>(language) : defaults.Language;
    stored.EraseMethod = ReadEraseMethod(defaults.EraseMethod);
    stored.LastApply = ini.ReadString("LastApply", "LA", defaults.LastApply);
    stored.AutoRun = ini.ReadBool("Startup", "AutoRun", defaults.AutoRun);
    stored.ContextMenu = ini.ReadBool("Settings", "ContextMenu", defaults.ContextMenu);
    return stored;
}

bool ReadShowSplash()
{
    return TIniFile(ConfigFileName()).ReadBool("LastChoice", "Splash", true);
}

bool ReadShowLicense()
{
    return TIniFile(ConfigFileName()).ReadBool("LastChoice", "License", true);
}

int ReadEraseMethod(int current)
{
    const int fallback = IsMethod(current) ? current : static_cast<int>(sdmDoD);
    const int stored = TIniFile(ConfigFileName()).ReadInteger("Settings", "EraseMethod", fallback);
    return IsMethod(stored) ? stored : fallback;
}

void WriteMethodChoice(int method)
{
    TIniFile ini(ConfigFileName());
    WriteProgram(ini);
    ini.WriteInteger("Settings", "EraseMethod", method);
}

void EmptyLastApply()
{
    TIniFile(ConfigFileName()).WriteString("LastApply", "LA", "");
}

void RecordEraseStart(int method)
{
    EnsureDataFolders();
    WriteMethodChoice(method);
    TIniFile ini(ConfigFileName());
    ini.WriteString("LastApply", "LA", DateTimeToStr(Now()));
    WriteMirrorLastApply(DateTimeToStr(Now()));
}
