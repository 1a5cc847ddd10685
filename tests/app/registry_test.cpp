#include <gtest/gtest.h>

#include "app/programfolder.h"
#include "app/registrysettings.h"
#include "classlib/Registry.h"
#include "tests/support/OutsideTools.h"
#include "tests/support/SettingsSandbox.h"

namespace {

const char* const MirrorKey = "\"HKCU\\Software\\BREVANT\\Clearvane\"";
const char* const RunKey = "\"HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\" /v \"QUON Variruvu\"";
const char* const FileVerb = "HKCR\\*\\shell\\Quon file variruvu";

class RegistrySettings : public ::testing::Test {
protected:
    TSettingsSandbox sandbox;
};

TEST_F(RegistrySettings, TheMirrorHoldsItsValuesWithTheirTypesInOrder)
{
    TRegistryMirror mirror;
    mirror.EraseMethod = 2;
    mirror.ProgVers = "1.0.0.0";
    mirror.Language = 1029;
    mirror.ShowSplash = false;
    mirror.ContextMenu = true;
    WriteMirrorLastApply("12/10/2026 1:43:38 PM");
    WriteRegistryMirror(mirror);
    // The prefix lists a key's values by name, whatever order they came in.
    EXPECT_EQ(RegQuery(MirrorKey), "HKEY_CURRENT_USER\\Software\\BREVANT\\Clearvane\n"
                                   "    CntxMn    REG_DWORD    0x1\n"
                                   "    EraseMethod    REG_DWORD    0x2\n"
                                   "    Language    REG_DWORD    0x405\n"
                                   "    LastApply    REG_SZ\n"
                                   "    LastUpdate    REG_SZ\n"
                                   "    ProgVers    REG_SZ    1.0.0.0\n"
                                   "    ShowSplash    REG_DWORD    0x0\n");
    WriteMirrorEraseMethod(0);
    EXPECT_NE(RegQuery(AnsiString(MirrorKey) + " /v EraseMethod").find("EraseMethod    REG_DWORD    0x0"),
              AnsiString::npos);
}

TEST_F(RegistrySettings, TheAutorunValueIsWrittenAndDeleted)
{
    AddRunEntry("QUON Variruvu", "C:\\Program Files\\Variruvu\\variruvu.exe");
    EXPECT_NE(RegQuery(RunKey).find("QUON Variruvu    REG_SZ    C:\\Program Files\\Variruvu\\variruvu.exe\n"),
              AnsiString::npos);
    RemoveRunEntry("QUON Variruvu");
    EXPECT_EQ(RegQuery(RunKey).find("QUON Variruvu    REG_SZ"), AnsiString::npos);
    RemoveRunEntry("QUON Variruvu");  // a missing value is no error
}

TEST_F(RegistrySettings, TheVerbCarriesCaptionCommandAndAnIconBeneathTheCommand)
{
    RegisterContextMenu();
    const AnsiString exe = ProgramFileName();
    EXPECT_EQ(RegQuery(AnsiString("\"") + FileVerb + "\" /s"),
              "HKEY_CLASSES_ROOT\\*\\shell\\Quon file variruvu\n"
              "    (Default)    REG_SZ    &Erase with Quon File Variruvu\n"
              "HKEY_CLASSES_ROOT\\*\\shell\\Quon file variruvu\\command\n"
              "    (Default)    REG_SZ    \"" + exe + "\" \"%1\"\n"
              "HKEY_CLASSES_ROOT\\*\\shell\\Quon file variruvu\\command\\DefaultIcon\n"
              "    (Default)    REG_SZ    \"" + exe + "\",0\n");
    EXPECT_NE(RegQuery(AnsiString(MirrorKey) + " /v CntxMn").find("CntxMn    REG_DWORD    0x1"), AnsiString::npos);

    // A folder verb of the same name goes too, with everything beneath it.
    TRegistry classes(KEY_ALL_ACCESS);
    classes.SetRootKey(HKEY_CLASSES_ROOT);
    ASSERT_TRUE(classes.OpenKey("\\Folder\\shell\\Quon file variruvu\\command", true));
    classes.WriteString("", "old");
    classes.CloseKey();
    UnregisterContextMenu();
    EXPECT_FALSE(classes.KeyExists("\\Folder\\shell\\Quon file variruvu"));
    EXPECT_FALSE(classes.KeyExists("\\*\\shell\\Quon file variruvu"));
    EXPECT_EQ(RegQuery(AnsiString("\"") + FileVerb + "\"").find("REG_SZ"), AnsiString::npos);
    EXPECT_NE(RegQuery(AnsiString(MirrorKey) + " /v CntxMn").find("CntxMn    REG_DWORD    0x0"), AnsiString::npos);
}

}  // namespace
